// The record file: a header line naming the columns, then one line per
// recorded frame, tab-separated, CR LF, appended with the file opened and
// closed again each time.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr int kRecordValues = 8;      // CH_L CH_C CH_R DENS SYM1 SYM2 VECTOR TEMP
constexpr int kRecordDateChars = 10;  // MM-DD-YYYY
constexpr int kRecordTimeChars = 8;   // HH:MM:SS
constexpr int kRecordLineBytes = 96;  // a data line is at most 69 bytes
// 52 characters, each name followed by a tab, then CR LF.
constexpr char kRecordHeader[] =
    "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP\t\r\n";
constexpr char kRecordFileName[] = "record.dat";  // the name the file dialog proposes

// Formats one data line into line (size bytes, terminated): date, tab, time,
// tab, the eight values as plain decimal numbers separated by single tabs,
// CR LF. At most 10 characters of date and 8 of time are taken; a control
// character in them (a tab, a line end) becomes '?', so the columns always
// hold. Returns the line's length, or -1 when size is too small.
int FormatRecordLine(const word values[kRecordValues], const char *date, const char *time,
                     char *line, int size);

// Appends the header line to file_name (creating the file). 0, or a
// negative code when nothing could be written.
int WriteFileHeader();
// Appends the line of the current measurement variables, with the PC's date
// and time now, to file_name (creating the file) in one write: the line is
// either in the file whole or not at all. 0, or a negative code.
int ToFile();

}  // namespace orvelle
