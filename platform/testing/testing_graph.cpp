// Graph introspection for tests: the plots of a graph and the points on
// screen of a strip chart trace, read from the widget itself.
#include <QRgb>

#include "platform/graph/graph_widget.h"
#include "platform/userint/registry.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"

namespace uitest {

namespace {

GraphWidget *graphWidget(int panel, int control)
{
    return dynamic_cast<GraphWidget *>(plat::ctrlWidget(panel, control));
}

// Back to the run-time's 0xRRGGBB, VAL_TRANSPARENT for "not drawn".
int runtimeColor(QRgb c)
{
    return qAlpha(c) == 0 ? VAL_TRANSPARENT : int(c & 0xFFFFFF);
}

}  // namespace

// Every plot of a graph in the order added; empty for anything else. An XY
// plot has fillColor VAL_TRANSPARENT.
std::vector<PlotInfo> GraphPlots(int panel, int control)
{
    std::vector<PlotInfo> out;
    GraphWidget *g = graphWidget(panel, control);
    if (!g)
        return out;
    for (const GraphWidget::Plot &p : g->plots()) {
        out.push_back({p.handle, p.rect ? "rect" : "xy", p.x, p.y, runtimeColor(p.color),
                       p.rect ? runtimeColor(p.fill) : VAL_TRANSPARENT});
    }
    return out;
}

// The points on screen of trace (counted from 0 in the order of the
// interleaving), oldest first; empty for a bad control or trace.
std::vector<double> StripChartTrace(int panel, int control, int trace)
{
    GraphWidget *g = graphWidget(panel, control);
    if (!g || g->mode() != GraphWidget::Mode::StripChart)
        return {};
    return g->traceValues(trace);
}

}  // namespace uitest
