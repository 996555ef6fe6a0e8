// Typed arrays read as doubles.
#include "platform/graph/graph_values.h"

#include <cstring>

#include "platform/userint/userint.h"

namespace plat {

namespace {

// memcpy keeps the read legal whatever the alignment of the caller's array.
template <typename T> double load(const void *array, std::size_t index)
{
    T v;
    std::memcpy(&v, static_cast<const unsigned char *>(array) + index * sizeof(T), sizeof(T));
    return static_cast<double>(v);
}

}  // namespace

int valueTypeSize(int type)
{
    switch (type) {
    case VAL_CHAR: return sizeof(signed char);
    case VAL_UNSIGNED_CHAR: return sizeof(unsigned char);
    case VAL_SHORT_INTEGER: return sizeof(short);
    case VAL_UNSIGNED_SHORT_INTEGER: return sizeof(unsigned short);
    case VAL_INTEGER: return sizeof(int);
    case VAL_UNSIGNED_INTEGER: return sizeof(unsigned int);
    case VAL_FLOAT: return sizeof(float);
    case VAL_DOUBLE: return sizeof(double);
    default: return 0;
    }
}

double valueAt(const void *array, int type, std::size_t index)
{
    switch (type) {
    case VAL_CHAR: return load<signed char>(array, index);
    case VAL_UNSIGNED_CHAR: return load<unsigned char>(array, index);
    case VAL_SHORT_INTEGER: return load<short>(array, index);
    case VAL_UNSIGNED_SHORT_INTEGER: return load<unsigned short>(array, index);
    case VAL_INTEGER: return load<int>(array, index);
    case VAL_UNSIGNED_INTEGER: return load<unsigned int>(array, index);
    case VAL_FLOAT: return load<float>(array, index);
    case VAL_DOUBLE: return load<double>(array, index);
    default: return 0;
    }
}

}  // namespace plat
