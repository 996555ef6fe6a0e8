// The big display: a window of its own showing the sensor identification and
// the detected vector number in a size that reads across a production line.
// A right click anywhere hides it, so its controls share the panel callback.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"

namespace {

constexpr int kWidth = 380;   // five digits at the big size
constexpr int kHeight = 260;

constexpr int kMargin = 10;
constexpr int kIdTop = 26, kIdHeight = 30, kIdPoints = 14;
constexpr int kVecTop = 82, kVecHeight = 168;
constexpr int kVecPoints = 72;

constexpr int kWordMax = 65535;

const CtrlDesc kCtrls[] = {
    {.id = COLBIGP_DispID, .kind = CTRL_STRING, .name = "DispID", .label = "SENSOR ID",
     .top = kIdTop, .left = kMargin, .width = kWidth - 2 * kMargin, .height = kIdHeight,
     .callback = "CBF_COLBIGP", .dataType = VAL_STRING, .initialText = "",
     .mode = VAL_INDICATOR, .pointSize = kIdPoints},
    {.id = COLBIGP_DispVec, .kind = CTRL_NUMERIC, .name = "DispVec", .label = "V-No:",
     .top = kVecTop, .left = kMargin, .width = kWidth - 2 * kMargin, .height = kVecHeight,
     .callback = "CBF_COLBIGP", .dataType = VAL_UNSIGNED_SHORT_INTEGER, .minValue = 0,
     .maxValue = kWordMax, .mode = VAL_INDICATOR, .pointSize = kVecPoints},
};

}  // namespace

extern const PanelDesc kColbigPanelDesc = {
    .resourceId = COLBIGP, .name = "COLBIGP", .title = "V-No:",
    .top = 120, .left = 960, .width = kWidth, .height = kHeight,
    .callback = "CBF_COLBIGP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
    .sizable = 1, .scaleContents = 1,
};
