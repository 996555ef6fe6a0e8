// Graph and strip chart functions of the user-interface library, on the
// graph control of this room. Included by userint.h, like the rest of the
// library; the value types (VAL_...) and attributes come from there.
#pragma once

#include <cstddef>
#include <memory>

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

// Shared plots, legends, the time axis, the operator's zoom and pictures.
constexpr int ATTR_PLOT_LG_TEXT = 201;         // plot: its legend text ("" none)
constexpr int ATTR_XFORMAT = 210;              // graph: VAL_DECIMAL_FORMAT or VAL_ABSOLUTE_TIME_FORMAT
constexpr int ATTR_ENABLE_ZOOM_AND_PAN = 211;  // graph: 0/1, the operator's zoom, pan and cursor
constexpr int VAL_DECIMAL_FORMAT = 0;
constexpr int VAL_ABSOLUTE_TIME_FORMAT = 1;    // x is seconds from 01-01-1970 00:00:00, no zone

// Adds a line through numPoints points read in place, not copied: x as
// doubles, y as VAL_UNSIGNED_SHORT_INTEGER or VAL_DOUBLE. The arrays must
// live as long as owner does; the graph keeps owner until the plot is
// deleted. Returns the plot handle (> 0) or a negative code.
int PlotSharedXY(int panel, int control, std::shared_ptr<const void> owner, const double *x,
                 const void *y, int yDataType, std::size_t numPoints, int color);
// ATTR_PLOT_LG_TEXT only. Plots with a text are listed in a legend above
// the plot area, in their colour and the order they were added.
int SetPlotAttribute(int panel, int control, int plotHandle, int attribute, const char *value);
int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, char *value,
                     std::size_t size);
// ATTR_XFORMAT and ATTR_ENABLE_ZOOM_AND_PAN of a graph. With zoom and pan
// on, the wheel zooms x about the pointer (y with Ctrl or over the y axis),
// a drag moves the view, a double click brings back the scaling the program
// set, and the pointer moving over the plot area places cursor 1 and calls
// the control's callback with EVENT_VAL_CHANGED and eventData1 1.
int SetGraphAttribute(int panel, int control, int attribute, int value);
int GetGraphAttribute(int panel, int control, int attribute, int *value);
// Writes the graph as it is shown (plots, legend, cursors) to fileName as a
// PNG at the screen's pixel density, replacing the file whole as ArrayToFile
// does (no FIFO, device or read-only file). Returns 0, kFmtCannotOpen or
// kFmtIOError (formatio.h) with errno set.
int SaveGraphImageFile(int panel, int control, const char *fileName);
