// Graph and strip chart functions of the user-interface library, on the
// graph control of this room. Included by userint.h, like the rest of the
// library; the value types (VAL_...) and attributes come from there.
#pragma once

#include "platform/userint/userint.h"

constexpr int VAL_THIN_LINE = 0;       // plot styles
constexpr int VAL_CONNECTED_POINTS = 1;
constexpr int VAL_SCATTER = 2;
constexpr int VAL_NO_POINT = 0;        // point styles
constexpr int VAL_SOLID_SQUARE = 1;
constexpr int VAL_SOLID = 0;           // line styles
constexpr int VAL_DASH = 1;
constexpr int VAL_IMMEDIATE_DRAW = 1;  // DeleteGraphPlot refresh modes
constexpr int VAL_DELAYED_DRAW = 2;
constexpr int VAL_LEFT_YAXIS = 1;      // axes
constexpr int VAL_BOTTOM_XAXIS = 2;
constexpr int VAL_MANUAL = 0;          // axis scaling modes
constexpr int VAL_AUTOSCALE = 1;
constexpr int VAL_LOCK = 2;

// Adds a plot (kept until deleted); returns its handle (> 0) or a negative code.
int PlotXY(int panel, int control, const void *xArray, const void *yArray, int numPoints,
           int xDataType, int yDataType, int plotStyle, int pointStyle, int lineStyle,
           int pointFrequency, int color);
int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2,
                  int color, int fillColor);
// plotHandle -1 deletes every plot.
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh);
int SetGraphCursor(int panel, int control, int cursorNumber, double x, double y);
int GetGraphCursor(int panel, int control, int cursorNumber, double *x, double *y);
int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max);
int GetAxisScalingMode(int panel, int control, int axis, int *mode, double *min, double *max);
// Appends numberOfPoints values, interleaved by trace (trace 0, 1, ... 0, 1 ...),
// starting at element startIndex and taking every (skip + 1)th.
int PlotStripChart(int panel, int control, const void *array, int numberOfPoints,
                   int startIndex, int skip, int dataType);
int ClearStripChart(int panel, int control);
int SetTraceAttribute(int panel, int control, int trace, int attribute, int value);
constexpr int ATTR_TRACE_COLOR = 200;
