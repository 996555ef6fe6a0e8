// The grid shared by the four panels of the left-hand work area: their size
// and the two columns their controls line up on.
#pragma once

namespace work_area {

constexpr int kWidth = 272;
constexpr int kHeight = 445;
constexpr int kColL = 10, kColR = 142, kColWidth = 120, kFullWidth = 252;
constexpr int kCtrlHeight = 22;
constexpr int kButtonHeight = 28;

}  // namespace work_area
