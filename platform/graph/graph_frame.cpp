// Layout and background of the graph control.
#include "platform/graph/graph_frame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/graph/graph_time.h"

namespace plat {

namespace {

constexpr double kTickLen = 4;         // tick marks, logical px
constexpr double kLabelGap = 3;        // between tick mark and label
constexpr double kNameGap = 4;         // between labels and axis name
constexpr double kEdge = 4;            // free border around everything
constexpr double kMinPlotSide = 8;     // the plot area never gets smaller
constexpr double kXTickSpacing = 70;   // minimum px between x ticks
constexpr double kYTickSpacing = 28;   // minimum px between y ticks
constexpr double kXLabelGap = 12;      // least free px between two x labels
constexpr double kSwatch = 16;         // legend: line sample, and gaps
constexpr double kSwatchGap = 4;
constexpr double kEntryGap = 14;
constexpr double kSwatchPen = 2;
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

std::vector<double> xTicksFor(const GraphFrame &f, int maxTicks, double *step)
{
    return f.xTime ? timeTicks(f.x, maxTicks, step) : axisTicks(f.x, maxTicks, step);
}

// The x ticks of f for a plot area plotW wide: as many as fit with their labels apart.
void fitXTicks(GraphFrame &f, const QFontMetricsF &fm, double plotW)
{
    for (int n = maxTicks(plotW, kXTickSpacing); n >= 1; --n) {
        f.xTicks = xTicksFor(f, n, &f.xStep);
        if (f.xTicks.size() < 2)
            return;
        double widest = 0;
        for (double t : f.xTicks)
            widest = std::max(widest, fm.horizontalAdvance(xTickLabel(f, t)));
        if (widest + kXLabelGap <= f.xStep * plotW / (f.x.max - f.x.min))
            return;
    }
}

// Legend rows: where each entry starts, as laid out from x0 within width.
struct LegendPlace {
    std::vector<QPointF> at;  // top left of each entry, relative to the band
    int rows = 0;
};

LegendPlace placeLegend(const QFontMetricsF &fm, const std::vector<LegendEntry> &legend,
                        double width)
{
    LegendPlace place;
    double x = 0;
    int row = 0;
    for (const LegendEntry &e : legend) {
        const double w = kSwatch + kSwatchGap + fm.horizontalAdvance(e.text);
        if (x > 0 && x + w > width) {
            x = 0;
            ++row;
        }
        place.at.emplace_back(x, row * fm.height());
        x += w + kEntryGap;
    }
    place.rows = legend.empty() ? 0 : row + 1;
    return place;
}

// How far the widest legend row reaches.
double legendWidth(const QFontMetricsF &fm, const std::vector<LegendEntry> &legend,
                   const LegendPlace &place)
{
    double w = 0;
    for (std::size_t i = 0; i < legend.size(); ++i)
        w = std::max(w, place.at[i].x() + kSwatch + kSwatchGap + fm.horizontalAdvance(legend[i].text));
    return w;
}

// The x axis name, with the dates of a time axis.
QString xNameOf(const GraphFrame &f, const FrameLabels &names)
{
    if (!f.xTime)
        return names.xName;
    const QString dates = timeRangeDates(f.x);
    return names.xName.isEmpty() ? dates : names.xName + QStringLiteral("   ") + dates;
}

// A 1 px line on pixel centres, so it stays sharp at every scale.
double crisp(double v)
{
    return std::floor(v) + 0.5;
}

}  // namespace

QString xTickLabel(const GraphFrame &f, double t)
{
    return f.xTime ? timeLabel(t, f.xStep) : tickLabel(t, f.xStep);
}

GraphFrame layoutFrame(QSizeF size, const QFont &font, AxisRange x, AxisRange y,
                       const FrameLabels &names)
{
    const QFontMetricsF fm(font);
    GraphFrame f;
    f.x = x;
    f.y = y;
    f.xTime = names.xTime;
    const double nameBand = fm.height() + kNameGap;
    // The legend's rows are laid out for the widest plot area they can get.
    const int legendRows = placeLegend(fm, names.legend, size.width() - 2 * kEdge).rows;
    const double top = kEdge + fm.height() / 2 + (legendRows ? legendRows * fm.height() : 0);
    const double bottom = kEdge + kTickLen + kLabelGap + fm.height() +
                          (names.xName.isEmpty() && !names.xTime ? 0 : nameBand);
    const double plotH = std::max(kMinPlotSide, size.height() - top - bottom);
    f.yTicks = axisTicks(y, maxTicks(plotH, kYTickSpacing), &f.yStep);
    const double left = kEdge + widestLabel(fm, f.yTicks, f.yStep) + kLabelGap + kTickLen +
                        (names.yName.isEmpty() ? 0 : nameBand);
    // Room for half the last x label beyond the plot's right edge.
    const double right =
        kEdge + fm.horizontalAdvance(f.xTime ? QStringLiteral("00:00:00.000") : tickLabel(x.max, 1)) / 2;
    const double plotW = std::max(kMinPlotSide, size.width() - left - right);
    fitXTicks(f, fm, plotW);
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
        const QString s = xTickLabel(f, t);
        const double w = fm.horizontalAdvance(s);
        p.drawText(QPointF(f.map(t, 0).x() - w / 2, labelTop + fm.ascent()), s);
    }
    const double labelRight = r.left() - kTickLen - kLabelGap;
    for (double t : f.yTicks) {
        const QString s = tickLabel(t, f.yStep);
        const double w = fm.horizontalAdvance(s);
        p.drawText(QPointF(labelRight - w, f.map(0, t).y() + fm.ascent() - fm.height() / 2), s);
    }
    const QString xName = xNameOf(f, names);
    if (!xName.isEmpty()) {
        const double w = fm.horizontalAdvance(xName);
        p.drawText(QPointF(r.center().x() - w / 2,
                           labelTop + fm.height() + kNameGap + fm.ascent()), xName);
    }
    const LegendPlace place = placeLegend(fm, names.legend, size.width() - 2 * kEdge);
    const QPointF band(std::max(kEdge, std::min(r.left(), size.width() - kEdge -
                                                   legendWidth(fm, names.legend, place))),
                       kEdge);
    for (std::size_t i = 0; i < names.legend.size(); ++i) {
        const LegendEntry &e = names.legend[i];
        const QPointF at = band + place.at[i];
        const double mid = at.y() + fm.height() / 2;
        p.fillRect(QRectF(at.x(), mid - kSwatchPen / 2, kSwatch, kSwatchPen), QColor(e.color));
        p.drawText(QPointF(at.x() + kSwatch + kSwatchGap, at.y() + fm.ascent()), e.text);
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
