// The server history behind the server field: the combo box's entries,
// most recently used first, kept in "IPComboBox.cfg" (entries of 100 bytes,
// the text padded with NUL bytes, one per line).
#pragma once

namespace orvelle {

constexpr int kHistoryEntryBytes = 100;  // one entry in the file, NUL padding included
constexpr int kHistoryMaxEntries = 10;
constexpr int kHistoryEntryMaxText = kHistoryEntryBytes - 1;  // room for the terminator

// Turns the server field into a combo box with the light grey frame and
// fills its list from ipComboBoxFileName: the entry count is the file size
// divided by 101 (at most 10 are read), empty entries are left out, and so
// is a line with control bytes in its text or anything but NUL bytes after
// it (a file that is no history loads nothing). A missing or unreadable
// file leaves the list empty.
void InitServerHistory();
// The server field was committed: its text goes into ipBuf and to the top of
// the list (once; the oldest beyond 10 falls off), and the file is rewritten
// whole. A text longer than an entry can hold (possible only with characters
// of several bytes) changes neither the list nor the file, so that no entry
// ever reads back as something else. Returns 0, or -1 when the file could
// not be written (the old file then stays as it was); the first failure of
// a run says so in a popup ("ATTENTION!"), later ones keep quiet.
int UpdateServerHistory();

}  // namespace orvelle
