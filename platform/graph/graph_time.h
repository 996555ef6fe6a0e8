// A time axis of the graph control: x values are seconds counted from
// 01-01-1970 00:00:00 of the clock they were taken on (no time zone is
// applied), ticks fall on round times of the day, labels read as a clock.
#pragma once

#include <QString>
#include <vector>

#include "platform/graph/graph_axis.h"

namespace plat {

// Tick positions inside r on round times: steps of 1, 2 or 5 thousandths
// to tenths of a second, 1, 2, 5, 10, 15, 30 seconds or minutes, 1, 2, 3,
// 6, 12 hours, then whole days; at most maxTicks + 1 ticks. step receives
// the step in seconds (0 when there are no ticks).
std::vector<double> timeTicks(AxisRange r, int maxTicks, double *step);

// The label of a tick: "HH:MM" for steps of whole minutes, "HH:MM:SS"
// with as many decimals as the step needs otherwise, "MM-DD" for steps of
// whole days.
QString timeLabel(double seconds, double step);

// The date of the range's first second, "MM-DD-YYYY", and " to " the date
// of its last when that is another day.
QString timeRangeDates(AxisRange r);

}  // namespace plat
