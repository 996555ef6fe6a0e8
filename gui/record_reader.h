// Reading a record file back: an optional header line, then one line per
// recorded frame, CR LF or LF. Panel-free, so the window and the command
// line read the same way. The file is only read, never changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/record_file.h"

namespace orvelle {

// A data line of the writer is at most 69 bytes; one padded to the field
// width of 11 is 109. Anything longer is no record line.
constexpr int kRecordLineLimit = 160;
// Lines kept of one file (24 bytes each); the rest of a longer file is left out.
constexpr std::size_t kRecordMaxLines = 10000000;
constexpr int kSecondsPerDay = 86400;

// Results of ReadRecordFile.
constexpr int kRecordCannotOpen = -1;   // missing, no permission, ...
constexpr int kRecordNotAFile = -2;     // a folder, a FIFO, a device
constexpr int kRecordReadFailed = -3;   // an I/O error part-way
constexpr int kRecordNoMemory = -4;

enum class RecordLineKind { Data, Header, Blank, Bad };

// One data line: its date and time as seconds counted from 01-01-1970
// 00:00:00 on the same clock (the PC's local time, no zone applied), and
// the eight values in the order of the columns.
struct RecordLine {
    std::int64_t seconds = 0;
    word values[kRecordValues] = {};
};

// A record file in memory, one column per quantity: 24 bytes per line.
struct RecordData {
    // Per line, in file order: its seconds, and the lines that share one
    // second spread evenly over it (k of n at k/n), so that a recording of
    // 20 frames/s draws as a curve and not as steps.
    std::vector<double> x;
    std::vector<word> values[kRecordValues];  // CH_L CH_C CH_R DENS SYM1 SYM2 VECTOR TEMP
    // File line numbers (from 1) of the lines that hold no data, ascending:
    // headers and blank lines, and of those the lines that are not record lines.
    std::vector<std::uint32_t> skipped;
    std::vector<std::uint32_t> bad;
    bool ascending = true;   // x never decreases (the clock was never set back)
    bool truncated = false;  // the file has more than kRecordMaxLines lines

    std::size_t lines() const { return x.size(); }
};

// Reads one line (without its line end; a CR before it is removed by the
// caller). A data line is "MM-DD-YYYY", tab, "HH:MM:SS", tab, eight values
// of 0 to 65535 separated by tabs; blanks around a value and one tab at the
// end are taken, as other writers pad the columns. A real calendar date and
// a time of the clock are required. The header is the ten column names.
// out is written for a data line only.
RecordLineKind ParseRecordLine(const char *text, std::size_t length, RecordLine *out);

// Seconds from 01-01-1970 of a calendar date and time, and back.
std::int64_t RecordSeconds(int year, int month, int day, int hour, int minute, int second);
// Date "MM-DD-YYYY" and time "HH:MM:SS" of whole seconds, each terminated
// (11 and 9 bytes). Years beyond 9999 or before 0 give "??-??-????".
void RecordDateTime(std::int64_t seconds, char date[kRecordDateChars + 1],
                    char time[kRecordTimeChars + 1]);

// Reads the file at path into out. A FIFO, device or folder is refused
// without waiting on it (fmtio::OpenRegular). Lines that are not record lines are counted and
// left out, never an error. Returns 0, or a negative code above with
// reason holding the system's text (reasonSize bytes, terminated); out is
// replaced on success only.
int ReadRecordFile(const char *path, RecordData *out, char *reason, std::size_t reasonSize);

// The file line number (from 1) of data line i (< lines()).
std::uint32_t RecordFileLine(const RecordData &data, std::size_t i);

}  // namespace orvelle
