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
constexpr char kRecordBackupSuffix[] = ".bak";    // old lines of a file started anew
constexpr int kRecordBackupBytes = kPathBytes + sizeof kRecordBackupSuffix;
// Results of StartRecordFileAt.
constexpr int kRecordNoBackup = -1;  // the old lines could not be moved aside
constexpr int kRecordNoHeader = -2;  // the header could not be written

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
// The line of the current measurement variables with the PC's date and time
// now, as FormatRecordLine writes it. Returns its length, or -1.
int FormatRecordLineNow(char *line, int size);
// Appends the line of the current measurement variables, with the PC's date
// and time now, to file_name (creating the file) in one write: the line is
// either in the file whole or not at all. 0, or a negative code.
int ToFile();

// Starts the record file at path anew with header ("" for none). The lines
// of an existing file (existing 1) are first moved aside to path + ".bak"
// (an older backup goes), named in backup: no answer given by habit costs a
// recording. Returns 0; kRecordNoBackup with the file as it was; or
// kRecordNoHeader with the old file back in its place.
int StartRecordFileAt(const char *path, int existing, const char *header,
                      char (&backup)[kRecordBackupBytes]);

}  // namespace orvelle
