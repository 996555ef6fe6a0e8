// Our own graph control: an XY graph whose plots accumulate until deleted
// (lines, rectangles), with cursors and manual or automatic axis scaling; or
// a strip chart of several traces scrolling through a fixed number of points
// per screen. It stays fast with 100,000 two-point plots: finished plots are
// drawn once into a cached image and only new plots are added to it.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

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

    // Plots (Graph mode). Return the new plot's handle (> 0).
    int addXY(const double *x, const double *y, int n, QRgb color, bool connected, bool markers,
              bool dashed);
    int addRect(double x1, double y1, double x2, double y2, QRgb color, QRgb fill);
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

private:
    struct Impl;
    void refreshCache();
    Mode mode_;
    Impl *d_;
};
