// Internal to the platform layer: how the run-time's functions reach the
// widgets behind panel handles and control ids.
#pragma once

#include <QWidget>

namespace plat {

// The widget of a panel, nullptr when the handle is not valid.
QWidget *panelWidget(int panel);
// The widget of a control, nullptr when panel or control is not valid.
QWidget *ctrlWidget(int panel, int control);
// 0 when the control exists, else UIEHandleInvalid or UIEInvalidControlId.
int checkCtrl(int panel, int control);
// The control's CtrlKind, or a negative code.
int ctrlKind(int panel, int control);
// Sends an event to the control's (control 0: the panel's) callback, as the
// widget does when the operator acts. Returns the callback's result (0 when
// there is none).
int dispatch(int panel, int control, int event, int eventData1, int eventData2);

}  // namespace plat
