// Internal to the graph control: what GraphWidget keeps, shared by its
// drawing (graph_widget.cpp) and its mouse handling (graph_widget_input.cpp).
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "platform/graph/graph_cursor.h"
#include "platform/graph/graph_frame.h"
#include "platform/graph/graph_series.h"
#include "platform/graph/graph_store.h"
#include "platform/graph/graph_strip.h"
#include "platform/graph/graph_widget.h"
#include "platform/userint/userint.h"

struct GraphWidget::Impl {
    struct Axis {
        int mode = VAL_MANUAL;
        plat::AxisRange manual;  // manual and locked range
    };
    struct Cursor {
        double x = 0, y = 0;
        bool placed = false;  // not drawn before the first SetGraphCursor
    };
    // A drag of the view: where it started and what was shown then.
    struct Drag {
        bool pressed = false;
        bool moving = false;
        QPointF from;
        plat::GraphFrame frame;
    };

    plat::PlotStore store;
    std::vector<plat::SeriesPlot> series;  // in handle order
    std::map<int, QString> legends;        // by plot handle
    plat::StripData strip;
    std::vector<QRgb> traceColors;
    Axis axes[2];  // [0] left y, [1] bottom x
    std::vector<Cursor> cursors;
    plat::CursorArt cursorArt;
    plat::FrameLabels names;

    // The operator's zoom and pan.
    bool zoomAndPan = false;
    bool zoomed = false;  // home holds the axes from before the first zoom
    Axis home[2];
    Drag drag;
    std::function<void(int, int, int)> onOperator;

    // The cache and what it was drawn for.
    QImage cache;
    plat::GraphFrame frame;
    std::size_t drawn = 0;  // plots [0, drawn) of the store are in the cache
    bool valid = false;
    QSize cacheSize;
    qreal cacheDpr = 0;
    QFont cacheFont;
    QColor cacheBg;

    Axis &axis(int a) { return axes[a == VAL_BOTTOM_XAXIS ? 1 : 0]; }
    const Axis &axis(int a) const { return axes[a == VAL_BOTTOM_XAXIS ? 1 : 0]; }
    plat::AxisRange range(Mode mode, int a) const;
    plat::Extents extents() const;  // of the store and the shared plots
};
