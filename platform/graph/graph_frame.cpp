// Layout and background of the graph control.
#include "platform/graph/graph_frame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr double kTickLen = 4;         // tick marks, logical px
constexpr double kLabelGap = 3;        // between tick mark and label
constexpr double kNameGap = 4;         // between labels and axis name
constexpr double kEdge = 4;            // free border around everything
constexpr double kMinPlotSide = 8;     // the plot area never gets smaller
constexpr double kXTickSpacing = 70;   // minimum px between x ticks
constexpr double kYTickSpacing = 28;   // minimum px between y ticks
constexpr QRgb kPlotBg = 0xFFFFFF;
constexpr QRgb kGridColor = 0xE2E2E2;
constexpr QRgb kAxisColor = 0x505050;
constexpr QRgb kTextColor = 0x202020;

int maxTicks(double length, double spacing)
{
    return std::max(1, static_cast<int>(length / spacing));
}

double widestLabel(const QFontMetricsF &fm, const std::vector<double> &ticks, double step)
{
    double w = 0;
    for (double t : ticks)
        w = std::max(w, fm.horizontalAdvance(tickLabel(t, step)));
    return w;
}

// A 1 px line on pixel centres, so it stays sharp at every scale.
double crisp(double v)
{
    return std::floor(v) + 0.5;
}

}  // namespace

GraphFrame layoutFrame(QSizeF size, const QFont &font, AxisRange x, AxisRange y,
                       const FrameLabels &names)
{
    const QFontMetricsF fm(font);
    GraphFrame f;
    f.x = x;
    f.y = y;
    const double nameBand = fm.height() + kNameGap;
    const double top = kEdge + fm.height() / 2;
    const double bottom = kEdge + kTickLen + kLabelGap + fm.height() +
                          (names.xName.isEmpty() ? 0 : nameBand);
    const double plotH = std::max(kMinPlotSide, size.height() - top - bottom);
    f.yTicks = axisTicks(y, maxTicks(plotH, kYTickSpacing), &f.yStep);
    const double left = kEdge + widestLabel(fm, f.yTicks, f.yStep) + kLabelGap + kTickLen +
                        (names.yName.isEmpty() ? 0 : nameBand);
    // Room for half the last x label beyond the plot's right edge.
    const double right = kEdge + fm.horizontalAdvance(tickLabel(x.max, 1)) / 2;
    const double plotW = std::max(kMinPlotSide, size.width() - left - right);
    f.xTicks = axisTicks(x, maxTicks(plotW, kXTickSpacing), &f.xStep);
    f.plot = QRectF(std::round(left), std::round(top), std::round(plotW), std::round(plotH));
    return f;
}

void drawFrame(QPainter &p, const GraphFrame &f, QSizeF size, const QFont &font,
               const FrameLabels &names, QColor background)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(0, 0), size), background);
    p.fillRect(f.plot, QColor(kPlotBg));

    const QRectF &r = f.plot;
    p.setPen(QPen(QColor(kGridColor), 1));
    for (double t : f.xTicks) {
        const double px = crisp(f.map(t, 0).x());
        p.drawLine(QPointF(px, r.top()), QPointF(px, r.bottom()));
    }
    for (double t : f.yTicks) {
        const double py = crisp(f.map(0, t).y());
        p.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
    }

    p.setPen(QPen(QColor(kAxisColor), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(crisp(r.left()) - 1, crisp(r.top()) - 1, r.width() + 1, r.height() + 1));
    for (double t : f.xTicks) {
        const double px = crisp(f.map(t, 0).x());
        p.drawLine(QPointF(px, r.bottom()), QPointF(px, r.bottom() + kTickLen));
    }
    for (double t : f.yTicks) {
        const double py = crisp(f.map(0, t).y());
        p.drawLine(QPointF(r.left() - kTickLen, py), QPointF(r.left(), py));
    }

    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QColor(kTextColor));
    const QFontMetricsF fm(font);
    const double labelTop = r.bottom() + kTickLen + kLabelGap;
    for (double t : f.xTicks) {
        const QString s = tickLabel(t, f.xStep);
        const double w = fm.horizontalAdvance(s);
        p.drawText(QPointF(f.map(t, 0).x() - w / 2, labelTop + fm.ascent()), s);
    }
    const double labelRight = r.left() - kTickLen - kLabelGap;
    for (double t : f.yTicks) {
        const QString s = tickLabel(t, f.yStep);
        const double w = fm.horizontalAdvance(s);
        p.drawText(QPointF(labelRight - w, f.map(0, t).y() + fm.ascent() - fm.height() / 2), s);
    }
    if (!names.xName.isEmpty()) {
        const double w = fm.horizontalAdvance(names.xName);
        p.drawText(QPointF(r.center().x() - w / 2,
                           labelTop + fm.height() + kNameGap + fm.ascent()), names.xName);
    }
    if (!names.yName.isEmpty()) {
        const double w = fm.horizontalAdvance(names.yName);
        p.translate(kEdge + fm.ascent(), r.center().y() + w / 2);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), names.yName);
    }
    p.restore();
}

}  // namespace plat
