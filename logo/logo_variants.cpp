#include "logo/logo_variants.h"

#include "logo/logo.h"

namespace orvelle {

namespace {

constexpr const char *kTitle = "ORVELLE V3.1";
constexpr const char *kMakerBitmap = "orvelle_logo.png";
constexpr const char *kResellerBitmap = "partner_logo.png";

constexpr int kMakerBlue = 0x0080FF;
constexpr int kResellerWhite = 0xFFFFFF;
constexpr int kMakerLinePoints = 12;
constexpr int kResellerLinePoints = 14;

// Our own lines: the project, where to get support, its web address.
constexpr const char *kMakerCompany = "Orvelle sensor software";
constexpr const char *kMakerSupport = "Support: help@orvelle.example";
constexpr const char *kMakerWeb = "www.orvelle.example";

// A reseller fills in its own; these neutral texts hold the places.
constexpr const char *kResellerCompany = "Sensor Systems Distribution";
constexpr const char *kResellerStreet = "1 Example Street, Sample Town";
constexpr const char *kResellerPhone = "Phone 000 000 000";

// Title placements shared by several resellers.
constexpr LogoLine kTitleWide = {kTitle, 280, 20};
constexpr LogoLine kTitleLeft = {kTitle, 20, 16};

constexpr LogoVariant CompanyAndPhone(int pictureLeft)
{
    return {kResellerWhite, 5, pictureLeft, kResellerBitmap, 1, kTitleWide, 22,
            kResellerLinePoints, 2,
            {{kResellerCompany, 15, 13}, {kResellerPhone, 15, 32}, {}}};
}

constexpr LogoVariant TitleOnly(int pictureLeft)
{
    return {kResellerWhite, 6, pictureLeft, kResellerBitmap, 1, kTitleLeft, 25,
            kResellerLinePoints, 0, {}};
}

constexpr LogoVariant kVariants[kLogoVariantCount] = {
    /* 0 */ {kResellerWhite, 5, 800, nullptr, 2, kTitleWide, 22, kResellerLinePoints, 0, {}},
    /* 1 */ CompanyAndPhone(646),
    /* 2 */ {kResellerWhite, 5, 705, kResellerBitmap, 2, kTitleWide, 22, kResellerLinePoints, 3,
             {{kResellerStreet, 15, 21}, {kResellerPhone, 15, 37}, {kResellerCompany, 15, 5}}},
    /* 3 */ TitleOnly(572),
    /* 4 */ TitleOnly(636),
    /* 5 */ {kMakerBlue, 6, 325, kMakerBitmap, 3, {kTitle, 323, 30}, 18, kMakerLinePoints, 3,
             {{kMakerCompany, 15, 5}, {kMakerSupport, 15, 20}, {kMakerWeb, 15, 35}}},
    /* 6 */ {kResellerWhite, 6, 599, kResellerBitmap, 2, {kTitle, 340, 20}, 22,
             kResellerLinePoints, 3,
             {{kResellerStreet, 15, 20}, {kResellerPhone, 15, 35}, {kResellerCompany, 15, 5}}},
    /* 7 */ CompanyAndPhone(649),
    /* 8 */ CompanyAndPhone(594),
    /* 9 */ {kResellerWhite, 2, 7, kResellerBitmap, 3, kTitleWide, 22, kResellerLinePoints, 0, {}},
    /* 10 */ TitleOnly(640),
    /* 11 */ {kResellerWhite, 5, 595, kResellerBitmap, 2, {kTitle, 200, 12}, 30,
              kResellerLinePoints, 0, {}},
    /* 12 */ TitleOnly(595),
};

}  // namespace

const LogoVariant *FindLogoVariant(int variant)
{
    if (variant < 0 || variant >= kLogoVariantCount)
        return nullptr;
    return &kVariants[variant];
}

}  // namespace orvelle
