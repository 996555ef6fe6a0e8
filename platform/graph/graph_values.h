// The run-time's typed arrays (VAL_DOUBLE, VAL_UNSIGNED_SHORT_INTEGER, ...)
// read as doubles, for the graph functions.
#pragma once

#include <cstddef>

namespace plat {

// Bytes per element of a numeric VAL_ type; 0 for VAL_STRING and unknown types.
int valueTypeSize(int type);

// Element index of array, converted to double. type must be numeric
// (valueTypeSize > 0) and array must hold more than index elements.
double valueAt(const void *array, int type, std::size_t index);

}  // namespace plat
