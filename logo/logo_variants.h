// The thirteen banner variants as data.
#pragma once

namespace orvelle {

constexpr int kLogoMaxLines = 3;  // further lines below or beside the title

// One line of text at (top, left) of the panel.
struct LogoLine {
    const char *text;
    int left, top;
};

struct LogoVariant {
    int bannerColor;        // 0xRRGGBB, the frame colour of the banner box
    int pictureTop, pictureLeft;
    const char *bitmap;     // file name beside the program, nullptr for none
    int textStyle;          // 1, 2 or 3: ShowInfoText1 .. 3, title and lines alike
    LogoLine title;
    int titleSize;          // points
    int lineSize;           // points of the further lines
    int numLines;
    LogoLine lines[kLogoMaxLines];  // in drawing order
};

// The variant's description; nullptr outside 0 .. 12.
const LogoVariant *FindLogoVariant(int variant);

}  // namespace orvelle
