// List operations of rings and list buttons. The record holds the items
// (label and value, an int or a text by the list's data type); the combo
// box widget shows the labels. Writing from code raises no event.
#include <QComboBox>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

QComboBox *boxOf(Ctrl &c)
{
    return static_cast<QComboBox *>(c.widget.data());
}

// The list control, or the code saying why there is none.
int listCtrl(int panel, int control, Ctrl **out)
{
    Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (!plat::isListKind(c->kind))
        return UIEInvalidControlType;
    *out = c;
    return 0;
}

int count(const Ctrl &c)
{
    return static_cast<int>(c.items.size());
}

bool validIndex(const Ctrl &c, int index)
{
    return index >= 0 && index < count(c);
}

// An item that now carries the code of the unlisted entry takes its place.
void takeUnlisted(Ctrl &c, int index)
{
    if (c.unlisted && c.dataType != VAL_STRING && c.items[index].intValue == c.unlistedValue)
        plat::setListIndex(c, index);
}

int insertItem(int panel, int control, int index, const char *label, const plat::ListItem &item,
               bool textValue)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (textValue != (c->dataType == VAL_STRING))
        return UIEBadValueType;
    if (index == -1)
        index = count(*c);
    if (index < 0 || index > count(*c))
        return UIEIndexOutOfRange;
    plat::ListItem it = item;
    it.label = plat::fromUtf8(label);
    c->items.insert(c->items.begin() + index, it);
    {
        QSignalBlocker block(c->widget);
        boxOf(*c)->insertItem(index, it.label);
        c->shownIndex = boxOf(*c)->currentIndex();
    }
    takeUnlisted(*c, index);
    return 0;
}

int replaceItem(int panel, int control, int index, const char *label, const plat::ListItem &item,
                bool textValue)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (textValue != (c->dataType == VAL_STRING))
        return UIEBadValueType;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    c->items[index] = item;
    c->items[index].label = plat::fromUtf8(label);
    {
        QSignalBlocker block(c->widget);
        boxOf(*c)->setItemText(index, c->items[index].label);
    }
    takeUnlisted(*c, index);
    return 0;
}

}  // namespace

namespace plat {

bool isListKind(int kind)
{
    return kind == CTRL_RING || kind == CTRL_LIST_BUTTON;
}

void syncListWidget(Ctrl &c)
{
    QComboBox *box = boxOf(c);
    QSignalBlocker block(box);
    int index = box->currentIndex();
    box->clear();
    for (const ListItem &item : c.items)
        box->addItem(item.label);
    if (c.unlisted) {
        c.unlisted = false;
        showUnlisted(c, c.unlistedValue);
        return;
    }
    box->setCurrentIndex(validIndex(c, index) ? index : (c.items.empty() ? -1 : 0));
    c.shownIndex = box->currentIndex();
}

int listIndex(const Ctrl &c)
{
    if (c.unlisted || !c.widget)
        return -1;
    return static_cast<QComboBox *>(c.widget.data())->currentIndex();
}

void setListIndex(Ctrl &c, int index)
{
    QComboBox *box = boxOf(c);
    QSignalBlocker block(box);
    if (c.unlisted) {
        box->removeItem(count(c));
        c.unlisted = false;
    }
    box->setCurrentIndex(index);
    c.shownIndex = box->currentIndex();
}

void showUnlisted(Ctrl &c, int value)
{
    QComboBox *box = boxOf(c);
    QSignalBlocker block(box);
    const QString label = QStringLiteral("(%1)").arg(value);
    if (c.unlisted)
        box->setItemText(count(c), label);
    else
        box->addItem(label);
    c.unlisted = true;
    c.unlistedValue = value;
    box->setCurrentIndex(count(c));
    c.shownIndex = box->currentIndex();
}

}  // namespace plat

int InsertListItem(int panel, int control, int index, const char *label, int value)
{
    return insertItem(panel, control, index, label, {{}, value, QString::number(value)}, false);
}

int InsertListItem(int panel, int control, int index, const char *label, const char *value)
{
    if (!value)
        return UIEBadValueType;
    return insertItem(panel, control, index, label, {{}, 0, QString::fromUtf8(value)}, true);
}

int ReplaceListItem(int panel, int control, int index, const char *label, int value)
{
    return replaceItem(panel, control, index, label, {{}, value, QString::number(value)}, false);
}

int ReplaceListItem(int panel, int control, int index, const char *label, const char *value)
{
    if (!value)
        return UIEBadValueType;
    return replaceItem(panel, control, index, label, {{}, 0, QString::fromUtf8(value)}, true);
}

// Deletes count items from index on; count -1 (or more than there are)
// deletes to the end.
int DeleteListItem(int panel, int control, int index, int count)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!validIndex(*c, index) || count < -1)
        return UIEIndexOutOfRange;
    int n = ::count(*c);
    int end = count == -1 ? n : std::min(n, index + count);
    c->items.erase(c->items.begin() + index, c->items.begin() + end);
    QSignalBlocker block(c->widget);
    for (int i = end - 1; i >= index; --i)
        boxOf(*c)->removeItem(i);
    c->shownIndex = boxOf(*c)->currentIndex();
    return 0;
}

int ClearListCtrl(int panel, int control)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    c->items.clear();
    plat::syncListWidget(*c);
    return 0;
}

int GetNumListItems(int panel, int control, int *count)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!count)
        return UIEBadValueType;
    *count = ::count(*c);
    return 0;
}

// index receives the first item with the value, or -1 when none has it.
int GetIndexFromValue(int panel, int control, int *index, int value)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!index || c->dataType == VAL_STRING)
        return UIEBadValueType;
    *index = -1;
    for (int i = 0; i < ::count(*c); ++i) {
        if (c->items[i].intValue == value) {
            *index = i;
            break;
        }
    }
    return 0;
}

int GetIndexFromValue(int panel, int control, int *index, const char *value)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!index || !value || c->dataType != VAL_STRING)
        return UIEBadValueType;
    QString text = QString::fromUtf8(value);
    *index = -1;
    for (int i = 0; i < ::count(*c); ++i) {
        if (c->items[i].textValue == text) {
            *index = i;
            break;
        }
    }
    return 0;
}

int GetValueFromIndex(int panel, int control, int index, int *value)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!value || c->dataType == VAL_STRING)
        return UIEBadValueType;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    *value = c->items[index].intValue;
    return 0;
}

int GetValueFromIndex(int panel, int control, int index, char *value, std::size_t size)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (c->dataType != VAL_STRING)
        return UIEBadValueType;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    return plat::copyOut(c->items[index].textValue, value, size);
}

// The length in bytes of a text value, without the terminator.
int GetValueLengthFromIndex(int panel, int control, int index, int *length)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!length)
        return UIEBadValueType;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    *length = static_cast<int>(c->items[index].textValue.toUtf8().size());
    return 0;
}

int GetLabelFromIndex(int panel, int control, int index, char *label, std::size_t size)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    return plat::copyOut(c->items[index].label, label, size);
}

int GetCtrlIndex(int panel, int control, int *index)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!index)
        return UIEBadValueType;
    *index = plat::listIndex(*c);
    return 0;
}

int SetCtrlIndex(int panel, int control, int index)
{
    Ctrl *c = nullptr;
    if (int rc = listCtrl(panel, control, &c); rc < 0)
        return rc;
    if (!validIndex(*c, index))
        return UIEIndexOutOfRange;
    plat::setListIndex(*c, index);
    return 0;
}
