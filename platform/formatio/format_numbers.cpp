// Locale-free number text: std::to_chars / std::from_chars never consult the
// C or Qt locale, so files read the same under de_DE as under C.
#include "platform/formatio/format_numbers.h"
#include "platform/formatio/formatio.h"
#include "platform/formatio/value_types.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <type_traits>

namespace fmtio {
namespace {

constexpr std::size_t kNumberTextMax = 64;   // longest text to_chars makes for a double

template <typename T> void Append(std::string &out, const void *array, std::size_t index)
{
    T value;
    std::memcpy(&value, static_cast<const char *>(array) + index * sizeof(T), sizeof(T));
    char text[kNumberTextMax];
    std::to_chars_result r;
    if constexpr (std::is_floating_point_v<T>)
        r = std::to_chars(text, text + sizeof text, value);
    else
        r = std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(value));
    out.append(text, r.ptr);
}

template <typename T> void Store(void *array, std::size_t index, T value)
{
    std::memcpy(static_cast<char *>(array) + index * sizeof(T), &value, sizeof(T));
}

template <typename T> int ParseInteger(std::string_view field, void *array, std::size_t index)
{
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    std::int64_t v = 0;
    const auto r = std::from_chars(field.data(), field.data() + field.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        return kFmtValueOutOfRange;
    if (r.ec != std::errc() || r.ptr != field.data() + field.size())
        return kFmtBadFormat;
    if (v < static_cast<std::int64_t>(std::numeric_limits<T>::min())
        || v > static_cast<std::int64_t>(std::numeric_limits<T>::max()))
        return kFmtValueOutOfRange;
    Store(array, index, static_cast<T>(v));
    return 0;
}

template <typename T> int ParseReal(std::string_view field, void *array, std::size_t index)
{
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double v = 0;
    const auto r = std::from_chars(field.data(), field.data() + field.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        return kFmtValueOutOfRange;
    if (r.ec != std::errc() || r.ptr != field.data() + field.size())
        return kFmtBadFormat;
    if (std::is_same_v<T, float> && (v > std::numeric_limits<float>::max() || v < -std::numeric_limits<float>::max()))
        return kFmtValueOutOfRange;
    Store(array, index, static_cast<T>(v));
    return 0;
}

}  // namespace

std::size_t ElementSize(int dataType)
{
    switch (dataType) {
    case VAL_CHAR: return sizeof(signed char);
    case VAL_UNSIGNED_CHAR: return sizeof(unsigned char);
    case VAL_SHORT_INTEGER: return sizeof(short);
    case VAL_UNSIGNED_SHORT_INTEGER: return sizeof(unsigned short);
    case VAL_INTEGER: return sizeof(int);
    case VAL_UNSIGNED_INTEGER: return sizeof(unsigned);
    case VAL_FLOAT: return sizeof(float);
    case VAL_DOUBLE: return sizeof(double);
    default: return 0;
    }
}

void AppendNumber(std::string &out, const void *array, int dataType, std::size_t index)
{
    switch (dataType) {
    case VAL_CHAR: Append<signed char>(out, array, index); break;
    case VAL_UNSIGNED_CHAR: Append<unsigned char>(out, array, index); break;
    case VAL_SHORT_INTEGER: Append<short>(out, array, index); break;
    case VAL_UNSIGNED_SHORT_INTEGER: Append<unsigned short>(out, array, index); break;
    case VAL_INTEGER: Append<int>(out, array, index); break;
    case VAL_UNSIGNED_INTEGER: Append<unsigned>(out, array, index); break;
    case VAL_FLOAT: Append<float>(out, array, index); break;
    case VAL_DOUBLE: Append<double>(out, array, index); break;
    default: break;
    }
}

int ParseNumber(std::string_view field, void *array, int dataType, std::size_t index)
{
    switch (dataType) {
    case VAL_CHAR: return ParseInteger<signed char>(field, array, index);
    case VAL_UNSIGNED_CHAR: return ParseInteger<unsigned char>(field, array, index);
    case VAL_SHORT_INTEGER: return ParseInteger<short>(field, array, index);
    case VAL_UNSIGNED_SHORT_INTEGER: return ParseInteger<unsigned short>(field, array, index);
    case VAL_INTEGER: return ParseInteger<int>(field, array, index);
    case VAL_UNSIGNED_INTEGER: return ParseInteger<unsigned>(field, array, index);
    case VAL_FLOAT: return ParseReal<float>(field, array, index);
    case VAL_DOUBLE: return ParseReal<double>(field, array, index);
    default: return kFmtBadFormat;
    }
}

}  // namespace fmtio
