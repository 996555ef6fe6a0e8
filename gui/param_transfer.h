// The window's parameter transfers with the sensor: the panels' set written
// into it, and its set read into the panels. The exchanges themselves are
// com232/set_transfer.h, shared with orvelle-cli.
#pragma once

#include "com232/set_transfer.h"

namespace orvelle {

// Panels to sensor: the panels' set (GetPanelValues) through WriteParaSet,
// to the EEPROM as well when the target is EEPROM. A confirmed write is what
// the panels have in step with the sensor (TakeSentSet).
void SendPara();
// Sensor to panels: the set through ReadParaSet (from the EEPROM when the
// source is EEPROM) into the variables; the panels are refreshed only when
// every row arrived, and the marks of unsent changes then go. A read that
// ends early leaves in the variables what had arrived so far.
void GetPara();

}  // namespace orvelle
