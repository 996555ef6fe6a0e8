// Control attributes. Every settable attribute reads back exactly what was
// set; an attribute a control kind does not have is UIEInvalidAttribute, a
// value of the wrong type UIEBadValueType.
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/graph/graph_widget.h"
#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

constexpr int kRgbMask = 0xFFFFFF;
constexpr int kUnlimitedEntry = 32767;  // QLineEdit's own maximum

enum class AttrType { Int, Double, Text, Pointer, Function, None };

AttrType typeOf(int attribute)
{
    switch (attribute) {
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
    case ATTR_INTERVAL: return AttrType::Double;
    case ATTR_ENABLED: return AttrType::Int;
    case ATTR_LABEL_TEXT:
    case ATTR_TEXT_FONT:
    case ATTR_TOOLTIP_TEXT: return AttrType::Text;
    case ATTR_CALLBACK_DATA: return AttrType::Pointer;
    case ATTR_CALLBACK_FUNCTION_POINTER: return AttrType::Function;
    case ATTR_TITLE:
    case ATTR_NUM_CTRLS:
    case ATTR_ACTIVE_CTRL:
    case ATTR_PANEL_FIRST_CTRL:
    case ATTR_SIZABLE:
    case ATTR_SCALE_CONTENTS_ON_RESIZE: return AttrType::None;  // panel attributes
    default:
        return attribute >= ATTR_DIMMED && attribute <= ATTR_NUM_COLUMNS ? AttrType::Int
                                                                         : AttrType::None;
    }
}

bool hasText(int kind)
{
    return kind != CTRL_DECORATION && kind != CTRL_PICTURE;
}

// Whether a control of this kind has the attribute at all.
bool applies(int kind, int attribute)
{
    switch (attribute) {
    case ATTR_INTERVAL:
    case ATTR_ENABLED: return kind == CTRL_TIMER;
    case ATTR_CMD_BUTTON_COLOR:
    case ATTR_SHORTCUT_KEY: return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON;
    case ATTR_TEXT_BGCOLOR:
        return kind == CTRL_TEXT_MSG || kind == CTRL_STRING || kind == CTRL_NUMERIC ||
               kind == CTRL_TEXT_BOX || kind == CTRL_RING;
    case ATTR_TEXT_COLOR:
    case ATTR_TEXT_FONT:
    case ATTR_TEXT_FONT_NAME_LENGTH:
    case ATTR_TEXT_POINT_SIZE:
    case ATTR_TEXT_BOLD:
    case ATTR_TEXT_ITALIC: return hasText(kind);
    case ATTR_DATA_TYPE:
        return kind == CTRL_NUMERIC || kind == CTRL_RING || kind == CTRL_LIST_BUTTON ||
               kind == CTRL_TABLE || kind == CTRL_SLIDE || kind == CTRL_BAR;
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
        return kind == CTRL_NUMERIC || kind == CTRL_SLIDE || kind == CTRL_BAR ||
               kind == CTRL_TABLE;
    case ATTR_MAX_ENTRY_LENGTH:
    case ATTR_TEXT_SELECTION_START:
    case ATTR_TEXT_SELECTION_LENGTH:
    case ATTR_STRING_TEXT_LENGTH: return kind == CTRL_STRING;
    case ATTR_POINTS_PER_SCREEN:
    case ATTR_NUM_TRACES: return kind == CTRL_STRIP_CHART;
    case ATTR_NUM_PLOTS:
    case ATTR_NUM_CURSORS: return kind == CTRL_GRAPH;
    case ATTR_NUM_ROWS:
    case ATTR_NUM_COLUMNS: return kind == CTRL_TABLE;
    case ATTR_TITLE:
    case ATTR_NUM_CTRLS:
    case ATTR_ACTIVE_CTRL:
    case ATTR_PANEL_FIRST_CTRL:
    case ATTR_SIZABLE:
    case ATTR_SCALE_CONTENTS_ON_RESIZE: return false;
    default: return typeOf(attribute) != AttrType::None;
    }
}

bool readOnly(int attribute)
{
    return attribute == ATTR_CTRL_STYLE || attribute == ATTR_TEXT_FONT_NAME_LENGTH ||
           attribute == ATTR_NEXT_CTRL || attribute == ATTR_STRING_TEXT_LENGTH ||
           attribute == ATTR_NUM_PLOTS || attribute == ATTR_NUM_ROWS ||
           attribute == ATTR_NUM_COLUMNS;
}

// The control for an attribute access, or the code saying why not.
int attrCtrl(int panel, int control, int attribute, Ctrl **c)
{
    *c = plat::findCtrl(panel, control);
    if (!*c)
        return plat::checkCtrl(panel, control);
    return applies((*c)->kind, attribute) ? 0 : UIEInvalidAttribute;
}

GraphWidget *graphOf(Ctrl &c)
{
    return dynamic_cast<GraphWidget *>(c.widget.data());
}

void moveInOrder(std::vector<int> &order, int id, int position)
{
    std::erase(order, id);
    position = std::clamp(position, 0, static_cast<int>(order.size()));
    order.insert(order.begin() + position, id);
}

int indexIn(const std::vector<int> &order, int id)
{
    auto it = std::find(order.begin(), order.end(), id);
    return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

// Geometry is kept at 100 %; the widget shows it at its panel's scale.
QRect designGeometry(const Ctrl &c)
{
    if (!c.autoSize)
        return QRect(c.left, c.top, c.width, c.height);
    // A text that fits itself: its size at 100 % follows from the widget's.
    const double s = plat::fontScale(c.panel);
    return QRect(c.left, c.top, static_cast<int>(std::lround(c.widget->width() / s)),
                 static_cast<int>(std::lround(c.widget->height() / s)));
}

void setGeometryPart(Ctrl &c, int attribute, int value)
{
    QRect g = designGeometry(c);
    switch (attribute) {
    case ATTR_TOP: g.moveTop(value); break;
    case ATTR_LEFT: g.moveLeft(value); break;
    case ATTR_WIDTH: g.setWidth(std::max(0, value)); c.autoSize = false; break;
    default: g.setHeight(std::max(0, value)); c.autoSize = false; break;
    }
    c.top = g.top();
    c.left = g.left();
    c.width = g.width();
    c.height = g.height();
    plat::placeCtrl(c);
}

// A list changing between text and number values converts its items.
void changeDataType(Ctrl &c, int type)
{
    c.dataType = type;
    if (plat::isListKind(c.kind)) {
        for (plat::ListItem &item : c.items) {
            if (type == VAL_STRING)
                item.textValue = QString::number(item.intValue);
            else
                item.intValue = item.textValue.toInt();
        }
        return;
    }
    c.value = plat::coerce(c, c.value);
    if (c.kind == CTRL_TABLE) {
        auto *table = static_cast<QTableWidget *>(c.widget.data());
        QSignalBlocker block(table);
        for (int row = 0; row < table->rowCount(); ++row)
            for (int col = 0; col < table->columnCount(); ++col) {
                QTableWidgetItem *it = table->item(row, col);
                it->setData(Qt::EditRole, plat::coerce(c, it->data(Qt::EditRole).toDouble()));
            }
    }
    plat::showValue(c);
}

int setSelection(Ctrl &c, int attribute, int value)
{
    auto *edit = static_cast<QLineEdit *>(c.widget.data());
    int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    int length = edit->selectedText().size();
    if (attribute == ATTR_TEXT_SELECTION_START)
        start = std::clamp(value, 0, static_cast<int>(edit->text().size()));
    else
        length = std::max(0, value);
    length = std::min<int>(length, edit->text().size() - start);
    if (length > 0)
        edit->setSelection(start, length);
    else
        edit->setCursorPosition(start);
    return 0;
}

int setGraphAttr(Ctrl &c, int attribute, int value)
{
    GraphWidget *g = graphOf(c);
    if (!g)
        return UIEInvalidControlType;
    if (value < 0)
        return UIEBadValueType;
    if (attribute == ATTR_POINTS_PER_SCREEN)
        g->setPointsPerScreen(value);
    else if (attribute == ATTR_NUM_TRACES)
        g->setNumTraces(value);
    else
        g->setNumCursors(value);
    return 0;
}

int setInt(Ctrl &c, int attribute, int value)
{
    plat::Panel *p = plat::findPanel(c.panel);
    if (c.kind == CTRL_TIMER && attribute == ATTR_VISIBLE)
        return 0;  // a timer is never shown
    switch (attribute) {
    case ATTR_ENABLED: return plat::setTimerAttribute(c, attribute, value);
    case ATTR_DIMMED: c.dimmed = value != 0; break;
    case ATTR_VISIBLE:
        c.visible = value != 0;
        if (c.visible && c.valueUnshown)
            plat::showValue(c);
        c.widget->setVisible(c.visible);
        plat::placeLabel(c);
        return 0;
    case ATTR_CTRL_MODE:
        if (value != VAL_HOT && value != VAL_INDICATOR)
            return UIEBadValueType;
        c.mode = value;
        plat::matchNumericWidget(c);
        break;
    case ATTR_CMD_BUTTON_COLOR: c.buttonColor = value & kRgbMask; break;
    case ATTR_TEXT_COLOR: c.textColor = value & kRgbMask; break;
    case ATTR_TEXT_BGCOLOR:
        c.textBgColor = value == VAL_TRANSPARENT ? VAL_TRANSPARENT : value & kRgbMask;
        break;
    case ATTR_FRAME_COLOR: c.frameColor = value & kRgbMask; break;
    case ATTR_LABEL_COLOR: c.labelColor = value & kRgbMask; break;
    case ATTR_TOP:
    case ATTR_LEFT:
    case ATTR_WIDTH:
    case ATTR_HEIGHT: setGeometryPart(c, attribute, value); return 0;
    case ATTR_TEXT_POINT_SIZE:
        if (value <= 0)
            return UIEBadValueType;
        c.pointSize = value;
        break;
    case ATTR_TEXT_BOLD: c.bold = value != 0; break;
    case ATTR_TEXT_ITALIC: c.italic = value != 0; break;
    case ATTR_CTRL_TAB_POSITION:
        moveInOrder(p->tabOrder, c.id, value);
        plat::applyTabOrder(*p);
        return 0;
    case ATTR_ZPLANE_POSITION:
        moveInOrder(p->zOrder, c.id, value);
        plat::applyZOrder(*p);
        return 0;
    case ATTR_MAX_ENTRY_LENGTH:
        c.maxEntryLength = value < 0 ? -1 : value;
        static_cast<QLineEdit *>(c.widget.data())
            ->setMaxLength(value < 0 ? kUnlimitedEntry : std::min(value, kUnlimitedEntry));
        return 0;
    case ATTR_TEXT_SELECTION_START:
    case ATTR_TEXT_SELECTION_LENGTH: return setSelection(c, attribute, value);
    case ATTR_SHORTCUT_KEY:
        c.shortcutKey = value;
        plat::bindShortcut(c);
        return 0;
    case ATTR_DATA_TYPE:
        if (value < VAL_CHAR || value > VAL_UNSIGNED_CHAR ||
            (value == VAL_STRING && !plat::isListKind(c.kind)))
            return UIEBadValueType;
        changeDataType(c, value);
        return 0;
    case ATTR_POINTS_PER_SCREEN:
    case ATTR_NUM_TRACES:
    case ATTR_NUM_CURSORS: return setGraphAttr(c, attribute, value);
    default: return UIEInvalidAttribute;
    }
    plat::applyLook(c);
    return 0;
}

int setDouble(Ctrl &c, int attribute, double value)
{
    if (attribute == ATTR_INTERVAL)
        return plat::setTimerAttribute(c, attribute, value);
    if (attribute == ATTR_MIN_VALUE)
        c.minValue = value;
    else
        c.maxValue = value;
    if (c.kind == CTRL_TABLE) {
        changeDataType(c, c.dataType);  // re-coerces every cell
        return 0;
    }
    c.value = plat::coerce(c, c.value);
    plat::showValue(c);
    return 0;
}

int colourOr(int set, const QColor &effective)
{
    return set >= 0 ? set : static_cast<int>(effective.rgb() & kRgbMask);
}

int getGraphAttr(Ctrl &c, int attribute, int *value)
{
    GraphWidget *g = graphOf(c);
    if (!g)
        return UIEInvalidControlType;
    switch (attribute) {
    case ATTR_POINTS_PER_SCREEN: *value = g->pointsPerScreen(); break;
    case ATTR_NUM_TRACES: *value = g->numTraces(); break;
    case ATTR_NUM_PLOTS: *value = g->numPlots(); break;
    default: *value = g->numCursors(); break;
    }
    return 0;
}

QString fontNameOf(const Ctrl &c)
{
    return c.fontName.isEmpty() ? QApplication::font().family() : c.fontName;
}

int getInt(Ctrl &c, int attribute, int *value)
{
    plat::Panel *p = plat::findPanel(c.panel);
    QWidget *w = c.widget;
    QPalette pal = w->palette();
    switch (attribute) {
    case ATTR_DIMMED: *value = c.dimmed; return 0;
    case ATTR_VISIBLE: *value = c.visible; return 0;
    case ATTR_ENABLED: {
        double on = 0;
        plat::getTimerAttribute(c, attribute, &on);
        *value = on != 0;
        return 0;
    }
    case ATTR_CTRL_MODE: *value = c.mode; return 0;
    case ATTR_CMD_BUTTON_COLOR: *value = colourOr(c.buttonColor, pal.color(QPalette::Button)); return 0;
    case ATTR_TEXT_COLOR: *value = colourOr(c.textColor, pal.color(QPalette::WindowText)); return 0;
    case ATTR_TEXT_BGCOLOR:
        *value = c.textBgColor >= 0 ? c.textBgColor
                 : c.kind == CTRL_TEXT_MSG ? VAL_TRANSPARENT
                                           : colourOr(-1, pal.color(QPalette::Base));
        return 0;
    case ATTR_FRAME_COLOR: *value = colourOr(c.frameColor, pal.color(QPalette::Window)); return 0;
    case ATTR_LABEL_COLOR:
        *value = colourOr(c.labelColor, c.label ? c.label->palette().color(QPalette::WindowText)
                                                : pal.color(QPalette::WindowText));
        return 0;
    case ATTR_TOP: *value = designGeometry(c).top(); return 0;
    case ATTR_LEFT: *value = designGeometry(c).left(); return 0;
    case ATTR_WIDTH: *value = designGeometry(c).width(); return 0;
    case ATTR_HEIGHT: *value = designGeometry(c).height(); return 0;
    case ATTR_TEXT_FONT_NAME_LENGTH:
        *value = static_cast<int>(fontNameOf(c).toUtf8().size());
        return 0;
    case ATTR_TEXT_POINT_SIZE:
        *value = c.pointSize > 0 ? c.pointSize : QApplication::font().pointSize();
        return 0;
    case ATTR_TEXT_BOLD: *value = c.bold; return 0;
    case ATTR_TEXT_ITALIC: *value = c.italic; return 0;
    case ATTR_CTRL_STYLE: *value = c.kind; return 0;
    case ATTR_DATA_TYPE: *value = c.dataType; return 0;
    case ATTR_MAX_ENTRY_LENGTH: *value = c.maxEntryLength; return 0;
    case ATTR_TEXT_SELECTION_START: {
        auto *edit = static_cast<QLineEdit *>(w);
        *value = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        return 0;
    }
    case ATTR_TEXT_SELECTION_LENGTH:
        *value = static_cast<int>(static_cast<QLineEdit *>(w)->selectedText().size());
        return 0;
    case ATTR_STRING_TEXT_LENGTH:
        *value = static_cast<int>(static_cast<QLineEdit *>(w)->text().toUtf8().size());
        return 0;
    case ATTR_CTRL_TAB_POSITION: *value = indexIn(p->tabOrder, c.id); return 0;
    case ATTR_NEXT_CTRL: {
        const int at = indexIn(p->tabOrder, c.id);
        *value = at + 1 < static_cast<int>(p->tabOrder.size()) ? p->tabOrder[at + 1] : 0;
        return 0;
    }
    case ATTR_ZPLANE_POSITION: *value = indexIn(p->zOrder, c.id); return 0;
    case ATTR_SHORTCUT_KEY: *value = c.shortcutKey; return 0;
    case ATTR_NUM_ROWS: *value = static_cast<QTableWidget *>(w)->rowCount(); return 0;
    case ATTR_NUM_COLUMNS: *value = static_cast<QTableWidget *>(w)->columnCount(); return 0;
    case ATTR_POINTS_PER_SCREEN:
    case ATTR_NUM_TRACES:
    case ATTR_NUM_PLOTS:
    case ATTR_NUM_CURSORS: return getGraphAttr(c, attribute, value);
    default: return UIEInvalidAttribute;
    }
}

}  // namespace

int SetCtrlAttribute(int panel, int control, int attribute, int value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (readOnly(attribute))
        return UIEInvalidAttribute;
    switch (typeOf(attribute)) {
    case AttrType::Int: return setInt(*c, attribute, value);
    case AttrType::Double: return setDouble(*c, attribute, value);
    case AttrType::Pointer:
        if (value != 0)
            return UIEBadValueType;
        c->callbackData = nullptr;
        return 0;
    default: return UIEBadValueType;
    }
}

int SetCtrlAttribute(int panel, int control, int attribute, double value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (readOnly(attribute))
        return UIEInvalidAttribute;
    if (typeOf(attribute) == AttrType::Double)
        return setDouble(*c, attribute, value);
    if (typeOf(attribute) == AttrType::Int && std::isfinite(value) &&
        std::abs(value) <= static_cast<double>(INT_MAX))
        return setInt(*c, attribute, static_cast<int>(std::lround(value)));
    return UIEBadValueType;
}

int SetCtrlAttribute(int panel, int control, int attribute, const char *value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (typeOf(attribute) != AttrType::Text || !value)
        return UIEBadValueType;
    if (attribute == ATTR_TEXT_FONT) {
        c->fontName = QString::fromUtf8(value);
        plat::applyLook(*c);
        return 0;
    }
    if (attribute == ATTR_TOOLTIP_TEXT) {
        c->toolTip = QString::fromUtf8(value);
        c->widget->setToolTip(c->toolTip);
        // Screen readers offer the same help.
        c->widget->setAccessibleDescription(c->toolTip);
        return 0;
    }
    c->labelText = QString::fromUtf8(value);
    if (c->kind == CTRL_TEXT_MSG) {
        // A text message's label is its text.
        static_cast<QLabel *>(c->widget.data())->setText(c->labelText);
        if (c->autoSize)
            c->widget->adjustSize();
    }
    plat::placeLabel(*c);
    plat::applyAccessibleName(*c);
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, void *value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (typeOf(attribute) != AttrType::Pointer)
        return UIEBadValueType;
    c->callbackData = value;
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (typeOf(attribute) != AttrType::Function)
        return UIEBadValueType;
    c->callback = value;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, int *value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (!value)
        return UIEBadValueType;
    if (typeOf(attribute) == AttrType::Double) {
        double v = attribute == ATTR_MIN_VALUE ? c->minValue : c->maxValue;
        if (attribute == ATTR_INTERVAL)
            plat::getTimerAttribute(*c, attribute, &v);
        *value = static_cast<int>(std::clamp(std::round(v), double(INT_MIN), double(INT_MAX)));
        return 0;
    }
    if (typeOf(attribute) != AttrType::Int)
        return UIEBadValueType;
    return getInt(*c, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, double *value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (!value)
        return UIEBadValueType;
    if (attribute == ATTR_INTERVAL)
        return plat::getTimerAttribute(*c, attribute, value);
    if (typeOf(attribute) == AttrType::Double) {
        *value = attribute == ATTR_MIN_VALUE ? c->minValue : c->maxValue;
        return 0;
    }
    int v = 0;
    int rc = typeOf(attribute) == AttrType::Int ? getInt(*c, attribute, &v) : UIEBadValueType;
    if (rc == 0)
        *value = v;
    return rc;
}

int GetCtrlAttribute(int panel, int control, int attribute, char *value, std::size_t size)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (attribute == ATTR_TEXT_FONT)
        return plat::copyOut(fontNameOf(*c), value, size);
    if (attribute == ATTR_LABEL_TEXT)
        return plat::copyOut(c->labelText, value, size);
    if (attribute == ATTR_TOOLTIP_TEXT)
        return plat::copyOut(c->toolTip, value, size);
    return UIEBadValueType;
}

int GetCtrlAttribute(int panel, int control, int attribute, void **value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (typeOf(attribute) != AttrType::Pointer || !value)
        return UIEBadValueType;
    *value = c->callbackData;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr *value)
{
    Ctrl *c = nullptr;
    if (int rc = attrCtrl(panel, control, attribute, &c); rc < 0)
        return rc;
    if (typeOf(attribute) != AttrType::Function || !value)
        return UIEBadValueType;
    *value = c->callback;
    return 0;
}
