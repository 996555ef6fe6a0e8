// Control values: held in the control's own type, written from code without
// events, read back converted to the type the caller asks for.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/userint/controls/ctrl_widgets.h"
#include "platform/userint/controls/numeric_display.h"
#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

constexpr double kWidgetLimit = 1e15;   // largest magnitude a spin box shows
constexpr double kDefaultRangeMax = 100; // slides and bars without a range

struct Limits {
    double lo, hi;
};

Limits typeLimits(int dataType)
{
    switch (dataType) {
    case VAL_CHAR: return {CHAR_MIN, CHAR_MAX};
    case VAL_SHORT_INTEGER: return {SHRT_MIN, SHRT_MAX};
    case VAL_UNSIGNED_SHORT_INTEGER: return {0, USHRT_MAX};
    case VAL_UNSIGNED_INTEGER: return {0, UINT_MAX};
    case VAL_UNSIGNED_CHAR: return {0, UCHAR_MAX};
    case VAL_FLOAT: return {-FLT_MAX, FLT_MAX};
    case VAL_DOUBLE: return {-DBL_MAX, DBL_MAX};
    default: return {INT_MIN, INT_MAX};
    }
}

bool isIntegral(int dataType)
{
    return dataType != VAL_FLOAT && dataType != VAL_DOUBLE;
}

// Slides and bars always have a range; numerics only when one was given.
Limits shownRange(const Ctrl &c)
{
    if (c.maxValue > c.minValue)
        return {c.minValue, c.maxValue};
    if (c.kind == CTRL_SLIDE || c.kind == CTRL_BAR)
        return {0, kDefaultRangeMax};
    Limits t = typeLimits(c.dataType);
    return {std::max(t.lo, -kWidgetLimit), std::min(t.hi, kWidgetLimit)};
}

int decimalsOf(const Ctrl &c)
{
    return isIntegral(c.dataType) ? 0 : c.precision;
}

bool holdsNumber(int kind)
{
    return kind == CTRL_NUMERIC || kind == CTRL_SLIDE || kind == CTRL_BAR ||
           kind == CTRL_TOGGLE_BUTTON || kind == CTRL_BINARY_SWITCH;
}

bool holdsText(int kind)
{
    return kind == CTRL_STRING || kind == CTRL_TEXT_MSG || kind == CTRL_TEXT_BOX;
}

int setNumber(int panel, int control, double value)
{
    Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (holdsNumber(c->kind)) {
        // The range limits what the operator enters, not what the program
        // stores: a value from code is kept whole and shown as it is.
        c->value = plat::coerceToType(*c, value);
        plat::showValue(*c);
        return 0;
    }
    if (plat::isListKind(c->kind)) {
        if (c->dataType == VAL_STRING)
            return UIEBadValueType;
        const double v = plat::coerceToType(*c, value);
        for (std::size_t i = 0; i < c->items.size(); ++i) {
            if (c->items[i].intValue == v) {
                plat::setListIndex(*c, static_cast<int>(i));
                return 0;
            }
        }
        // A ring shows a code that no item carries as an entry of its own;
        // a list button has no such entry and keeps its selection.
        if (c->kind != CTRL_RING)
            return UIEIndexOutOfRange;
        plat::showUnlisted(*c, static_cast<int>(v));
        return 0;
    }
    return holdsText(c->kind) ? UIEBadValueType : UIEInvalidControlType;
}

int getNumber(int panel, int control, double *out)
{
    Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (!out)
        return UIEBadValueType;
    if (holdsNumber(c->kind)) {
        *out = c->value;
        return 0;
    }
    if (plat::isListKind(c->kind)) {
        if (c->dataType == VAL_STRING)
            return UIEBadValueType;
        if (c->unlisted) {
            *out = c->unlistedValue;
            return 0;
        }
        int index = plat::listIndex(*c);
        if (index < 0 || index >= static_cast<int>(c->items.size()))
            return UIEIndexOutOfRange;
        *out = c->items[index].intValue;
        return 0;
    }
    return holdsText(c->kind) ? UIEBadValueType : UIEInvalidControlType;
}

template <typename T> int getAs(int panel, int control, T *value)
{
    double v = 0;
    int rc = getNumber(panel, control, &v);
    if (rc < 0)
        return rc;
    if (!value)
        return UIEBadValueType;
    double lo = static_cast<double>(std::numeric_limits<T>::lowest());
    double hi = static_cast<double>(std::numeric_limits<T>::max());
    *value = static_cast<T>(std::clamp(std::round(v), lo, hi));
    return 0;
}

}  // namespace

namespace plat {

bool isNumericKind(int kind)
{
    return holdsNumber(kind) || kind == CTRL_TABLE;
}

double coerceToType(const Ctrl &c, double value)
{
    if (std::isnan(value))
        value = 0;
    if (c.kind == CTRL_TOGGLE_BUTTON || c.kind == CTRL_BINARY_SWITCH)
        return value != 0 ? 1 : 0;
    Limits t = typeLimits(c.dataType);
    if (isIntegral(c.dataType))
        value = std::round(value);
    return std::clamp(value, t.lo, t.hi);
}

double coerce(const Ctrl &c, double value)
{
    value = coerceToType(c, value);
    if (c.maxValue > c.minValue && c.kind != CTRL_TOGGLE_BUTTON && c.kind != CTRL_BINARY_SWITCH)
        value = std::clamp(value, c.minValue, c.maxValue);
    return value;
}

void showValue(Ctrl &c)
{
    QWidget *w = c.widget;
    if (!w)
        return;
    QSignalBlocker block(w);
    Limits r = shownRange(c);
    // A value stored from code may lie outside the range; the widget widens
    // to show it rather than showing a clamped number.
    if (c.kind == CTRL_NUMERIC || c.kind == CTRL_SLIDE)
        r = {std::min(r.lo, c.value), std::max(r.hi, c.value)};
    switch (c.kind) {
    case CTRL_NUMERIC: {
        // A hidden display lays out no text for every frame; it takes the
        // value when it is shown again.
        c.valueUnshown = !c.visible;
        if (c.valueUnshown)
            break;
        if (auto *display = dynamic_cast<NumericDisplay *>(w)) {
            display->setRange(r.lo, r.hi);
            display->setValue(c.value, decimalsOf(c));
            break;
        }
        // The spin box repaints at every setter, even one that changes
        // nothing; a control fed the same value again must stay still.
        auto *spin = static_cast<QDoubleSpinBox *>(w);
        if (spin->decimals() != decimalsOf(c))
            spin->setDecimals(decimalsOf(c));
        if (spin->minimum() != r.lo || spin->maximum() != r.hi)
            spin->setRange(r.lo, r.hi);
        if (spin->value() != c.value)
            spin->setValue(c.value);
        break;
    }
    case CTRL_TOGGLE_BUTTON: static_cast<QPushButton *>(w)->setChecked(c.value != 0); break;
    case CTRL_BINARY_SWITCH: static_cast<QCheckBox *>(w)->setChecked(c.value != 0); break;
    case CTRL_SLIDE: {
        auto *slide = static_cast<SlideWidget *>(w);
        QSignalBlocker blockSlider(slide->slider());
        slide->setRange(r.lo, r.hi, decimalsOf(c));
        slide->setValue(c.value);
        break;
    }
    case CTRL_BAR: {
        auto *bar = static_cast<BarWidget *>(w);
        bar->setRange(r.lo, r.hi);
        bar->setDecimals(decimalsOf(c));
        bar->setValue(c.value);
        break;
    }
    case CTRL_TABLE: {
        auto *table = static_cast<QTableWidget *>(w);
        Limits t = typeLimits(c.dataType);
        Limits edit = c.maxValue > c.minValue ? Limits{c.minValue, c.maxValue} : t;
        static_cast<NumericCellDelegate *>(table->itemDelegate())
            ->setLimits(std::max(edit.lo, -kWidgetLimit), std::min(edit.hi, kWidgetLimit),
                        decimalsOf(c));
        table->viewport()->update();
        break;
    }
    default: break;
    }
}

void operatorChanged(int panel, int control, int eventData1, int eventData2)
{
    dispatch(panel, control, EVENT_VAL_CHANGED, eventData1, eventData2);
    if (findCtrl(panel, control))
        dispatch(panel, control, EVENT_COMMIT, eventData1, eventData2);
}

int copyOut(const QString &text, char *buffer, std::size_t size)
{
    if (!buffer || size == 0)
        return UIEBadValueType;
    QByteArray utf8 = text.toUtf8();
    std::size_t n = std::min<std::size_t>(utf8.size(), size - 1);
    // Never cut a multi-byte character in half.
    while (n > 0 && n < static_cast<std::size_t>(utf8.size()) && (utf8[n] & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, utf8.constData(), n);
    buffer[n] = '\0';
    return 0;
}

QString fromUtf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace plat

int SetCtrlVal(int panel, int control, int value) { return setNumber(panel, control, value); }
int SetCtrlVal(int panel, int control, unsigned short value)
{
    return setNumber(panel, control, value);
}
int SetCtrlVal(int panel, int control, unsigned int value)
{
    return setNumber(panel, control, value);
}
int SetCtrlVal(int panel, int control, double value) { return setNumber(panel, control, value); }

// Strings and messages take the text; a text box appends it; a text list
// selects the item with that value.
int SetCtrlVal(int panel, int control, const char *value)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (!value)
        return UIEBadValueType;
    QString text = QString::fromUtf8(value);
    QSignalBlocker block(c->widget);
    switch (c->kind) {
    case CTRL_STRING: {
        auto *edit = static_cast<QLineEdit *>(c->widget.data());
        edit->setText(text);
        return 0;
    }
    case CTRL_TEXT_MSG:
        static_cast<QLabel *>(c->widget.data())->setText(text);
        if (c->autoSize)
            c->widget->adjustSize();
        return 0;
    case CTRL_TEXT_BOX: {
        auto *box = static_cast<QPlainTextEdit *>(c->widget.data());
        QSignalBlocker block(box);  // text written from code raises no event
        QTextCursor cursor(box->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        return 0;
    }
    default: break;
    }
    if (plat::isListKind(c->kind)) {
        if (c->dataType != VAL_STRING)
            return UIEBadValueType;
        for (std::size_t i = 0; i < c->items.size(); ++i) {
            if (c->items[i].textValue == text) {
                plat::setListIndex(*c, static_cast<int>(i));
                return 0;
            }
        }
        return UIEIndexOutOfRange;
    }
    return holdsNumber(c->kind) ? UIEBadValueType : UIEInvalidControlType;
}

int GetCtrlVal(int panel, int control, int *value) { return getAs(panel, control, value); }
int GetCtrlVal(int panel, int control, unsigned short *value)
{
    return getAs(panel, control, value);
}
int GetCtrlVal(int panel, int control, short *value) { return getAs(panel, control, value); }
int GetCtrlVal(int panel, int control, unsigned int *value)
{
    return getAs(panel, control, value);
}
int GetCtrlVal(int panel, int control, double *value) { return getNumber(panel, control, value); }

int GetCtrlVal(int panel, int control, char *value, std::size_t size)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    switch (c->kind) {
    case CTRL_STRING:
        return plat::copyOut(static_cast<QLineEdit *>(c->widget.data())->text(), value, size);
    case CTRL_TEXT_MSG:
        return plat::copyOut(static_cast<QLabel *>(c->widget.data())->text(), value, size);
    case CTRL_TEXT_BOX:
        return plat::copyOut(static_cast<QPlainTextEdit *>(c->widget.data())->toPlainText(),
                             value, size);
    default: break;
    }
    if (plat::isListKind(c->kind)) {
        if (c->dataType != VAL_STRING)
            return UIEBadValueType;
        int index = plat::listIndex(*c);
        if (index < 0 || index >= static_cast<int>(c->items.size()))
            return UIEIndexOutOfRange;
        return plat::copyOut(c->items[index].textValue, value, size);
    }
    return holdsNumber(c->kind) ? UIEBadValueType : UIEInvalidControlType;
}
