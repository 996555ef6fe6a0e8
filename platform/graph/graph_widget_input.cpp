// The graph control under the operator's mouse: zoom about the pointer,
// dragging the view, a double click back to the scaling the program set,
// and cursor 1 following the pointer. The arithmetic is in graph_axis.
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "platform/graph/graph_widget.h"
#include "platform/graph/graph_widget_impl.h"

namespace {

constexpr double kWheelNotch = 120;     // angle delta of one notch of the wheel
constexpr double kZoomPerNotch = 0.8;   // span after one notch towards the screen
constexpr int kFitPasses = 2;           // a new range can change the labels' room once more

}  // namespace

void GraphWidget::setZoomAndPan(bool on)
{
    if (mode_ != Mode::Graph)
        return;
    d_->zoomAndPan = on;
    d_->drag = {};
    setMouseTracking(on);
    QWidget::setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

bool GraphWidget::zoomAndPan() const
{
    return d_->zoomAndPan;
}

void GraphWidget::setOperatorHandler(std::function<void(int, int, int)> handler)
{
    d_->onOperator = std::move(handler);
}

// The operator's range for an axis: manual from now on; the scaling from
// before the first zoom is kept for the double click.
void GraphWidget::operatorRange(int axis, plat::AxisRange r)
{
    if (!d_->zoomed) {
        d_->home[0] = d_->axes[0];
        d_->home[1] = d_->axes[1];
        d_->zoomed = true;
    }
    Impl::Axis &ax = d_->axis(axis);
    if (ax.mode == VAL_MANUAL && ax.manual == r)
        return;
    ax.mode = VAL_MANUAL;
    ax.manual = r;
    update();
}

// Shows the ranges rx, ry with the data point (dx, dy) at pixel `at`. The
// plot area moves when new tick labels need more or less room, so the
// ranges are shifted until the point sits where it should in the frame
// they will be drawn in. Only the axes asked for are set.
void GraphWidget::showWithPointAt(plat::AxisRange rx, plat::AxisRange ry, double dx, double dy,
                                  QPointF at, bool setX, bool setY)
{
    for (int pass = 0; pass < kFitPasses; ++pass) {
        const plat::GraphFrame f = plat::layoutFrame(size(), d_->cacheFont, rx, ry, d_->names);
        const QPointF now = f.map(dx, dy);
        if (setX)
            rx = plat::panBy(rx, (now.x() - at.x()) * (rx.max - rx.min) / f.plot.width());
        if (setY)
            ry = plat::panBy(ry, (at.y() - now.y()) * (ry.max - ry.min) / f.plot.height());
    }
    if (setX)
        operatorRange(VAL_BOTTOM_XAXIS, rx);
    if (setY)
        operatorRange(VAL_LEFT_YAXIS, ry);
}

QRectF GraphWidget::plotArea() const
{
    return d_->frame.plot;
}

void GraphWidget::wheelEvent(QWheelEvent *event)
{
    const plat::GraphFrame f = d_->frame;
    const double notches = event->angleDelta().y() / kWheelNotch;
    if (!d_->zoomAndPan || !d_->valid || notches == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    const QPointF at = event->position();
    const double factor = std::pow(kZoomPerNotch, notches);
    const double dx = plat::valueAtPixel(f.x, f.plot.left(), f.plot.right(), at.x());
    const double dy = plat::valueAtPixel(f.y, f.plot.bottom(), f.plot.top(), at.y());
    const bool overY = at.x() < f.plot.left() && at.y() >= f.plot.top() && at.y() <= f.plot.bottom();
    if (overY || (event->modifiers() & Qt::ControlModifier))
        showWithPointAt(f.x, plat::zoomAbout(f.y, dy, factor), dx, dy, at, false, true);
    else
        showWithPointAt(plat::zoomAbout(f.x, dx, factor), f.y, dx, dy, at, true, false);
    event->accept();
}

void GraphWidget::mousePressEvent(QMouseEvent *event)
{
    if (!d_->zoomAndPan || !d_->valid || event->button() != Qt::LeftButton ||
        !d_->frame.plot.contains(event->position())) {
        QWidget::mousePressEvent(event);
        return;
    }
    d_->drag = {true, false, event->position(), d_->frame};
    event->accept();
}

void GraphWidget::mouseMoveEvent(QMouseEvent *event)
{
    Impl::Drag &drag = d_->drag;
    if (!d_->zoomAndPan) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF at = event->position();
    if (drag.pressed && (event->buttons() & Qt::LeftButton)) {
        if (!drag.moving && (at - drag.from).manhattanLength() < QApplication::startDragDistance())
            return;
        if (!drag.moving)
            QWidget::setCursor(Qt::ClosedHandCursor);
        drag.moving = true;
        // What was under the pointer at the press follows it.
        const plat::GraphFrame &f = drag.frame;
        const double dx = (at.x() - drag.from.x()) * (f.x.max - f.x.min) / f.plot.width();
        const double dy = (at.y() - drag.from.y()) * (f.y.max - f.y.min) / f.plot.height();
        showWithPointAt(plat::panBy(f.x, -dx), plat::panBy(f.y, dy),
                        plat::valueAtPixel(f.x, f.plot.left(), f.plot.right(), drag.from.x()),
                        plat::valueAtPixel(f.y, f.plot.bottom(), f.plot.top(), drag.from.y()), at,
                        true, true);
        return;
    }
    const plat::GraphFrame &f = d_->frame;
    if (!d_->valid || d_->cursors.empty() || !f.plot.contains(at))
        return;
    const double x = plat::valueAtPixel(f.x, f.plot.left(), f.plot.right(), at.x());
    const double y = plat::valueAtPixel(f.y, f.plot.bottom(), f.plot.top(), at.y());
    if (setCursor(1, x, y) == 0 && d_->onOperator)
        d_->onOperator(EVENT_VAL_CHANGED, 1, 0);
}

void GraphWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d_->drag.pressed || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (d_->drag.moving)
        QWidget::setCursor(Qt::CrossCursor);
    d_->drag = {};
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!d_->zoomAndPan || event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    d_->drag = {};
    if (!d_->zoomed)
        return;
    d_->axes[0] = d_->home[0];
    d_->axes[1] = d_->home[1];
    d_->zoomed = false;
    update();
}
