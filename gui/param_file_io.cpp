#include "gui/param_file_io.h"

#include <cstring>

#include "platform/formatio/formatio.h"

namespace orvelle {

namespace {

// Longest line of a parameter file worth reading: a value and its padding.
constexpr int kLineBytes = 80;

// What separates numbers for FileToArray.
bool IsGap(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
}

// Whether the file holds exactly anzpara values with no line holding more
// than one. FileToArray takes the first 202 numbers wherever they stand, so
// a file of another shape would load shifted or cut short without a word.
bool OneValuePerLine(const char *path)
{
    const int file = OpenFile(path, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0)
        return false;
    char line[kLineBytes + 1];
    int values = 0;
    bool fits = true;
    int n = 0;
    while (fits && (n = ReadLine(file, line, kLineBytes)) >= 0) {
        int fields = 0;
        for (int i = 0; i < n; ++i)
            if (!IsGap(line[i]) && (i == 0 || IsGap(line[i - 1])))
                ++fields;
        // A longer line is no padded value either.
        fits = fields <= 1 && n < kLineBytes;
        values += fields;
    }
    CloseFile(file);
    return fits && n == kFmtEndOfFile && values == anzpara;
}

}  // namespace

int WriteParamFile(const char *path, const word *image)
{
    return ArrayToFile(path, image, VAL_UNSIGNED_SHORT_INTEGER, anzpara, 1, VAL_GROUPS_TOGETHER,
                       VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, kParamFileFieldWidth, VAL_ASCII,
                       VAL_TRUNCATE);
}

int FormatParamFile(const word *image, char *text, int size)
{
    if (size <= 0)
        return kFmtBadFormat;
    return ArrayToText(image, VAL_UNSIGNED_SHORT_INTEGER, anzpara, 1, VAL_GROUPS_TOGETHER,
                       VAL_CONST_WIDTH, kParamFileFieldWidth, text, static_cast<std::size_t>(size));
}

int ReadParamFile(const char *path, word *image)
{
    word read[kPpWords];
    const int result = FileToArray(path, read, VAL_UNSIGNED_SHORT_INTEGER, anzpara, 1,
                                   VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_ASCII);
    if (result < 0)
        return result;
    if (!OneValuePerLine(path))
        return kFmtBadFormat;
    std::memcpy(image, read, sizeof(word) * anzpara);
    return 0;
}

const char *ParamFileProblem(int code)
{
    switch (code) {
    case kFmtCannotOpen: return "The file cannot be opened.";
    case kFmtValueOutOfRange: return "It holds a value outside 0 to 65535.";
    case kFmtBadFormat: return "It does not hold 202 numbers, one per line.";
    default: return "The file cannot be read.";
    }
}

}  // namespace orvelle
