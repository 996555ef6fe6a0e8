// The parameter file: the 202 words of a set image, one per line in a
// five-character column, CR LF. Panel-free: the window saves and loads its
// panels' set through it, orvelle-cli its reads, writes and backups.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr int kParamFileFieldWidth = 5;
constexpr int kParamFileBytes = 7 * kSetWords + 1;  // "  800\r\n" per word, terminator

// Replaces the file at path whole with image (anzpara words): a write that
// fails leaves an earlier file of that name as it was. 0, or a negative code
// of ArrayToFile.
int WriteParamFile(const char *path, const word *image);
// The bytes WriteParamFile writes, into text (kParamFileBytes at least,
// terminated). Returns their count, or a negative code.
int FormatParamFile(const word *image, char *text, int size);
// Reads a parameter file into image (anzpara words). Only a file of exactly
// anzpara values 0 to 65535, one per line (blanks on either side, CR LF or
// LF), is taken. Returns 0; or kFmtCannotOpen, kFmtValueOutOfRange,
// kFmtBadFormat or another negative code of FileToArray, with image as it was.
int ReadParamFile(const char *path, word *image);
// The sentence that says why ReadParamFile refused a file.
const char *ParamFileProblem(int code);

}  // namespace orvelle
