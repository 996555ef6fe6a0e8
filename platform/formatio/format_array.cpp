// ArrayToFile and FileToArray: arrays of numbers as text (or raw bytes).
//
// Text layout written:
//   VAL_CONST_WIDTH            one value per line, right-aligned in fieldWidth
//                              (the parameter file: "  800\r\n")
//   VAL_SEP_BY_TAB / _COMMA    numberOfGroups rows, values joined by the
//                              separator, digits only (the record file row
//                              ends "...\t31\r\n"); fieldWidth is not used
//                              there, since padding would only put blanks
//                              into spreadsheet cells.
// Rows are groups whatever dataLayout says. With VAL_GROUPS_TOGETHER group g
// is elements g*m .. g*m+m-1 (m = elements per group); otherwise the groups
// are interleaved (element j of group g is array[j*groups + g]).
// ASCII files end lines with CR LF. Reading takes numbers in the same order,
// separated by any run of blanks, tabs, commas, CR or LF.
#include "platform/formatio/formatio.h"

#include "platform/formatio/format_files.h"
#include "platform/formatio/format_numbers.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr std::size_t kMaxField = 64;   // longer fields are not numbers

// Index into the array of the k-th value in file order.
std::size_t ArrayIndex(std::size_t k, std::size_t groups, std::size_t perGroup, int groupOrder)
{
    if (groupOrder == VAL_GROUPS_TOGETHER || groups == 1)
        return k;
    const std::size_t g = k / perGroup;
    const std::size_t j = k % perGroup;
    return j * groups + g;
}

bool ValidShape(const void *array, int dataType, int numberOfElements, int numberOfGroups)
{
    return array && fmtio::ElementSize(dataType) > 0 && numberOfElements >= 0 && numberOfGroups >= 1
        && numberOfElements % numberOfGroups == 0;
}

// The whole text of the array, in the layout described at the top.
std::string FormatArray(const void *array, int dataType, std::size_t n, std::size_t groups,
                        int groupOrder, int separator, int fieldWidth)
{
    const std::size_t perGroup = n / groups;
    std::string out;
    std::string field;
    for (std::size_t k = 0; k < n; ++k) {
        field.clear();
        fmtio::AppendNumber(field, array, dataType, ArrayIndex(k, groups, perGroup, groupOrder));
        if (separator == VAL_CONST_WIDTH) {
            if (fieldWidth > 0 && field.size() < static_cast<std::size_t>(fieldWidth))
                out.append(static_cast<std::size_t>(fieldWidth) - field.size(), ' ');
            out += field;
            out += kLineEnd;
            continue;
        }
        out += field;
        const bool rowEnds = (k + 1) % perGroup == 0;
        if (rowEnds)
            out += kLineEnd;
        else
            out += separator == VAL_SEP_BY_TAB ? '\t' : ',';
    }
    return out;
}

bool IsSeparator(int c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Reads the next field of the stream into field; false at the end of the file.
// A field longer than kMaxField comes back truncated with tooLong set.
bool NextField(std::FILE *f, std::string &field, bool &tooLong)
{
    field.clear();
    tooLong = false;
    int c;
    while ((c = std::getc(f)) != EOF && IsSeparator(c)) {
    }
    if (c == EOF)
        return false;
    do {
        if (field.size() < kMaxField)
            field += static_cast<char>(c);
        else
            tooLong = true;
    } while ((c = std::getc(f)) != EOF && !IsSeparator(c));
    return true;
}

int ReadText(std::FILE *f, unsigned char *values, int dataType, std::size_t n, std::size_t groups,
             int groupOrder)
{
    const std::size_t perGroup = n / groups;
    std::string field;
    bool tooLong = false;
    for (std::size_t k = 0; k < n; ++k) {
        if (!NextField(f, field, tooLong) || tooLong)
            return kFmtBadFormat;
        const int rc = fmtio::ParseNumber(field, values, dataType, ArrayIndex(k, groups, perGroup, groupOrder));
        if (rc != 0)
            return rc;
    }
    return std::ferror(f) ? kFmtIOError : 0;
}

struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Replaces the file's content as a whole, or leaves the old file as it was.
// (QSaveFile reports a short write as success in Qt 6.4.)
int ReplaceFile(const char *fileName, const std::string &bytes)
{
    fmtio::Replacement r;
    if (!fmtio::CreateReplacement(fileName, &r))
        return kFmtCannotOpen;
    const bool written = fmtio::WriteAll(r.fd, bytes);
    return fmtio::CommitReplacement(r, written) ? 0 : kFmtIOError;
}

}  // namespace

// Writes the array to fileName (fileAction VAL_TRUNCATE, VAL_APPEND or
// VAL_OPEN_AS_IS). VAL_BINARY writes the raw bytes of the elements. Returns 0,
// kFmtCannotOpen, kFmtIOError, or kFmtBadFormat for an unusable type or shape
// (elements not a multiple of the groups).
int ArrayToFile(const char *fileName, const void *array, int dataType, int numberOfElements,
                int numberOfGroups, int dataGroupOrder, int /*dataLayout*/, int separator,
                int fieldWidth, int fileType, int fileAction)
{
    if (!ValidShape(array, dataType, numberOfElements, numberOfGroups))
        return kFmtBadFormat;
    const std::size_t n = static_cast<std::size_t>(numberOfElements);
    std::string bytes;
    if (fileType == VAL_ASCII)
        bytes = FormatArray(array, dataType, n, static_cast<std::size_t>(numberOfGroups), dataGroupOrder,
                            separator, fieldWidth);
    else
        bytes.assign(static_cast<const char *>(array), n * fmtio::ElementSize(dataType));
    if (fileAction == VAL_TRUNCATE)
        return ReplaceFile(fileName, bytes);
    FilePtr f(fmtio::OpenStream(fileName, VAL_WRITE_ONLY, fileAction));
    if (!f)
        return kFmtCannotOpen;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return kFmtIOError;
    return std::fclose(f.release()) == 0 ? 0 : kFmtIOError;
}

// The text ArrayToFile writes for VAL_ASCII, into the caller's buffer
// (terminated). Returns its length, or kFmtBadFormat for an unusable type or
// shape or a buffer too small for it.
int ArrayToText(const void *array, int dataType, int numberOfElements, int numberOfGroups,
                int dataGroupOrder, int separator, int fieldWidth, char *text, std::size_t size)
{
    if (!ValidShape(array, dataType, numberOfElements, numberOfGroups) || !text)
        return kFmtBadFormat;
    const std::string bytes =
        FormatArray(array, dataType, static_cast<std::size_t>(numberOfElements),
                    static_cast<std::size_t>(numberOfGroups), dataGroupOrder, separator, fieldWidth);
    if (bytes.size() >= size)
        return kFmtBadFormat;
    std::memcpy(text, bytes.data(), bytes.size());
    text[bytes.size()] = '\0';
    return static_cast<int>(bytes.size());
}

// Reads numberOfElements values from fileName into the array, in the order
// ArrayToFile writes them; anything after them is ignored. The array changes
// only when every value was read. Returns 0, kFmtCannotOpen, kFmtBadFormat
// (too few values, a field that is not a number of the type, unusable type or
// shape), kFmtValueOutOfRange (a value the type cannot hold) or kFmtIOError.
int FileToArray(const char *fileName, void *array, int dataType, int numberOfElements,
                int numberOfGroups, int dataGroupOrder, int /*dataLayout*/, int fileType)
{
    if (!ValidShape(array, dataType, numberOfElements, numberOfGroups))
        return kFmtBadFormat;
    FilePtr f(fmtio::OpenStream(fileName, VAL_READ_ONLY, VAL_OPEN_AS_IS));
    if (!f)
        return kFmtCannotOpen;
    const std::size_t n = static_cast<std::size_t>(numberOfElements);
    const std::size_t bytes = n * fmtio::ElementSize(dataType);
    std::vector<unsigned char> values(bytes);
    int rc = 0;
    if (fileType == VAL_ASCII)
        rc = ReadText(f.get(), values.data(), dataType, n, static_cast<std::size_t>(numberOfGroups),
                      dataGroupOrder);
    else if (std::fread(values.data(), 1, bytes, f.get()) != bytes)
        rc = std::ferror(f.get()) ? kFmtIOError : kFmtBadFormat;
    if (rc != 0)
        return rc;
    if (bytes > 0)
        std::memcpy(array, values.data(), bytes);
    return 0;
}
