// Shared inside the combo box module: the two callbacks that carry the
// combo box's events, the autocompletion flag and the UTF-8 helpers.
#pragma once

#include <cstddef>

#include "combobox/combobox.h"

// The text box's callback: completion, keys, then the owner's callback.
int StringDataToRing(int panel, int control, int event, void *callbackData, int eventData1,
                     int eventData2);
// The list button's callback: a chosen entry goes into the text box and
// reaches the owner as a commit of the text box.
int RingDataToString(int panel, int control, int event, void *callbackData, int eventData1,
                     int eventData2);

// Shared by every combo box: key presses arm and disarm it, and the next
// value change of any text box completes only while it is armed.
extern int comboAutocompleteArmed;

// The length of the longest start of text, at most maxBytes, that does not
// end inside a UTF-8 sequence.
std::size_t Utf8Cut(const char *text, std::size_t maxBytes);
// Characters (UTF-16 units, as the text box counts them) in the first
// bytes of text.
int Utf8Units(const char *text, std::size_t bytes);
