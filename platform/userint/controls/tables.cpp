// Table cells and row labels. Cells are addressed by column (x) and row
// (y), both from 1; they hold numbers in the table's data type. Writing from
// code raises no event.
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

// The table behind the control, or the code saying why there is none.
int tableCtrl(int panel, int control, Ctrl **c, QTableWidget **table)
{
    *c = plat::findCtrl(panel, control);
    if (!*c)
        return plat::checkCtrl(panel, control);
    if ((*c)->kind != CTRL_TABLE)
        return UIEInvalidControlType;
    *table = static_cast<QTableWidget *>((*c)->widget.data());
    return 0;
}

QTableWidgetItem *cellItem(QTableWidget *table, Point cell)
{
    if (cell.x < 1 || cell.y < 1 || cell.x > table->columnCount() || cell.y > table->rowCount())
        return nullptr;
    return table->item(cell.y - 1, cell.x - 1);
}

int setCell(int panel, int control, Point cell, double value)
{
    Ctrl *c = nullptr;
    QTableWidget *table = nullptr;
    if (int rc = tableCtrl(panel, control, &c, &table); rc < 0)
        return rc;
    QTableWidgetItem *item = cellItem(table, cell);
    if (!item)
        return UIEIndexOutOfRange;
    QSignalBlocker block(table);
    item->setData(Qt::EditRole, plat::coerceToType(*c, value));
    return 0;
}

template <typename T> int getCell(int panel, int control, Point cell, T *value)
{
    Ctrl *c = nullptr;
    QTableWidget *table = nullptr;
    if (int rc = tableCtrl(panel, control, &c, &table); rc < 0)
        return rc;
    QTableWidgetItem *item = cellItem(table, cell);
    if (!item)
        return UIEIndexOutOfRange;
    if (!value)
        return UIEBadValueType;
    double v = item->data(Qt::EditRole).toDouble();
    if constexpr (std::is_floating_point_v<T>) {
        *value = static_cast<T>(v);
    } else {
        double lo = static_cast<double>(std::numeric_limits<T>::lowest());
        double hi = static_cast<double>(std::numeric_limits<T>::max());
        *value = static_cast<T>(std::clamp(std::round(v), lo, hi));
    }
    return 0;
}

// The row's label item; rows are counted from 1.
int rowLabel(int panel, int control, int row, Ctrl **c, QTableWidgetItem **label)
{
    QTableWidget *table = nullptr;
    if (int rc = tableCtrl(panel, control, c, &table); rc < 0)
        return rc;
    if (row < 1 || row > table->rowCount() || row > static_cast<int>((*c)->rowLabelColors.size()))
        return UIEIndexOutOfRange;
    *label = table->verticalHeaderItem(row - 1);
    return *label ? 0 : UIEIndexOutOfRange;
}

}  // namespace

Point MakePoint(int x, int y)
{
    return Point{x, y};
}

int SetTableCellVal(int panel, int control, Point cell, int value)
{
    return setCell(panel, control, cell, value);
}
int SetTableCellVal(int panel, int control, Point cell, unsigned short value)
{
    return setCell(panel, control, cell, value);
}
int SetTableCellVal(int panel, int control, Point cell, double value)
{
    return setCell(panel, control, cell, value);
}
int GetTableCellVal(int panel, int control, Point cell, int *value)
{
    return getCell(panel, control, cell, value);
}
int GetTableCellVal(int panel, int control, Point cell, unsigned short *value)
{
    return getCell(panel, control, cell, value);
}
int GetTableCellVal(int panel, int control, Point cell, double *value)
{
    return getCell(panel, control, cell, value);
}

// ATTR_LABEL_COLOR: the colour of the row's label text (0xRRGGBB).
int SetTableRowAttribute(int panel, int control, int row, int attribute, int value)
{
    Ctrl *c = nullptr;
    QTableWidgetItem *label = nullptr;
    if (int rc = rowLabel(panel, control, row, &c, &label); rc < 0)
        return rc;
    if (attribute != ATTR_LABEL_COLOR)
        return UIEInvalidAttribute;
    c->rowLabelColors[row - 1] = value & 0xFFFFFF;
    QSignalBlocker block(c->widget);
    label->setForeground(plat::toQColor(value));
    return 0;
}

int GetTableRowAttribute(int panel, int control, int row, int attribute, int *value)
{
    Ctrl *c = nullptr;
    QTableWidgetItem *label = nullptr;
    if (int rc = rowLabel(panel, control, row, &c, &label); rc < 0)
        return rc;
    if (attribute != ATTR_LABEL_COLOR)
        return UIEInvalidAttribute;
    if (!value)
        return UIEBadValueType;
    *value = c->rowLabelColors[row - 1];
    return 0;
}
