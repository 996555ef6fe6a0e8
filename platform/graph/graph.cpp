// The graph and strip chart functions of the run-time, on GraphWidget.
// Arrays arrive typed (VAL_...) and are converted to doubles here; the
// widget keeps them. Every argument is checked: a bad one gives a negative
// code and changes nothing.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <cmath>
#include <cstring>
#include <string>
#include <new>
#include <vector>

#include "platform/graph/graph_values.h"
#include "platform/graph/graph_widget.h"
#include "platform/userint/registry.h"
#include "platform/graph/graph.h"
#include "platform/formatio/format_files.h"
#include "platform/formatio/formatio.h"

namespace {

constexpr int kAnyGraph = -1;          // either kind of graph control
constexpr int kMaxCallPoints = 1 << 24;  // bounds the conversion of one call
constexpr int kColorMask = 0xFFFFFF;

// The GraphWidget behind a control of kind wantKind (or either graph kind),
// or nullptr with *err set to the run-time's code.
GraphWidget *graphCtrl(int panel, int control, int wantKind, int *err)
{
    *err = plat::checkCtrl(panel, control);
    if (*err < 0)
        return nullptr;
    const int kind = plat::ctrlKind(panel, control);
    const bool graphKind = kind == CTRL_GRAPH || kind == CTRL_STRIP_CHART;
    if (!graphKind || (wantKind != kAnyGraph && kind != wantKind)) {
        *err = kind < 0 ? kind : UIEInvalidControlType;
        return nullptr;
    }
    auto *g = dynamic_cast<GraphWidget *>(plat::ctrlWidget(panel, control));
    if (!g)
        *err = UIEInvalidControlType;
    return g;
}

bool validColor(int color)
{
    return color >= 0 && color <= kColorMask;
}

// An 0xRRGGBB colour or VAL_TRANSPARENT as the widget's QRgb (alpha 0: not drawn).
QRgb widgetColor(int color)
{
    if (color == VAL_TRANSPARENT)
        return 0;
    return qRgb((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// Reads n elements of a typed array, element first + k * stride for k < n.
int readValues(const void *array, int type, int n, long long first, long long stride,
               std::vector<double> &out)
{
    if (!array || plat::valueTypeSize(type) == 0)
        return UIEBadValueType;
    if (n <= 0 || n > kMaxCallPoints || first < 0 || stride < 1)
        return UIEIndexOutOfRange;
    try {
        out.resize(n);
    } catch (const std::bad_alloc &) {
        return UIEOutOfMemory;
    }
    for (int k = 0; k < n; ++k)
        out[k] = plat::valueAt(array, type, static_cast<std::size_t>(first + k * stride));
    return 0;
}

}  // namespace

// Adds an XY plot. Styles: VAL_THIN_LINE (line only), VAL_CONNECTED_POINTS
// (line and the point style), VAL_SCATTER (points only, a square when no
// point style is given). Returns the plot handle (> 0) or a negative code.
int PlotXY(int panel, int control, const void *xArray, const void *yArray, int numPoints,
           int xDataType, int yDataType, int plotStyle, int pointStyle, int lineStyle,
           int pointFrequency, int color)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (plotStyle != VAL_THIN_LINE && plotStyle != VAL_CONNECTED_POINTS && plotStyle != VAL_SCATTER)
        return UIEInvalidAttribute;
    if ((pointStyle != VAL_NO_POINT && pointStyle != VAL_SOLID_SQUARE) ||
        (lineStyle != VAL_SOLID && lineStyle != VAL_DASH))
        return UIEInvalidAttribute;
    if (pointFrequency < 1)
        return UIEIndexOutOfRange;
    if (!validColor(color))
        return UIEBadValueType;
    std::vector<double> x, y;
    if ((err = readValues(xArray, xDataType, numPoints, 0, 1, x)) < 0 ||
        (err = readValues(yArray, yDataType, numPoints, 0, 1, y)) < 0)
        return err;
    const bool connected = plotStyle != VAL_SCATTER;
    const bool markers = plotStyle == VAL_SCATTER ||
                         (plotStyle == VAL_CONNECTED_POINTS && pointStyle != VAL_NO_POINT);
    return g->addXY(x.data(), y.data(), numPoints, widgetColor(color), connected, markers,
                    lineStyle == VAL_DASH);
}

// Adds a rectangle between the corners (x1, y1) and (x2, y2): frame in
// color, inside in fillColor; either may be VAL_TRANSPARENT. Returns the
// plot handle (> 0) or a negative code.
int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2,
                  int color, int fillColor)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return UIEBadValueType;
    if ((!validColor(color) && color != VAL_TRANSPARENT) ||
        (!validColor(fillColor) && fillColor != VAL_TRANSPARENT))
        return UIEBadValueType;
    return g->addRect(x1, y1, x2, y2, widgetColor(color), widgetColor(fillColor));
}

// Removes one plot (or all for -1). VAL_IMMEDIATE_DRAW repaints before
// returning, VAL_DELAYED_DRAW at the next event processing.
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (refresh != VAL_IMMEDIATE_DRAW && refresh != VAL_DELAYED_DRAW)
        return UIEInvalidAttribute;
    if (plotHandle != -1 && plotHandle <= 0)
        return UIEIndexOutOfRange;
    return g->deletePlot(plotHandle, refresh == VAL_IMMEDIATE_DRAW);
}

// Places cursor cursorNumber (from 1) at (x, y); UIEIndexOutOfRange for a
// cursor the graph does not have.
int SetGraphCursor(int panel, int control, int cursorNumber, double x, double y)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    return g->setCursor(cursorNumber, x, y);
}

int GetGraphCursor(int panel, int control, int cursorNumber, double *x, double *y)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (!x || !y)
        return UIEBadValueType;
    return g->cursor(cursorNumber, x, y);
}

// Axis VAL_LEFT_YAXIS or VAL_BOTTOM_XAXIS; mode VAL_MANUAL (min < max),
// VAL_AUTOSCALE (fits the data; min and max, when a valid range, are shown
// while there is none) or VAL_LOCK (keeps the range shown now).
int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, kAnyGraph, &err);
    if (!g)
        return err;
    return g->setAxisScaling(axis, mode, min, max);
}

// The axis's mode and the range it shows now (the fitted one when autoscaled).
int GetAxisScalingMode(int panel, int control, int axis, int *mode, double *min, double *max)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, kAnyGraph, &err);
    if (!g)
        return err;
    if (!mode || !min || !max)
        return UIEBadValueType;
    return g->axisScaling(axis, mode, min, max);
}

int PlotStripChart(int panel, int control, const void *array, int numberOfPoints,
                   int startIndex, int skip, int dataType)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_STRIP_CHART, &err);
    if (!g)
        return err;
    if (skip < 0)
        return UIEIndexOutOfRange;
    std::vector<double> values;
    err = readValues(array, dataType, numberOfPoints, startIndex, 1LL + skip, values);
    if (err < 0)
        return err;
    g->appendStrip(values.data(), numberOfPoints);
    return 0;
}

int ClearStripChart(int panel, int control)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_STRIP_CHART, &err);
    if (!g)
        return err;
    g->clearStrip();
    return 0;
}

// Traces are numbered from 1 here, as cursors are; the widget counts from 0.
// Only ATTR_TRACE_COLOR (0xRRGGBB) is known.
int SetTraceAttribute(int panel, int control, int trace, int attribute, int value)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_STRIP_CHART, &err);
    if (!g)
        return err;
    if (attribute != ATTR_TRACE_COLOR)
        return UIEInvalidAttribute;
    if (trace < 1 || trace > g->numTraces())
        return UIEIndexOutOfRange;
    if (!validColor(value))
        return UIEBadValueType;
    g->setTraceColor(trace - 1, widgetColor(value));
    return 0;
}

int PlotSharedXY(int panel, int control, std::shared_ptr<const void> owner, const double *x,
                 const void *y, int yDataType, std::size_t numPoints, int color)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (!validColor(color))
        return UIEBadValueType;
    if (numPoints == 0)
        return UIEIndexOutOfRange;
    return g->addShared({std::move(owner), x, y, yDataType, numPoints}, widgetColor(color));
}

int SetPlotAttribute(int panel, int control, int plotHandle, int attribute, const char *value)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (attribute != ATTR_PLOT_LG_TEXT)
        return UIEInvalidAttribute;
    if (!value)
        return UIEBadValueType;
    return g->setPlotLegend(plotHandle, QString::fromUtf8(value));
}

int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, char *value,
                     std::size_t size)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (attribute != ATTR_PLOT_LG_TEXT)
        return UIEInvalidAttribute;
    if (!value || size == 0)
        return UIEBadValueType;
    const QByteArray text = g->plotLegend(plotHandle).toUtf8();
    if (std::size_t(text.size()) >= size)
        return UIEBadValueType;
    std::memcpy(value, text.constData(), std::size_t(text.size()) + 1);
    return 0;
}

int SetGraphAttribute(int panel, int control, int attribute, int value)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (attribute == ATTR_XFORMAT) {
        if (value != VAL_DECIMAL_FORMAT && value != VAL_ABSOLUTE_TIME_FORMAT)
            return UIEBadValueType;
        g->setTimeAxis(value == VAL_ABSOLUTE_TIME_FORMAT);
        return 0;
    }
    if (attribute != ATTR_ENABLE_ZOOM_AND_PAN)
        return UIEInvalidAttribute;
    g->setZoomAndPan(value != 0);
    g->setOperatorHandler([panel, control](int event, int data1, int data2) {
        plat::dispatch(panel, control, event, data1, data2);
    });
    return 0;
}

int GetGraphAttribute(int panel, int control, int attribute, int *value)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (!value)
        return UIEBadValueType;
    if (attribute == ATTR_XFORMAT)
        *value = g->timeAxis() ? VAL_ABSOLUTE_TIME_FORMAT : VAL_DECIMAL_FORMAT;
    else if (attribute == ATTR_ENABLE_ZOOM_AND_PAN)
        *value = g->zoomAndPan() ? 1 : 0;
    else
        return UIEInvalidAttribute;
    return 0;
}

int SaveGraphImageFile(int panel, int control, const char *fileName)
{
    int err = 0;
    GraphWidget *g = graphCtrl(panel, control, CTRL_GRAPH, &err);
    if (!g)
        return err;
    if (!fileName || !*fileName)
        return kFmtCannotOpen;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !g->grab().toImage().save(&buffer, "PNG"))
        return kFmtIOError;
    fmtio::Replacement r;
    if (!fmtio::CreateReplacement(fileName, &r))
        return kFmtCannotOpen;
    const bool written =
        fmtio::WriteAll(r.fd, std::string(png.constData(), std::size_t(png.size())));
    return fmtio::CommitReplacement(r, written) ? 0 : kFmtIOError;
}
