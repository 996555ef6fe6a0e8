#include "logo/logo.h"

#include <cstdio>

#include "logo/logo_variants.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {

constexpr int kGrey = 0x808080;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
constexpr int kLogoPathBytes = 4096;
// Where an installation keeps the pictures: <prefix>/share/<this>.
constexpr const char *kInstalledFolder = "orvelle";

// The three styles differ in their colours only.
int ShowInfoText(int panel, const char *text, int left, int top, int size, int textColor,
                 int background)
{
    const int id = NewCtrl(panel, CTRL_TEXT_MSG, "", top, left);
    if (id < 0)
        return id;
    SetCtrlAttribute(panel, id, ATTR_TEXT_FONT, VAL_APP_META_FONT);
    SetCtrlAttribute(panel, id, ATTR_TEXT_BGCOLOR, background);
    SetCtrlAttribute(panel, id, ATTR_TEXT_COLOR, textColor);
    SetCtrlAttribute(panel, id, ATTR_TEXT_POINT_SIZE, size);
    SetCtrlVal(panel, id, text);
    return id;
}

// The bitmap beside the program, else in the installation's shared folder.
// When neither has it, the name beside the program is given all the same.
void BitmapPath(const char *name, char (&path)[kLogoPathBytes])
{
    char dir[kLogoPathBytes] = "";
    GetProjectDir(dir);
    std::snprintf(path, sizeof path, "%s%s%s", dir, PathSeparator(), name);
    long size = 0;
    if (GetFileInfo(path, &size) == 1)
        return;
    char shared[kLogoPathBytes];
    if (GetInstalledDataDir(kInstalledFolder, shared) < 0)
        return;
    char other[kLogoPathBytes];
    std::snprintf(other, sizeof other, "%s%s%s", shared, PathSeparator(), name);
    if (GetFileInfo(other, &size) == 1)
        std::snprintf(path, sizeof path, "%s", other);
}

}  // namespace

int ShowInfoText1(int panel, int /*control*/, const char *text, int left, int top, int size)
{
    return ShowInfoText(panel, text, left, top, size, kGrey, kWhite);
}

int ShowInfoText2(int panel, int /*control*/, const char *text, int left, int top, int size)
{
    return ShowInfoText(panel, text, left, top, size, kBlack, kWhite);
}

int ShowInfoText3(int panel, int /*control*/, const char *text, int left, int top, int size)
{
    return ShowInfoText(panel, text, left, top, size, kWhite, VAL_TRANSPARENT);
}

void ShowLogo(const LogoControls &where, int variant)
{
    const LogoVariant *v = FindLogoVariant(variant);
    if (!v)
        return;
    SetCtrlAttribute(where.panel, where.box, ATTR_FRAME_COLOR, v->bannerColor);
    SetCtrlAttribute(where.panel, where.picture, ATTR_TOP, v->pictureTop);
    SetCtrlAttribute(where.panel, where.picture, ATTR_LEFT, v->pictureLeft);
    if (v->bitmap) {
        char path[kLogoPathBytes];
        BitmapPath(v->bitmap, path);
        DisplayImageFile(where.panel, where.picture, path);
    }
    using Style = int (*)(int, int, const char *, int, int, int);
    constexpr Style kStyles[] = {ShowInfoText1, ShowInfoText2, ShowInfoText3};
    const Style show = kStyles[v->textStyle - 1];
    show(where.panel, 0, v->title.text, v->title.left, v->title.top, v->titleSize);
    for (int i = 0; i < v->numLines; ++i)
        show(where.panel, 0, v->lines[i].text, v->lines[i].left, v->lines[i].top, v->lineSize);
}

}  // namespace orvelle
