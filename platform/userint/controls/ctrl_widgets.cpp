// The widgets of the bar, slide, list button and decoration kinds, and the
// numeric editor of table cells.
#include "platform/userint/controls/ctrl_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/userint/outline.h"

namespace plat {

namespace {
constexpr int kScaleTicks = 4;        // intervals of the bar's scale
constexpr int kTickLength = 4;
constexpr int kBarMinWidth = 8;
constexpr int kSlideValueWidth = 48;  // room for the slide's value
constexpr int kListPopupMargin = 24;  // beyond the widest entry
}  // namespace

// ---- bar -----------------------------------------------------------------

BarWidget::BarWidget(QWidget *parent) : QWidget(parent)
{
    // It paints its own background, around the bar only: a new value
    // repaints the bar, which covers its area anyway.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarWidget::setRange(double min, double max)
{
    if (!(max > min) || (min == min_ && max == max_))
        return;
    min_ = min;
    max_ = max;
    labelWidth_ = -1;
    update();
}

// Only the rows between the old and the new level change; a value within
// the same row repaints nothing.
void BarWidget::setValue(double value)
{
    if (value == value_)
        return;
    const QRect bar = barRect(labelWidth());
    const int before = filledRows(bar, value_), after = filledRows(bar, value);
    value_ = value;
    if (before != after)
        update(QRect(bar.left(), bar.bottom() - std::max(before, after) + 1, bar.width(),
                     std::abs(after - before)));
}

void BarWidget::setFillColor(const QColor &color)
{
    if (color == fill_)
        return;
    fill_ = color;
    update();
}

void BarWidget::setDecimals(int decimals)
{
    if (decimals == decimals_)
        return;
    decimals_ = decimals;
    labelWidth_ = -1;
    update();
}

void BarWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        labelWidth_ = -1;
        lineHeight_ = -1;
    }
    QWidget::changeEvent(event);
}

// Width of the widest scale label, measured once per range, decimals and
// font: text measuring costs more than the rest of a repaint.
int BarWidget::labelWidth() const
{
    if (labelWidth_ >= 0)
        return labelWidth_;
    QFontMetrics fm = fontMetrics();
    int widest = 0;
    for (int i = 0; i <= kScaleTicks; ++i) {
        double v = min_ + (max_ - min_) * i / kScaleTicks;
        widest = std::max(widest, fm.horizontalAdvance(QString::number(v, 'f', decimals_)));
    }
    labelWidth_ = widest;
    return widest;
}

// Height of a line of text, measured once per font.
int BarWidget::lineHeight() const
{
    if (lineHeight_ < 0)
        lineHeight_ = fontMetrics().height();
    return lineHeight_;
}

// The bar right of the scale, half a text line in from top and bottom.
QRect BarWidget::barRect(int labelWidth) const
{
    int half = lineHeight() / 2;
    int barLeft = labelWidth + kTickLength + 2;
    int barWidth = std::max(kBarMinWidth, width() - barLeft - 1);
    return QRect(barLeft, half, barWidth, std::max(1, height() - 2 * half - 1));
}

// Rows of bar filled from the bottom for value.
int BarWidget::filledRows(const QRect &bar, double value) const
{
    const double fraction = std::clamp((value - min_) / (max_ - min_), 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * bar.height()));
}

// Scale labels on the left, the bar on the right filled from the bottom in
// proportion to the value within the range.
void BarWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const int labels = labelWidth();
    const QRect bar = barRect(labels);
    const int line = lineHeight();
    int half = line / 2;
    int barLeft = bar.left();

    for (const QRect &r : event->region().subtracted(bar))
        p.fillRect(r, palette().brush(backgroundRole()));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    // A new value repaints the bar alone; the scale is drawn only when asked.
    const bool scale = event->rect().left() < barLeft;
    for (int i = 0; scale && i <= kScaleTicks; ++i) {
        double v = min_ + (max_ - min_) * i / kScaleTicks;
        int y = bar.bottom() - bar.height() * i / kScaleTicks;
        p.drawLine(barLeft - kTickLength - 1, y, barLeft - 2, y);
        p.drawText(QRect(0, y - half, labels, line), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', decimals_));
    }
    const int filled = filledRows(bar, value_);
    p.fillRect(QRect(bar.left(), bar.top(), bar.width(), bar.height() - filled),
               palette().color(QPalette::Base));
    p.fillRect(QRect(bar.left(), bar.bottom() - filled + 1, bar.width(), filled),
               isEnabled() ? fill_ : fill_.lighter(150));
    drawOutline(p, bar, p.pen().color());
}

// ---- slide ---------------------------------------------------------------

SlideWidget::SlideWidget(QWidget *parent) : QWidget(parent)
{
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setTickPosition(QSlider::TicksBelow);
    setFocusProxy(slider_);
    valueLabel_ = new QLabel(this);
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel_->setFrameShape(QFrame::StyledPanel);
    valueLabel_->setFrameShadow(QFrame::Sunken);
    QObject::connect(slider_, &QSlider::valueChanged, valueLabel_, [this](int pos) {
        valueLabel_->setText(QString::number(valueOfPosition(pos), 'f', decimals_));
    });
}

void SlideWidget::setRange(double min, double max, int decimals)
{
    decimals_ = std::clamp(decimals, 0, 6);
    scale_ = std::pow(10.0, decimals_);
    slider_->setRange(static_cast<int>(std::lround(min * scale_)),
                      static_cast<int>(std::lround(max * scale_)));
    int span = slider_->maximum() - slider_->minimum();
    slider_->setTickInterval(std::max(1, span / 10));
    slider_->setPageStep(std::max(1, span / 10));
}

void SlideWidget::setValue(double value)
{
    slider_->setValue(static_cast<int>(std::lround(value * scale_)));
    valueLabel_->setText(QString::number(value, 'f', decimals_));
}

double SlideWidget::value() const
{
    return valueOfPosition(slider_->value());
}

double SlideWidget::valueOfPosition(int position) const
{
    return position / scale_;
}

void SlideWidget::resizeEvent(QResizeEvent *)
{
    // The value's room grows with the text when the window is scaled.
    const double appPoints = QApplication::font().pointSizeF();
    const double grow = appPoints > 0 && font().pointSizeF() > 0 ? font().pointSizeF() / appPoints : 1.0;
    int valueWidth = std::min(static_cast<int>(kSlideValueWidth * std::max(1.0, grow)), width() / 3);
    slider_->setGeometry(0, 0, width() - valueWidth - 4, height());
    int h = std::min(height(), fontMetrics().height() + 6);
    valueLabel_->setGeometry(width() - valueWidth, (height() - h) / 2, valueWidth, h);
}

// ---- list button ---------------------------------------------------------

// The list opens at least as wide as its widest entry.
void ListButton::showPopup()
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    view()->setMinimumWidth(widest + kListPopupMargin);
    QComboBox::showPopup();
}

void ListButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton button;
    button.initFrom(this);
    p.drawControl(QStyle::CE_PushButtonBevel, button);
    QStyleOption arrow;
    arrow.initFrom(this);
    int side = std::max(4, std::min(width(), height()) / 2);
    arrow.rect = QRect((width() - side) / 2, (height() - side) / 2, side, side);
    p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}

// ---- decoration ----------------------------------------------------------

DecorationWidget::DecorationWidget(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
}

void DecorationWidget::setFillColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

// ---- numeric table cells -------------------------------------------------

void NumericCellDelegate::setLimits(double min, double max, int decimals)
{
    min_ = min;
    max_ = max;
    decimals_ = decimals;
}

QWidget *NumericCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &) const
{
    auto *spin = new QDoubleSpinBox(parent);
    spin->setFrame(false);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setDecimals(decimals_);
    spin->setRange(min_, max_);
    return spin;
}

void NumericCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QDoubleSpinBox *>(editor)->setValue(index.data(Qt::EditRole).toDouble());
}

void NumericCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                       const QModelIndex &index) const
{
    auto *spin = static_cast<QDoubleSpinBox *>(editor);
    spin->interpretText();
    model->setData(index, spin->value(), Qt::EditRole);
}

void NumericCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    constexpr int kCellTextMargin = 2;
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    QRect r = opt.rect.adjusted(kCellTextMargin, 0, -kCellTextMargin, 0);
    if (opt.fontMetrics.horizontalAdvance(text) > r.width())
        r = opt.rect.adjusted(0, 0, -1, 0);  // the margin gives way to a digit
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->drawText(r, Qt::AlignRight | Qt::AlignVCenter,
                      opt.fontMetrics.elidedText(text, Qt::ElideRight, r.width()));
    painter->restore();
}

QString NumericCellDelegate::displayText(const QVariant &value, const QLocale &) const
{
    return QString::number(value.toDouble(), 'f', decimals_);
}

}  // namespace plat
