// Our own graph control: an XY graph whose plots accumulate until deleted
// (lines, rectangles, shared plots read in place), with cursors, manual or
// automatic axis scaling, a legend and a time axis, and on request zoom and
// pan by the mouse; or a strip chart of several traces scrolling through a
// fixed number of points per screen. It stays fast with 100,000 two-point
// plots: finished plots are drawn once into a cached image and only new
// plots are added to it.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/graph/graph_series.h"

class GraphWidget : public QWidget {
public:
    enum class Mode { Graph, StripChart };
    struct Plot {
        int handle = 0;
        bool rect = false;
        std::vector<double> x, y;  // rect: x = {x1, x2}, y = {y1, y2}
        QRgb color = 0;
        QRgb fill = 0;
        bool connected = true;     // lines between points
        bool markers = false;      // a marker at each point
        bool dashed = false;
    };

    GraphWidget(Mode mode, QWidget *parent = nullptr);
    ~GraphWidget() override;
    Mode mode() const { return mode_; }

    // Axes: axis 1 = left y, 2 = bottom x; mode 0 manual, 1 autoscale.
    int setAxisScaling(int axis, int mode, double min, double max);
    int axisScaling(int axis, int *mode, double *min, double *max) const;
    void setAxisNames(const QString &xName, const QString &yName);
    // x values as seconds of a clock (graph_time.h) instead of plain numbers.
    void setTimeAxis(bool on);
    bool timeAxis() const;

    // The operator's zoom and pan (Graph mode): the wheel zooms x about the
    // pointer (y with Ctrl held, or over the y axis), a drag moves the view,
    // a double click brings back the scaling from before the first zoom.
    // Moving the pointer over the plot area moves cursor 1 there and
    // reports EVENT_VAL_CHANGED with the cursor number. Off at the start.
    void setZoomAndPan(bool on);
    bool zoomAndPan() const;
    // Receives (event, eventData1, eventData2) for what the operator does.
    void setOperatorHandler(std::function<void(int, int, int)> handler);
    // The plot area of the last paint, logical pixels.
    QRectF plotArea() const;
    // Plots (Graph mode). Return the new plot's handle (> 0).
    int addXY(const double *x, const double *y, int n, QRgb color, bool connected, bool markers,
              bool dashed);
    int addRect(double x1, double y1, double x2, double y2, QRgb color, QRgb fill);
    // A shared plot (Graph mode): a line through points read in place.
    int addShared(plat::SharedSeries series, QRgb color);
    // The text of a plot's legend entry; "" removes the entry. Plots with a
    // text are listed above the plot area in the order of their handles.
    // 0, or a negative code for an unknown plot.
    int setPlotLegend(int handle, const QString &text);
    QString plotLegend(int handle) const;
    // handle -1 deletes all; returns 0, or a negative code for an unknown handle.
    int deletePlot(int handle, bool immediate);
    int numPlots() const;
    std::vector<Plot> plots() const;

    // Cursors, numbered from 1. A graph starts with one cursor, drawn once
    // it has been placed; a strip chart has none.
    void setNumCursors(int n);
    int numCursors() const;
    int setCursor(int number, double x, double y);
    int cursor(int number, double *x, double *y) const;

    // Strip chart.
    void setNumTraces(int n);
    int numTraces() const;
    void setPointsPerScreen(int n);
    int pointsPerScreen() const;
    void setTraceColor(int trace, QRgb color);
    // Appends count values interleaved by trace (0, 1, .., n-1, 0, 1, ..).
    void appendStrip(const double *values, int count);
    void clearStrip();
    std::vector<double> traceValues(int trace) const;  // on screen, oldest first

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Impl;
    void refreshCache();
    void refreshLegend();
    void operatorRange(int axis, plat::AxisRange r);
    void showWithPointAt(plat::AxisRange rx, plat::AxisRange ry, double dx, double dy, QPointF at,
                         bool setX, bool setY);
    Mode mode_;
    Impl *d_;
};
