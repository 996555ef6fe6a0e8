// Numbers of the run-time's value types as decimal text and back, always in
// the "C" form (decimal point, no grouping), whatever the operator's locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fmtio {

// Bytes of one element of a value type (VAL_CHAR ... VAL_UNSIGNED_CHAR);
// 0 for VAL_STRING and unknown types.
std::size_t ElementSize(int dataType);

// Appends the decimal text of element `index` of `array`.
void AppendNumber(std::string &out, const void *array, int dataType, std::size_t index);

// Converts one field into element `index` of `array`. Returns 0,
// kFmtBadFormat (not a number of this type) or kFmtValueOutOfRange.
int ParseNumber(std::string_view field, void *array, int dataType, std::size_t index);

}  // namespace fmtio
