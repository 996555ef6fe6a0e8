// Fmt, in the two forms this program uses: "%s<%i" (an integer as decimal
// text; "%s<%d" is taken as the same) and "%s<%s" (a text copied).
#include "platform/formatio/formatio.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kIntForm = "%s<%i";
constexpr std::string_view kIntFormD = "%s<%d";
constexpr std::string_view kTextForm = "%s<%s";
constexpr std::size_t kIntTextMax = 16;

// Copies as much of text as fits, terminates, returns the bytes copied.
int CopyBounded(char *target, std::size_t size, std::string_view text)
{
    const std::size_t n = text.size() < size ? text.size() : size - 1;
    if (n > 0)
        std::memcpy(target, text.data(), n);
    target[n] = '\0';
    return static_cast<int>(n);
}

bool Usable(char *target, std::size_t size, const char *format)
{
    return target && size > 0 && format;
}

}  // namespace

// Writes value as decimal text (never localised) into target, truncated to
// size - 1 bytes and terminated. Returns the bytes written, or kFmtBadFormat
// for another format (target then empty).
int Fmt(char *target, std::size_t size, const char *format, int value)
{
    if (!Usable(target, size, format))
        return kFmtBadFormat;
    if (format != kIntForm && format != kIntFormD) {
        target[0] = '\0';
        return kFmtBadFormat;
    }
    char text[kIntTextMax];
    const auto r = std::to_chars(text, text + sizeof text, value);
    return CopyBounded(target, size, std::string_view(text, static_cast<std::size_t>(r.ptr - text)));
}

// Copies value into target, truncated to size - 1 bytes and terminated
// (null copies as empty). Returns the bytes written, or kFmtBadFormat for
// another format (target then empty).
int Fmt(char *target, std::size_t size, const char *format, const char *value)
{
    if (!Usable(target, size, format))
        return kFmtBadFormat;
    if (format != kTextForm) {
        target[0] = '\0';
        return kFmtBadFormat;
    }
    return CopyBounded(target, size, value ? std::string_view(value) : std::string_view());
}
