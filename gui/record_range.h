// The arithmetic of looking at a part of a record file: which line lies
// nearest to a time, which lines a time range holds, and writing those
// lines as a record file of their own. Panel-free.
#pragma once

#include <cstddef>

#include "gui/record_reader.h"

namespace orvelle {

// The line whose x is nearest to x (the earlier of two equally near ones);
// data must hold a line. Binary search when x ascends, else a scan.
std::size_t NearestLine(const RecordData &data, double x);

// The lines with lo <= x <= hi.
struct LineSpan {
    std::size_t first = 0;  // first such line (ascending x: they follow one another)
    std::size_t count = 0;
};
LineSpan VisibleLines(const RecordData &data, double lo, double hi);

// Writes the header and every line with lo <= x <= hi, in file order, to
// path, replacing the file whole: a write that fails part-way leaves the
// old file as it was. *written receives the lines written. Returns 0, or a
// negative code (kFmtCannotOpen, kFmtIOError) with the system's text in reason.
int WriteRecordRange(const char *path, const RecordData &data, double lo, double hi,
                     std::size_t *written, char *reason, std::size_t reasonSize);

}  // namespace orvelle
