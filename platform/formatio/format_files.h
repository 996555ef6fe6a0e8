// Opening files by the run-time's mode and action codes; shared by the file
// handle functions (formatio.cpp) and the array reader and writer.
#pragma once

#include <cstdio>

namespace fmtio {

// Opens fileName for VAL_READ_ONLY / VAL_WRITE_ONLY / VAL_READ_WRITE with
// VAL_TRUNCATE / VAL_APPEND / VAL_OPEN_AS_IS (ignored when reading only).
// Files opened for writing are created when missing. nullptr on failure.
std::FILE *OpenStream(const char *fileName, int readWriteMode, int action);

}  // namespace fmtio
