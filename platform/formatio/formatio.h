// Formatting and file services of the run-time, under their published names.
// ASCII files are written with CR LF line ends; reading accepts CR LF and LF.
// Numbers are never formatted by the operator's locale.
#pragma once

#include <cstddef>

#include "platform/formatio/value_types.h"

constexpr int VAL_READ_WRITE = 0;
constexpr int VAL_READ_ONLY = 1;
constexpr int VAL_WRITE_ONLY = 2;
constexpr int VAL_TRUNCATE = 0;
constexpr int VAL_APPEND = 1;
constexpr int VAL_OPEN_AS_IS = 2;
constexpr int VAL_BINARY = 0;
constexpr int VAL_ASCII = 1;
constexpr int VAL_GROUPS_TOGETHER = 0;
constexpr int VAL_DATA_MULTIPLIER = 1;
constexpr int VAL_GROUPS_AS_COLUMNS = 0;
constexpr int VAL_GROUPS_AS_ROWS = 1;
constexpr int VAL_SEP_BY_COMMA = 0;
constexpr int VAL_SEP_BY_TAB = 1;
constexpr int VAL_CONST_WIDTH = 2;  // fields padded to the field width, one group per line

// Result codes.
constexpr int kFmtIOError = -1;        // ReadLine: error
constexpr int kFmtEndOfFile = -2;      // ReadLine: end of file reached before any byte
constexpr int kFmtBadFormat = -3;      // FileToArray: a field is not a number, or too few
constexpr int kFmtCannotOpen = -4;
constexpr int kFmtValueOutOfRange = -5;  // FileToArray: a value does not fit the type
constexpr int kFmtNotAFile = -6;         // a folder, FIFO or device where a file belongs

// Fmt: only the forms this program uses. "%s<%i" formats an integer,
// "%s<%s" copies a text; the target is always terminated within its size.
int Fmt(char *target, std::size_t size, const char *format, int value);
int Fmt(char *target, std::size_t size, const char *format, const char *value);
template <std::size_t N> int Fmt(char (&target)[N], const char *format, int value)
{
    return Fmt(target, N, format, value);
}
template <std::size_t N> int Fmt(char (&target)[N], const char *format, const char *value)
{
    return Fmt(target, N, format, value);
}

// Returns a file handle (> 0) or a negative code. Only regular files are
// opened, and never with a wait: a FIFO, device or folder gives
// kFmtCannotOpen. Writing with VAL_TRUNCATE refuses a file the user may not
// write, follows symbolic links and keeps the file's mode (see ArrayToFile).
int OpenFile(const char *fileName, int readWriteMode, int action, int fileType);
int CloseFile(int fileHandle);
// Reads one line without its line end; at most maxBytes bytes are kept (the
// rest of a longer line is skipped) and the buffer is terminated, so it must
// hold maxBytes + 1. Returns the bytes kept, kFmtEndOfFile or kFmtIOError.
int ReadLine(int fileHandle, char *lineBuffer, int maxBytes);
// Writes numberOfBytes bytes (-1: up to the terminator) and the line end.
int WriteLine(int fileHandle, const char *lineBuffer, int numberOfBytes);
int WriteFile(int fileHandle, const char *buffer, int numberOfBytes);

// Writes numberOfElements values of dataType. VAL_CONST_WIDTH puts one value
// per line, right-aligned in fieldWidth characters; VAL_SEP_BY_TAB puts
// numberOfGroups rows of values separated by tabs, digits only (fieldWidth
// counts for VAL_CONST_WIDTH alone). VAL_TRUNCATE replaces the file as a
// whole: a write that fails half-way leaves the old file as it was. It
// refuses (kFmtCannotOpen) a file the user may not write or one that is no
// regular file, replaces the file a symbolic link points to, and keeps the
// mode (and the owner where the system allows). Where the folder takes no
// new file, a writable file is written in place and flushed; a failure
// part-way is then reported.
int ArrayToFile(const char *fileName, const void *array, int dataType, int numberOfElements,
                int numberOfGroups, int dataGroupOrder, int dataLayout, int separator,
                int fieldWidth, int fileType, int fileAction);
// The text ArrayToFile writes for VAL_ASCII, into text (size bytes,
// terminated), for a caller that sends it elsewhere than into a file.
// Returns its length, or kFmtBadFormat (bad type or shape, or no room).
int ArrayToText(const void *array, int dataType, int numberOfElements, int numberOfGroups,
                int dataGroupOrder, int separator, int fieldWidth, char *text, std::size_t size);
// Reads numberOfElements numbers separated by blanks, tabs, commas or line
// ends. Fills nothing and returns kFmtBadFormat, kFmtValueOutOfRange or
// kFmtCannotOpen when the file does not hold that many valid values.
int FileToArray(const char *fileName, void *array, int dataType, int numberOfElements,
                int numberOfGroups, int dataGroupOrder, int dataLayout, int fileType);

// Appends numberOfBytes bytes to fileName (created when missing) with the
// file opened and closed again. The bytes go in whole or not at all: a write
// that fails part-way (disk full, size limit) is cut off again. Returns 0,
// kFmtCannotOpen or kFmtIOError.
int AppendToFile(const char *fileName, const char *bytes, int numberOfBytes);

// 1 and the size when the file exists, 0 when it does not, negative on error.
int GetFileInfo(const char *fileName, long *fileSize);
int DeleteFile(const char *fileName);
// Gives existingFileName the name newFileName, replacing a regular file of
// that name. Returns 0, kFmtNotAFile when newFileName is a folder or other
// non-file, or kFmtIOError.
int RenameFile(const char *existingFileName, const char *newFileName);
// Whether fileName can be used without waiting on it: 0 for a regular file
// the user may read (forWriting 0) or write (forWriting 1), and, for
// writing, for a name whose folder takes a new file; kFmtNotAFile for a
// folder, FIFO or device; kFmtCannotOpen otherwise.
int CheckFileAccess(const char *fileName, int forWriting);
