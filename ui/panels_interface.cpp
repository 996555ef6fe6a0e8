// The interface panel: transport, COM port or server and port, the connection
// trial, accept and discard, the sensor identification, the status line and
// below it the last failure's own reason.
// The COM port selector and the server field share a row: only one is shown,
// according to the transport, and the resource starts with TCP/IP.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"
#include "ui/work_area_grid.h"

namespace {

using namespace work_area;


constexpr int kProtocolTop = 26;
constexpr int kLinkTop = 80;         // COM port, or the server
constexpr int kPortTop = 134;
constexpr int kTryTop = 176, kAcceptTop = 212;
constexpr int kIdTop = 272, kStatusTop = 326;
constexpr int kReasonTop = 368, kReasonHeight = 38;  // two lines
constexpr int kLogTop = 412, kLogHeight = 26;

// The server text box becomes a combo box at start-up; its drop-down button
// (a square of the box's height) and frame go to its left, so the frame's
// left edge lines up with the other controls.
constexpr int kComboButton = kCtrlHeight;
constexpr int kServerLeft = kColL + kComboButton;
constexpr int kServerWidth = kFullWidth - kComboButton;

constexpr int kTextMax = 99;         // a server history entry holds 99 characters
constexpr int kPortTextMax = 31;
constexpr int kComPorts = 32;

constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;

const ListItemDesc kProtocolItems[] = {
    {"RS-232", 0},
    {"TCP/IP", 1},
};

const ListItemDesc kComPortItems[kComPorts] = {
    {"COM1", 1},   {"COM2", 2},   {"COM3", 3},   {"COM4", 4},   {"COM5", 5},
    {"COM6", 6},   {"COM7", 7},   {"COM8", 8},   {"COM9", 9},   {"COM10", 10},
    {"COM11", 11}, {"COM12", 12}, {"COM13", 13}, {"COM14", 14}, {"COM15", 15},
    {"COM16", 16}, {"COM17", 17}, {"COM18", 18}, {"COM19", 19}, {"COM20", 20},
    {"COM21", 21}, {"COM22", 22}, {"COM23", 23}, {"COM24", 24}, {"COM25", 25},
    {"COM26", 26}, {"COM27", 27}, {"COM28", 28}, {"COM29", 29}, {"COM30", 30},
    {"COM31", 31}, {"COM32", 32},
};

const CtrlDesc kCtrls[] = {
    {.id = INTERFACEP_EditCommunicationProtocol, .kind = CTRL_RING,
     .name = "EditCommunicationProtocol", .label = "PROTOCOL", .top = kProtocolTop,
     .left = kColL, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditCommunicationProtocol", .dataType = kU16, .initial = 1,
     .items = kProtocolItems, .numItems = 2},

    {.id = INTERFACEP_EditSelectComPort, .kind = CTRL_RING, .name = "EditSelectComPort",
     .label = "COM PORT", .top = kLinkTop, .left = kColL, .width = kFullWidth,
     .height = kCtrlHeight, .callback = "CBF_EditSelectComPort", .dataType = kU16,
     .initial = 1, .items = kComPortItems, .numItems = kComPorts, .visible = 0},
    {.id = INTERFACEP_StringIpAdress, .kind = CTRL_STRING, .name = "StringIpAdress",
     .label = "SERVER", .top = kLinkTop, .left = kServerLeft, .width = kServerWidth,
     .height = kCtrlHeight, .callback = "CBF_StringIpAdress", .dataType = VAL_STRING,
     .initialText = "127.0.0.1", .maxEntryLength = kTextMax},
    {.id = INTERFACEP_StringPortNumber, .kind = CTRL_STRING, .name = "StringPortNumber",
     .label = "PORT", .top = kPortTop, .left = kColL, .width = kColWidth,
     .height = kCtrlHeight, .callback = "CBF_StringPortNumber", .dataType = VAL_STRING,
     .initialText = "5000", .maxEntryLength = kPortTextMax},

    {.id = INTERFACEP_ButtonTryToConnect, .kind = CTRL_COMMAND_BUTTON,
     .name = "ButtonTryToConnect", .label = "TRY TO CONNECT", .top = kTryTop, .left = kColL,
     .width = kFullWidth, .height = kButtonHeight, .callback = "CBF_ButtonTryToConnect",
     .color = kButtonGrey},
    {.id = INTERFACEP_ButtonAccept, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonAccept",
     .label = "ACCEPT", .top = kAcceptTop, .left = kColL, .width = kColWidth,
     .height = kButtonHeight, .callback = "CBF_ButtonAccept", .color = kButtonGrey},
    {.id = INTERFACEP_ButtonDiscard, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonDiscard",
     .label = "DISCARD", .top = kAcceptTop, .left = kColR, .width = kColWidth,
     .height = kButtonHeight, .callback = "CBF_ButtonDiscard", .color = kButtonGrey},

    {.id = INTERFACEP_EditID, .kind = CTRL_STRING, .name = "EditID", .label = "SENSOR ID",
     .top = kIdTop, .left = kColL, .width = kFullWidth, .height = kCtrlHeight,
     .callback = "CBF_EditID", .dataType = VAL_STRING, .initialText = "",
     .maxEntryLength = kTextMax},
    {.id = INTERFACEP_DispStatus, .kind = CTRL_STRING, .name = "DispStatus", .label = "STATUS",
     .top = kStatusTop, .left = kColL, .width = kFullWidth, .height = kCtrlHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .mode = VAL_INDICATOR},
    {.id = INTERFACEP_DispReason, .kind = CTRL_TEXT_BOX, .name = "DispReason",
     .label = "LAST FAILURE", .top = kReasonTop, .left = kColL, .width = kFullWidth,
     .height = kReasonHeight, .callback = nullptr, .dataType = VAL_STRING, .initialText = "",
     .mode = VAL_INDICATOR},
    {.id = INTERFACEP_ButtonLinkLog, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonLinkLog",
     .label = "LINK LOG  F8", .top = kLogTop, .left = kColL, .width = kFullWidth,
     .height = kLogHeight, .callback = "CBF_ButtonLinkLog", .color = kButtonGrey},
};

}  // namespace

extern const PanelDesc kInterfacePanelDesc = {
    .resourceId = INTERFACEP, .name = "INTERFACEP", .title = "INTERFACE",
    .top = 119, .left = 8, .width = kWidth, .height = kHeight,
    .callback = "CBF_INTERFACEP", .ctrls = kCtrls,
    .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
