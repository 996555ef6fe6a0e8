// The link log window: a resource of its own beside the program's eight
// panels, registered under the name "LinkLog.uir".
#pragma once

constexpr const char *kLinkLogUirFile = "LinkLog.uir";

enum LinkLogPanelId : int {
    LINKLOGP = 1,
};

enum LinklogpCtrl : int {
    LINKLOGP_LogText = 2,       // the lines, newest at the bottom
    LINKLOGP_DispRequests,      // counters since start
    LINKLOGP_DispReplies,
    LINKLOGP_DispTimeouts,
    LINKLOGP_DispEchoErrors,
    LINKLOGP_DispFrameRate,     // complete frames per second, now
    LINKLOGP_ButtonPauseLog,    // toggle: the view stands still, lines are still kept
    LINKLOGP_ButtonSaveLog,     // the kept lines to a text file
    LINKLOGP_LogTimer,          // brings new lines and counters into view
};

struct PanelDesc;
// The panel's description.
const PanelDesc *LinkLogPanel();
// Registers the panel under kLinkLogUirFile; safe to call again.
void RegisterLinkLogResource();
