// The teach table: teaching a row from the live values, resetting the table,
// and the taught symmetry ranges in the symmetry graphs.
#pragma once

namespace orvelle {

constexpr int kTeachDensityTol = 100;
constexpr int kTeachSymTol = 50;
constexpr int kSymFullScale = 1000;
constexpr int kSymRectHeight = 100;
constexpr int kSym1Colour = 0xFF0080;
constexpr int kSym2Colour = 0x008040;

// Range of set value s with tolerance t on the symmetry axis: s - t at least
// 0, s + t at most 1000.
void SymmetryRange(unsigned s, unsigned t, int *lower, int *upper);
// Fills the row selected by No. with density, 100, sym1, 50, sym2, 50 and,
// with auto-increment on, advances No. (stays at 30).
void TeachDataTo();
// No. 0, every cell 1, both symmetry graphs emptied.
void ResetTable();
// Draws the ranges of the selected row as rectangles into the symmetry graphs.
void SetToleranceRangeSymmetry();

}  // namespace orvelle
