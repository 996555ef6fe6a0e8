// The banner drawn at start-up: the maker's variant in its places, with the
// logo picture sharp at every scale, and what draws nothing.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <map>
#include <vector>

#include "logo/logo.h"
#include "logo/logo_variants.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

// A text message made by the banner: its text, place and look.
struct BannerText {
    int left, top, size, color, background;
    std::string font;
    QRect rect;
};

class Banner : public ProgramTest {
protected:
    // The program's pictures, copied into its private directory.
    void CopyPictures()
    {
        for (const char *name : {"orvelle_logo.png", "partner_logo.png"})
            ASSERT_TRUE(QFile::copy(QString(ORVELLE_BUILD_DIR) + "/" + name,
                                    QString::fromStdString(Path(name))));
    }

    int NumCtrls() const
    {
        int n = 0;
        GetPanelAttribute(mainpanel, ATTR_NUM_CTRLS, &n);
        return n;
    }

    // The text messages on the main panel, by text.
    std::map<std::string, BannerText> Texts() const
    {
        std::map<std::string, BannerText> out;
        for (int id = 1; id < 1000; ++id) {
            QWidget *w = uitest::CtrlWidget(mainpanel, id);
            if (!qobject_cast<QLabel *>(w) || id == MAINP_LogoPicture)
                continue;
            char text[256] = "", font[64] = "";
            if (GetCtrlVal(mainpanel, id, text) < 0)
                continue;
            BannerText t{};
            GetCtrlAttribute(mainpanel, id, ATTR_LEFT, &t.left);
            GetCtrlAttribute(mainpanel, id, ATTR_TOP, &t.top);
            GetCtrlAttribute(mainpanel, id, ATTR_TEXT_POINT_SIZE, &t.size);
            GetCtrlAttribute(mainpanel, id, ATTR_TEXT_COLOR, &t.color);
            GetCtrlAttribute(mainpanel, id, ATTR_TEXT_BGCOLOR, &t.background);
            GetCtrlAttribute(mainpanel, id, ATTR_TEXT_FONT, font, sizeof font);
            t.font = font;
            t.rect = w->geometry();
            out[text] = t;
        }
        return out;
    }

    const QLabel *Picture() const
    {
        return static_cast<const QLabel *>(uitest::CtrlWidget(mainpanel, MAINP_LogoPicture));
    }
};

TEST_F(Banner, MakersVariantAtStartUpSharpAtThisScale)
{
    CopyPictures();
    WriteSettingsWithoutSensor();
    OpenProgram();

    int color = 0, top = 0, left = 0;
    GetCtrlAttribute(mainpanel, MAINP_LogoBox, ATTR_FRAME_COLOR, &color);
    GetCtrlAttribute(mainpanel, MAINP_LogoPicture, ATTR_TOP, &top);
    GetCtrlAttribute(mainpanel, MAINP_LogoPicture, ATTR_LEFT, &left);
    EXPECT_EQ(color, 0x0080FF);
    EXPECT_EQ(top, 6);
    EXPECT_EQ(left, 325);

    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    ASSERT_TRUE(texts.count("ORVELLE V3.1"));
    const BannerText &title = texts.at("ORVELLE V3.1");
    EXPECT_EQ(title.left, 323);
    EXPECT_EQ(title.top, 30);
    EXPECT_EQ(title.size, 18);
    int lineTop = 5;
    for (const auto &[text, t] : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(t.color, 0xFFFFFF);
        EXPECT_EQ(t.background, VAL_TRANSPARENT);
        EXPECT_EQ(t.font, VAL_APP_META_FONT);
        if (&t == &title)
            continue;
        EXPECT_EQ(t.left, 15);
        EXPECT_EQ(t.size, 12);
        EXPECT_FALSE(t.rect.intersects(title.rect)) << "covers the title";
    }
    std::vector<int> tops;
    std::vector<QRect> lines;
    for (const auto &[text, t] : texts)
        if (&t != &title) {
            tops.push_back(t.top);
            lines.push_back(t.rect);
        }
    std::sort(tops.begin(), tops.end());
    EXPECT_EQ(tops, (std::vector<int>{lineTop, lineTop + 15, lineTop + 30}));
    // Lines 15 pixels apart must not run into one another.
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            EXPECT_FALSE(lines[i].intersects(lines[j])) << i << " and " << j;

    // The logo fills the picture with the screen's own pixels.
    const QPixmap logo = Picture()->pixmap();
    ASSERT_FALSE(logo.isNull()) << "the logo is missing";
    const qreal ratio = Picture()->devicePixelRatioF();
    EXPECT_EQ(logo.devicePixelRatio(), ratio);
    EXPECT_EQ(logo.height(), qRound(Picture()->height() * ratio));

    // Drawn for real: white title pixels on the blue banner.
    const QImage shot = uitest::PanelWidget(mainpanel)->grab().toImage();
    shot.save(QString(ORVELLE_BUILD_DIR) + QString("/banner@%1x.png").arg(ratio));
    const QImage titleShot = shot.copy(QRect(title.rect.topLeft() * ratio,
                                             title.rect.size() * ratio));
    int white = 0, blue = 0;
    for (int y = 0; y < titleShot.height(); ++y)
        for (int x = 0; x < titleShot.width(); ++x) {
            const QRgb p = titleShot.pixel(x, y) & 0xFFFFFF;
            white += p == 0xFFFFFF;
            blue += p == 0x0080FF;
        }
    EXPECT_GT(white, titleShot.width() * titleShot.height() / 20);
    EXPECT_GT(blue, titleShot.width() * titleShot.height() / 3);
}

TEST_F(Banner, UnknownVariantsDrawNothingAndAMissingBitmapLeavesTheTexts)
{
    WriteSettingsWithoutSensor();  // no pictures in the program's directory
    OpenProgram();
    EXPECT_TRUE(Picture()->pixmap().isNull());
    EXPECT_EQ(Texts().size(), 4u) << "the texts are drawn without the logo";

    const LogoControls where{mainpanel, MAINP_LogoBox, MAINP_LogoPicture};
    SetCtrlAttribute(mainpanel, MAINP_LogoBox, ATTR_FRAME_COLOR, 0x123456);
    const int before = NumCtrls();
    ShowLogo(where, -1);
    ShowLogo(where, kLogoVariantCount);
    int color = 0;
    GetCtrlAttribute(mainpanel, MAINP_LogoBox, ATTR_FRAME_COLOR, &color);
    EXPECT_EQ(color, 0x123456);
    EXPECT_EQ(NumCtrls(), before);

    // The last reseller variant still draws its title and lines.
    ShowLogo(where, kLogoVariantCount - 1);
    EXPECT_EQ(NumCtrls(), before + 1 + FindLogoVariant(kLogoVariantCount - 1)->numLines);
    GetCtrlAttribute(mainpanel, MAINP_LogoBox, ATTR_FRAME_COLOR, &color);
    EXPECT_EQ(color, 0xFFFFFF);
}

TEST_F(Banner, AnInstalledProgramFindsItsLogoInTheSharedFolder)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    ASSERT_TRUE(Picture()->pixmap().isNull());
    const QDir prefix(QString::fromStdString(Path("usr")));
    ASSERT_TRUE(prefix.mkpath("bin"));
    ASSERT_TRUE(prefix.mkpath("share/orvelle"));
    ASSERT_TRUE(QFile::copy(QString(ORVELLE_BUILD_DIR) + "/orvelle_logo.png",
                            prefix.filePath("share/orvelle/orvelle_logo.png")));
    SetProjectDirOverride(prefix.filePath("bin").toLocal8Bit().constData());
    ShowLogo({mainpanel, MAINP_LogoBox, MAINP_LogoPicture}, kMakerLogoVariant);
    EXPECT_FALSE(Picture()->pixmap().isNull());
}

}  // namespace
