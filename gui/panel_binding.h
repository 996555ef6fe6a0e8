// Binding of the parameter panel and the teach table to the parameter set,
// and the panel state that depends on it.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr int kRowLabelChecked = 0x008000;    // rows the sensor checks
constexpr int kRowLabelUnchecked = 0xFF0000;  // rows it does not

// Panels to variables: the ten parameter controls, then the 31 x 6 cells.
void GetPanelValues();
// Variables to panels, in the same order; values only, no events.
void SetPanelValues();
// The set as the panels show it, in file order: the ten parameter controls,
// the spare words as the variables hold them, the 31 x 6 cells. Only reads
// the controls; no variable changes.
void PanelSetImage(word (&image)[kSetWords]);
// Evaluation mode: present-maximum displays; then InitExteach, InitTrigger,
// the vector-count warning and the row-label colours.
void InitEval();
// External teach on forces the trigger mode to CONT and dims it.
void InitExteach();
// A trigger mode other than CONT forces external teach off and dims it, and
// shows the trigger-state display.
void InitTrigger();
// The channel mode has no dependent state; kept as the hook after every read.
void InitChannelMode();
// Warns when more vectors are enabled than a DIRECT output mode can signal.
void CheckVectorCount();
// Colours the teach-table row labels by whether the sensor checks the row.
void ColourTeachRows();

}  // namespace orvelle
