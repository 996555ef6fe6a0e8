// The left-hand work area of the main panel and the dimming of the controls
// that start a transfer.
#pragma once

namespace orvelle {

constexpr int kWorkInterface = 1;
constexpr int kWorkPara = 2;
constexpr int kWorkTeachTable = 3;
constexpr int kWorkRecorder = 5;
constexpr int kSelectorActiveColor = 0xC0C0C0;
constexpr int kSelectorIdleColor = 0xE0E0E0;

// Shows one child panel in the work area (1 interface, 2 parameters, 3 teach
// table, 5 recorder; anything else leaves it empty) and colours its selector
// button. Showing the interface panel dims its Accept button and refreshes
// its port list.
void ShowChildPanel(int which);
// Dims (1) or undims (0) the twelve controls that start a transfer and the
// four connection settings (protocol, COM port, server, TCP port), then
// processes pending events once so the change is drawn.
void SetButtonsDimmed(int dimmed);

}  // namespace orvelle
