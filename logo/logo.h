// The banner at the top of the main window: background colour, logo picture,
// program title and the maker's lines, drawn once at start-up.
#pragma once

namespace orvelle {

// The banner's two controls on their panel: a decoration box whose frame
// colour is the banner colour, and a picture control for the logo.
struct LogoControls {
    int panel;
    int box;
    int picture;
};

constexpr int kLogoVariantCount = 13;  // variants 0 to 12
constexpr int kMakerLogoVariant = 5;   // our own branding; the others are resellers'

// Draws banner variant `variant` into `where`: the box's colour, the
// picture's top and left edge, the logo bitmap, then the title and the
// further lines as new text messages on the panel. A variant below 0 or above
// 12 draws nothing. A bitmap that is missing or unreadable leaves the picture
// empty and the texts are drawn all the same; no message is shown.
void ShowLogo(const LogoControls &where, int variant);

// Each creates a text message on `panel` with an empty label at (top, left),
// in the application font at `size` points, and writes `text` into it. Style
// 1 is grey on white, 2 black on white, 3 white on the banner (transparent).
// `control` is not used (the caller's handle of old); the new control's id is
// returned, or a negative code of the run-time.
int ShowInfoText1(int panel, int control, const char *text, int left, int top, int size);
int ShowInfoText2(int panel, int control, const char *text, int left, int top, int size);
int ShowInfoText3(int panel, int control, const char *text, int left, int top, int size);

}  // namespace orvelle
