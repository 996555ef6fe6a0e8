// Opening and replacing files by the run-time's mode and action codes; shared
// by the file handle functions (formatio.cpp) and the array reader and writer.
#pragma once

#include <cstdio>
#include <string>

namespace fmtio {

// Opens fileName for VAL_READ_ONLY / VAL_WRITE_ONLY / VAL_READ_WRITE with
// VAL_TRUNCATE / VAL_APPEND / VAL_OPEN_AS_IS (ignored when reading only).
// Files opened for writing are created when missing. nullptr on failure.
std::FILE *OpenStream(const char *fileName, int readWriteMode, int action);

// Replacing a file whole (format_replace.cpp). CreateReplacement makes an
// empty temporary file beside fileName, with fileName's permissions, and
// returns its descriptor (its name in *tempPath), or -1. CommitReplacement
// closes fd and, when written is true and the bytes reached the disk, puts
// the temporary file in fileName's place; otherwise it removes it and the
// old file stays. WriteAll writes every byte or returns false.
int CreateReplacement(const char *fileName, std::string *tempPath);
bool CommitReplacement(int fd, bool written, const std::string &tempPath, const char *fileName);
bool WriteAll(int fd, const std::string &bytes);

}  // namespace fmtio
