// The run-time's codes of value types, shared by the file room (ArrayToFile,
// FileToArray) and the user interface (ATTR_DATA_TYPE, PlotXY, PlotStripChart).
#pragma once

constexpr int VAL_CHAR = 0;
constexpr int VAL_INTEGER = 1;
constexpr int VAL_SHORT_INTEGER = 2;
constexpr int VAL_FLOAT = 3;
constexpr int VAL_DOUBLE = 4;
constexpr int VAL_STRING = 5;
constexpr int VAL_UNSIGNED_SHORT_INTEGER = 6;
constexpr int VAL_UNSIGNED_INTEGER = 7;
constexpr int VAL_UNSIGNED_CHAR = 8;

