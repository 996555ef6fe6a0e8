// The test seam: operator events through the widgets' own dispatch, values
// entered as the operator would, the real widgets for QTest, and a reset
// between tests. Popup scripting lives with the popups.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "platform/userint/registry.h"
#include "platform/testing/testing.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

// The control the operator could change now, or the code saying why not:
// read-only and dimmed controls take no input.
int operable(int panel, int control, Ctrl **c)
{
    *c = plat::findCtrl(panel, control);
    if (!*c)
        return plat::checkCtrl(panel, control);
    if ((*c)->mode == VAL_INDICATOR || (*c)->dimmed)
        return UIEInvalidControlType;
    return 0;
}

// A list entry chosen by the operator: value changed, then commit (a list
// button reports the same entry chosen again as well).
int chooseListItem(Ctrl &c, int index)
{
    if (index < 0)
        return UIEIndexOutOfRange;
    plat::setListIndex(c, index);
    plat::operatorChanged(c.panel, c.id);
    return 0;
}

}  // namespace

namespace uitest {

int InjectEvent(int panel, int control, int event, int eventData1, int eventData2)
{
    return plat::dispatch(panel, control, event, eventData1, eventData2);
}

int OperatorSetValue(int panel, int control, double value)
{
    Ctrl *c = nullptr;
    if (int rc = operable(panel, control, &c); rc < 0)
        return rc;
    switch (c->kind) {
    case CTRL_NUMERIC:
    case CTRL_SLIDE:
    case CTRL_TOGGLE_BUTTON:
    case CTRL_BINARY_SWITCH:
        c->value = plat::coerce(*c, value);
        plat::showValue(*c);
        plat::operatorChanged(panel, control);
        return 0;
    case CTRL_RING:
    case CTRL_LIST_BUTTON: {
        if (c->dataType == VAL_STRING)
            return UIEBadValueType;
        int index = -1;
        for (std::size_t i = 0; i < c->items.size() && index < 0; ++i)
            if (c->items[i].intValue == value)
                index = static_cast<int>(i);
        return chooseListItem(*c, index);
    }
    case CTRL_STRING:
    case CTRL_TEXT_BOX: return UIEBadValueType;
    default: return UIEInvalidControlType;
    }
}

int OperatorSetValue(int panel, int control, int value)
{
    return OperatorSetValue(panel, control, static_cast<double>(value));
}

int OperatorSetValue(int panel, int control, const char *text)
{
    Ctrl *c = nullptr;
    if (int rc = operable(panel, control, &c); rc < 0)
        return rc;
    if (!text)
        return UIEBadValueType;
    QString value = QString::fromUtf8(text);
    if (c->kind == CTRL_STRING || c->kind == CTRL_TEXT_BOX) {
        {
            QSignalBlocker block(c->widget);
            if (c->kind == CTRL_STRING)
                static_cast<QLineEdit *>(c->widget.data())->setText(value);
            else
                static_cast<QPlainTextEdit *>(c->widget.data())->setPlainText(value);
        }
        c->edited = false;
        plat::operatorChanged(panel, control);
        return 0;
    }
    if (plat::isListKind(c->kind)) {
        if (c->dataType != VAL_STRING)
            return UIEBadValueType;
        int index = -1;
        for (std::size_t i = 0; i < c->items.size() && index < 0; ++i)
            if (c->items[i].textValue == value)
                index = static_cast<int>(i);
        return chooseListItem(*c, index);
    }
    return plat::isNumericKind(c->kind) ? UIEBadValueType : UIEInvalidControlType;
}

int OperatorSetCell(int panel, int control, int column, int row, double value)
{
    Ctrl *c = nullptr;
    if (int rc = operable(panel, control, &c); rc < 0)
        return rc;
    if (c->kind != CTRL_TABLE)
        return UIEInvalidControlType;
    auto *table = static_cast<QTableWidget *>(c->widget.data());
    if (column < 1 || row < 1 || column > table->columnCount() || row > table->rowCount())
        return UIEIndexOutOfRange;
    {
        QSignalBlocker block(table);
        table->item(row - 1, column - 1)->setData(Qt::EditRole, plat::coerce(*c, value));
    }
    plat::operatorChanged(panel, control, row, column);
    return 0;
}

QWidget *PanelWidget(int panel)
{
    return plat::panelWidget(panel);
}

QWidget *CtrlWidget(int panel, int control)
{
    return plat::ctrlWidget(panel, control);
}

std::vector<int> CtrlIds(int panel)
{
    std::vector<int> ids;
    if (plat::Panel *p = plat::findPanel(panel))
        for (const auto &entry : p->ctrls)
            ids.push_back(entry.first);
    return ids;
}

void ResetUserInterface()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    for (int h : plat::panelHandles()) {
        if (plat::findPanel(h))
            plat::discardPanelRecord(h);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    plat::resetDispatchState();
    plat::resetPopupState();
    plat::resetEventLoopState();
}

}  // namespace uitest
