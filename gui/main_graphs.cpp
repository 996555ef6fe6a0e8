#include "gui/main_graphs.h"

#include <algorithm>
#include <cstring>

#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kTraces = 3;

// Drops the oldest sample and appends three values at the end.
void PushSample(double *buf, double a, double b, double c)
{
    std::memmove(buf, buf + kTraces, sizeof(double) * (kHistoryValues - kTraces));
    buf[kHistoryValues - 3] = a;
    buf[kHistoryValues - 2] = b;
    buf[kHistoryValues - 1] = c;
}

}  // namespace

void DensityBand(word s, word t, short *upper, short *lower)
{
    int u = static_cast<int>(s) + t;
    int l = static_cast<int>(s) - t;
    // Both limits stay on the density scale before they are narrowed to 16
    // bits: a set value above full scale would otherwise wrap negative.
    u = std::clamp(u, 0, static_cast<int>(kDensityFullScale));
    l = std::clamp(l, 0, static_cast<int>(kDensityFullScale));
    *upper = static_cast<short>(u);
    *lower = static_cast<short>(l);
}

void ZoomRange(const double *values, int count, double *min, double *max)
{
    double lo = kDensityFullScale;
    double hi = 0;
    for (int i = 0; i < count; ++i) {
        if (values[i] < lo)
            lo = values[i];
        if (values[i] > hi)
            hi = values[i];
    }
    if (lo > kZoomMargin)
        lo -= kZoomMargin;
    if (hi < kDensityFullScale - kZoomMargin)
        hi += kZoomMargin;
    *min = lo;
    *max = hi;
}

void UpdateGraphHistories()
{
    word no = 0, s = 0, t = 0;
    GetCtrlVal(ttpanel, TTP_EditNo, &no);
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, no + 1), &s);
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(2, no + 1), &t);
    short upper = 0, lower = 0;
    DensityBand(s, t, &upper, &lower);
    PushSample(rawBuf, dataChL, dataChC, dataChR);
    PushSample(densityBuf, dataDensity, upper, lower);
}

void ShowGraph()
{
    GetCtrlVal(datapanel, DATAP_SelectSource, &source);
    if (source == 0) {
        double min = 0, max = kDensityFullScale;
        if (scale == 1)
            ZoomRange(densityBuf, kHistoryValues, &min, &max);
        SetAxisScalingMode(datapanel, DATAP_GraphDensity, VAL_LEFT_YAXIS, VAL_MANUAL, min, max);
        SetCtrlAttribute(datapanel, DATAP_GraphDensity, ATTR_POINTS_PER_SCREEN, kStripPointsPerScreen);
        PlotStripChart(datapanel, DATAP_GraphDensity, densityBuf, kHistoryValues, 0, 0, VAL_DOUBLE);
        SetGraphCursor(datapanel, DATAP_GraphSym1, 1, dataSym1, kSymCursorY);
        SetGraphCursor(datapanel, DATAP_GraphSym2, 1, dataSym2, kSymCursorY);
    } else if (source == 1) {
        SetCtrlAttribute(datapanel, DATAP_GraphRaw1, ATTR_POINTS_PER_SCREEN, kStripPointsPerScreen);
        PlotStripChart(datapanel, DATAP_GraphRaw1, rawBuf, kHistoryValues, 0, 0, VAL_DOUBLE);
    }
}

}  // namespace orvelle
