// Opening and replacing files by the run-time's mode and action codes; shared
// by the file handle functions (formatio.cpp) and the array reader and writer.
#pragma once

#include <cstdio>
#include <string>

namespace fmtio {

// Opens fileName with the open(2) flags only when it is a regular file, or,
// with O_CREAT, a name where a new one can be made. A FIFO, device or folder
// is refused (errno EINVAL, or EISDIR for a folder) and no open of it waits:
// the name is looked at first and opened without blocking. Returns a
// descriptor in blocking mode, or -1 with errno set.
int OpenRegular(const char *fileName, int flags);

// Opens fileName for VAL_READ_ONLY / VAL_WRITE_ONLY / VAL_READ_WRITE with
// VAL_TRUNCATE / VAL_APPEND / VAL_OPEN_AS_IS (ignored when reading only),
// through OpenRegular. Files opened for writing are created when missing.
// nullptr on failure.
std::FILE *OpenStream(const char *fileName, int readWriteMode, int action);

// A file being replaced whole (format_replace.cpp).
struct Replacement {
    int fd = -1;
    std::string target;  // the file that gets the new bytes: symbolic links followed
    std::string temp;    // the temporary file beside it; empty when writing in place
};

// Prepares the replacement of fileName. Refuses (false, errno set) a name
// that is no regular file or that the user may not write. Normally the bytes
// go to a new temporary file beside the target, with the target's mode and,
// where the system allows, its owner. When the target's folder takes no new
// file but the target itself is writable, they go into the target in place.
bool CreateReplacement(const char *fileName, Replacement *r);
// Ends the replacement: with written true and every byte on disk, the
// temporary file takes the target's place (in place: the file is cut to the
// new length and flushed). Otherwise the temporary file is removed and the
// old file stays; in place, a write that failed part-way is reported all the
// same. Returns whether the new content is the file's.
bool CommitReplacement(Replacement &r, bool written);
// Writes every byte or returns false.
bool WriteAll(int fd, const std::string &bytes);

}  // namespace fmtio
