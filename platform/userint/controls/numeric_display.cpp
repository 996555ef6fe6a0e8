#include "platform/userint/controls/numeric_display.h"
#include "platform/userint/controls/digit_strip.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {
// Where a spin box's line edit draws its text inside the edit field.
constexpr int kTextMarginX = 2;
constexpr int kTextMarginY = 1;
constexpr int kCursorRoom = 2;   // the spin box leaves this for its cursor
constexpr double kGroupingFrom = 1000.0;

QStyleOptionSpinBox FrameOption(const QWidget *w)
{
    QStyleOptionSpinBox opt;
    opt.initFrom(w);
    opt.frame = true;
    opt.buttonSymbols = QAbstractSpinBox::NoButtons;
    opt.stepEnabled = QAbstractSpinBox::StepNone;
    opt.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
    return opt;
}
}  // namespace

// The field inside the frame: opaque, so a new value repaints it alone and
// nothing behind it.
class NumericDisplay::Field : public QWidget {
public:
    explicit Field(NumericDisplay *display) : QWidget(display), display_(display)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        const QRect text = rect().adjusted(kTextMarginX, kTextMarginY, -kTextMarginX, -kTextMarginY);
        const DigitStrip::Look look{font(), palette().color(QPalette::Text),
                                    palette().color(QPalette::Base), devicePixelRatioF()};
        if (strip_.draw(p, rect(), text, display_->text(), look, display_->chars_))
            return;
        p.fillRect(event->rect(), palette().brush(QPalette::Base));
        p.setPen(look.text);
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, display_->text());
    }

private:
    NumericDisplay *display_;
    DigitStrip strip_;
};

NumericDisplay::NumericDisplay(QWidget *parent) : QWidget(parent), field_(new Field(this))
{
    setFocusPolicy(Qt::NoFocus);
    refreshChars();
    refreshText();
}

void NumericDisplay::refreshChars()
{
    chars_ = QStringLiteral("0123456789") + locale().decimalPoint() + locale().negativeSign();
}

// As a spin box shows a number: fixed decimals, no group separators.
QString NumericDisplay::format(double value) const
{
    QString s = locale().toString(value, 'f', decimals_);
    if (std::fabs(value) >= kGroupingFrom)
        s.remove(locale().groupSeparator());
    return s;
}

void NumericDisplay::setValue(double value, int decimals)
{
    if (value == value_ && decimals == decimals_)
        return;
    value_ = value;
    if (decimals != decimals_) {
        decimals_ = decimals;
        updateGeometry();
    }
    refreshText();
}

void NumericDisplay::setRange(double min, double max)
{
    if (min == min_ && max == max_)
        return;
    min_ = min;
    max_ = max;
    updateGeometry();
}

void NumericDisplay::refreshText()
{
    QString text = format(value_);
    if (text == text_)
        return;
    text_ = std::move(text);
    field_->update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, value_);
        QAccessible::updateAccessibility(&changed);
    }
}

QRect NumericDisplay::fieldRect() const
{
    const QStyleOptionSpinBox opt = FrameOption(this);
    return style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxEditField, this);
}

void NumericDisplay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QStyleOptionSpinBox opt = FrameOption(this);
    style()->drawComplexControl(QStyle::CC_SpinBox, &opt, &p, this);
}

void NumericDisplay::resizeEvent(QResizeEvent *event)
{
    field_->setGeometry(fieldRect());
    QWidget::resizeEvent(event);
}

void NumericDisplay::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LocaleChange:
        refreshChars();
        refreshText();
        break;
    case QEvent::StyleChange:
    case QEvent::FontChange: field_->setGeometry(fieldRect()); break;
    default: break;
    }
    QWidget::changeEvent(event);
}

// As a read-only spin box without arrows sizes itself: room for the wider of
// the two limits' texts, a blank and the cursor.
QSize NumericDisplay::minimumSizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int w = std::max(fm.horizontalAdvance(format(min_) + u' '),
                           fm.horizontalAdvance(format(max_) + u' ')) +
                  kCursorRoom;
    const int h = fm.height() + std::max(2 * kTextMarginY, fm.leading());
    const QStyleOptionSpinBox opt = FrameOption(this);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, QSize(w, h), this);
}

QSize NumericDisplay::sizeHint() const
{
    return minimumSizeHint();
}

namespace {

// What screen readers see: a read-only spin box whose value is the drawn
// text, with no parts of its own.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DisplayAccessible(NumericDisplay *w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? display()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The value as drawn, rounded to its decimals.
    QVariant currentValue() const override
    {
        return display()->locale().toDouble(QString(display()->text()).remove(
            display()->locale().groupSeparator()));
    }
    void setCurrentValue(const QVariant &) override {}  // the program alone writes it
    QVariant maximumValue() const override { return display()->maximum(); }
    QVariant minimumValue() const override { return display()->minimum(); }
    QVariant minimumStepSize() const override { return std::pow(10.0, -display()->decimals()); }

private:
    NumericDisplay *display() const { return static_cast<NumericDisplay *>(widget()); }
};

QAccessibleInterface *DisplayFactory(const QString &, QObject *object)
{
    if (auto *display = dynamic_cast<NumericDisplay *>(object))
        return new DisplayAccessible(display);
    return nullptr;
}

}  // namespace

void installNumericDisplayAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(DisplayFactory);
}

}  // namespace plat
