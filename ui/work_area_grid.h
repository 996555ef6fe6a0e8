// The grid shared by the four panels of the left-hand work area: their size
// and the two columns their controls line up on.
#pragma once

namespace work_area {

constexpr int kWidth = 272;
constexpr int kHeight = 445;
constexpr int kColL = 10, kColR = 142, kColWidth = 120, kFullWidth = 252;
constexpr int kCtrlHeight = 22;
constexpr int kButtonHeight = 28;

// The note "NOT SENT" in the top right corner of the parameter panel and the
// teach table, above their first row of controls.
constexpr int kNoteTop = 3, kNoteHeight = 18;
constexpr int kNoteColor = 0xC04000;

}  // namespace work_area
