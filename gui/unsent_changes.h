// Changes on the parameter panel and the teach table that the sensor does
// not have yet: marked on the panel and its work-area button, and asked
// about once before a read would replace them.
#pragma once

#include <cstddef>

#include "app/state.h"

namespace orvelle {

// After a complete read (sensor or file): what the panels now show is in
// sync and the marks go.
void TakeShownSet();
// After a successful send (sensor or file): image, in file order, is what
// was sent. An edit made while it was being sent stays marked.
void TakeSentSet(const word *image);
// After an operator's edit: marks each panel that differs from the set last
// read or sent (unsentPara, unsentTeach), on the panel and on its button.
void UpdateUnsentMarks();
// Before a read that would replace the panels: with unsent changes, asks
// once, naming them, what replaces them (`replacing`, e.g. "GET from EEPROM
// reads the sensor's values") and what no does (`noKeeps`), and returns the
// answer (1 yes, go on; 0 no, leave the panels). Without unsent changes
// returns 1 and asks nothing.
int AskBeforeReplacingUnsent(const char *replacing, const char *noKeeps);
// A connection made without reading the sensor's set, so as to keep unsent
// changes: the transfer line says so and names them.
void ReportSetNotRead();
// A short list of what is unsent, for the status line: "PARAMETER: POWER;
// TEACH TABLE: row 5". "" when nothing is.
void DescribeUnsent(char *text, std::size_t size);

}  // namespace orvelle
