// The main window: banner, the four work-area selector buttons, the transfer
// target selector, the transfer and polling buttons, and across the bottom
// the line that tells what the last transfer did. The work area
// (119, 8) and the data panel (63, 288) are filled by child panels, so this
// panel's own controls sit above and below the work area only.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 730;

// Banner strip across the top; the logo module draws into it at start-up.
constexpr int kBannerHeight = 58;
constexpr int kBannerColor = 0x0080FF;
constexpr int kPictureTop = 6, kPictureLeft = 325, kPictureWidth = 180, kPictureHeight = 22;

// Selector buttons between the banner and the work area (63 .. 110), two
// by two so that the captions need no smaller font.
constexpr int kSelTop1 = 63, kSelTop2 = 87, kSelHeight = 23;

// Two columns across the work area's width; below the work area (its
// panels end at 119 + 445 = 564) the target selector and the four keys.
constexpr int kColL = 8, kColR = 147, kHalfWidth = 133;
constexpr int kTargetTop = 572, kTargetHeight = 28, kTargetWidth = 87, kTargetStep = 92;
constexpr int kSendTop = 608, kGoTop = 654, kBigHeight = 40;

// Below the keys and the data panel (both end at 694), across the window:
// the transfer line, and at its right end the key to the link log.
constexpr int kTransferTop = 702, kTransferHeight = 22;
constexpr int kLogButtonWidth = 120, kLogButtonLeft = kWidth - kColL - kLogButtonWidth;

constexpr int kButtonGrey = 0xE0E0E0;

const CtrlDesc kCtrls[] = {
    {.id = MAINP_LogoBox, .kind = CTRL_DECORATION, .name = "LogoBox", .label = "",
     .top = 0, .left = 0, .width = kWidth, .height = kBannerHeight, .callback = nullptr,
     .color = kBannerColor},
    {.id = MAINP_LogoPicture, .kind = CTRL_PICTURE, .name = "LogoPicture", .label = "",
     .top = kPictureTop, .left = kPictureLeft, .width = kPictureWidth, .height = kPictureHeight,
     .callback = nullptr},

    {.id = MAINP_ButtonConnect, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonConnect",
     .label = "INTERFACE", .top = kSelTop1, .left = kColL, .width = kHalfWidth,
     .height = kSelHeight, .callback = "CBF_ButtonConnect", .color = kButtonGrey},
    {.id = MAINP_ButtonPara, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonPara",
     .label = "PARAMETER", .top = kSelTop1, .left = kColR, .width = kHalfWidth,
     .height = kSelHeight, .callback = "CBF_ButtonPara", .color = kButtonGrey},
    {.id = MAINP_ButtonTeachTable, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonTeachTable",
     .label = "TEACH TABLE", .top = kSelTop2, .left = kColL, .width = kHalfWidth,
     .height = kSelHeight, .callback = "CBF_ButtonTeachTable", .color = kButtonGrey},
    {.id = MAINP_ButtonRecorder, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonRecorder",
     .label = "RECORDER", .top = kSelTop2, .left = kColR, .width = kHalfWidth,
     .height = kSelHeight, .callback = "CBF_ButtonRecorder", .color = kButtonGrey},

    // Transfer target: three toggle buttons acting as one radio group, RAM on.
    {.id = MAINP_SelectRAM, .kind = CTRL_TOGGLE_BUTTON, .name = "SelectRAM", .label = "RAM",
     .top = kTargetTop, .left = kColL, .width = kTargetWidth, .height = kTargetHeight,
     .callback = "CBF_SelectRAM", .initial = 1, .color = kButtonGrey},
    {.id = MAINP_SelectEEPROM, .kind = CTRL_TOGGLE_BUTTON, .name = "SelectEEPROM",
     .label = "EEPROM", .top = kTargetTop, .left = kColL + kTargetStep, .width = kTargetWidth,
     .height = kTargetHeight, .callback = "CBF_SelectEEPROM", .color = kButtonGrey},
    {.id = MAINP_SelectFILE, .kind = CTRL_TOGGLE_BUTTON, .name = "SelectFILE", .label = "FILE",
     .top = kTargetTop, .left = kColL + 2 * kTargetStep, .width = kTargetWidth,
     .height = kTargetHeight, .callback = "CBF_SelectFILE", .color = kButtonGrey},

    {.id = MAINP_ButtonSend, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonSend",
     .label = "SEND  F9", .top = kSendTop, .left = kColL, .width = kHalfWidth,
     .height = kBigHeight, .callback = "CBF_ButtonSend", .shortcutKey = VAL_F9_VKEY,
     .color = kButtonGrey},
    {.id = MAINP_ButtonGet, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonGet",
     .label = "GET  F10", .top = kSendTop, .left = kColR, .width = kHalfWidth,
     .height = kBigHeight, .callback = "CBF_ButtonGet", .shortcutKey = VAL_F10_VKEY,
     .color = kButtonGrey},
    {.id = MAINP_ButtonGo, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonGo", .label = "GO  F11",
     .top = kGoTop, .left = kColL, .width = kHalfWidth, .height = kBigHeight,
     .callback = "CBF_ButtonGo", .shortcutKey = VAL_F11_VKEY, .color = kButtonGrey},
    {.id = MAINP_ButtonStop, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonStop",
     .label = "STOP  F12", .top = kGoTop, .left = kColR, .width = kHalfWidth,
     .height = kBigHeight, .callback = "CBF_ButtonStop", .shortcutKey = VAL_F12_VKEY,
     .color = kButtonGrey},

    {.id = MAINP_TransferStatus, .kind = CTRL_STRING, .name = "TransferStatus", .label = "",
     .top = kTransferTop, .left = kColL, .width = kLogButtonLeft - 6 - kColL,
     .height = kTransferHeight, .callback = nullptr, .dataType = VAL_STRING, .initialText = "",
     .mode = VAL_INDICATOR},
    {.id = MAINP_ButtonLinkLog, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonLinkLog",
     .label = "LINK LOG  F8", .top = kTransferTop, .left = kLogButtonLeft,
     .width = kLogButtonWidth, .height = kTransferHeight, .callback = "CBF_ButtonLinkLog",
     .shortcutKey = VAL_F8_VKEY, .color = kButtonGrey},
};

}  // namespace

extern const PanelDesc kMainPanelDesc = {
    .resourceId = MAINP, .name = "MAINP", .title = "ORVELLE V3.1",
    .top = 40, .left = 40, .width = kWidth, .height = kHeight,
    .callback = "CBF_MAINP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
    .sizable = 1, .scaleContents = 1,
};
