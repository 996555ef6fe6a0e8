// Lists of rings and list buttons, table cells and row labels.
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

#include "ui_fixture.h"

using namespace uifix;

using Lists = UiTest;
using Tables = UiTest;

namespace {

std::vector<std::string> labels(int panel, int control)
{
    int n = 0;
    GetNumListItems(panel, control, &n);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        char label[64];
        GetLabelFromIndex(panel, control, i, label, sizeof label);
        out.push_back(label);
    }
    return out;
}

}  // namespace

TEST_F(Lists, RingSelectsByValueAndShowsUnlistedValuesAsTheyAre)
{
    int value = -1, index = -1, n = 0;
    auto *box = static_cast<QComboBox *>(uitest::CtrlWidget(main_, C_RING));
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 1);  // the initial value selects its item
    ASSERT_EQ(SetCtrlVal(main_, C_RING, 2), 0);
    GetCtrlIndex(main_, C_RING, &index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(box->currentText(), "Two");
    // A code no item carries is held and shown as an entry of its own,
    // which is not one of the ring's items.
    ASSERT_EQ(SetCtrlVal(main_, C_RING, 5), 0);
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(box->currentText(), "(5)");
    GetCtrlIndex(main_, C_RING, &index);
    EXPECT_EQ(index, -1);
    GetNumListItems(main_, C_RING, &n);
    EXPECT_EQ(n, 3);
    ASSERT_EQ(SetCtrlVal(main_, C_RING, 6), 0);
    EXPECT_EQ(box->count(), 4);  // one entry for the code shown now
    EXPECT_EQ(box->currentText(), "(6)");
    char text[8];
    EXPECT_EQ(GetCtrlVal(main_, C_RING, text), UIEBadValueType);
    ASSERT_EQ(SetCtrlIndex(main_, C_RING, 0), 0);
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(box->count(), 3);
    // An item added for a shown code takes the entry's place.
    SetCtrlVal(main_, C_RING, 9);
    ASSERT_EQ(InsertListItem(main_, C_RING, -1, "Nine", 9), 0);
    EXPECT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentText(), "Nine");
    GetCtrlIndex(main_, C_RING, &index);
    EXPECT_EQ(index, 3);
    DeleteListItem(main_, C_RING, 3, 1);
    EXPECT_EQ(SetCtrlIndex(main_, C_RING, 3), UIEIndexOutOfRange);
    ASSERT_EQ(GetIndexFromValue(main_, C_RING, &index, 2), 0);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(GetIndexFromValue(main_, C_RING, &index, 9), 0);
    EXPECT_EQ(index, -1);
    ASSERT_EQ(GetValueFromIndex(main_, C_RING, 1, &value), 0);
    EXPECT_EQ(value, 1);
}

TEST_F(Lists, TextListInsertReplaceDeleteAndLookups)
{
    ASSERT_EQ(InsertListItem(main_, C_LIST, -1, "Alpha", "Alpha"), 0);
    ASSERT_EQ(InsertListItem(main_, C_LIST, -1, "beta", "beta"), 0);
    ASSERT_EQ(InsertListItem(main_, C_LIST, 0, "first", "first"), 0);
    EXPECT_EQ(labels(main_, C_LIST), (std::vector<std::string>{"first", "Alpha", "beta"}));
    EXPECT_EQ(InsertListItem(main_, C_LIST, 5, "x", "x"), UIEIndexOutOfRange);
    EXPECT_EQ(InsertListItem(main_, C_LIST, 0, "n", 3), UIEBadValueType);

    int index = -1, length = 0;
    ASSERT_EQ(GetIndexFromValue(main_, C_LIST, &index, "beta"), 0);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(GetIndexFromValue(main_, C_LIST, &index, "BETA"), 0);
    EXPECT_EQ(index, -1);
    ASSERT_EQ(GetValueLengthFromIndex(main_, C_LIST, 1, &length), 0);
    EXPECT_EQ(length, 5);
    char value[16];
    ASSERT_EQ(GetValueFromIndex(main_, C_LIST, 1, value, sizeof value), 0);
    EXPECT_STREQ(value, "Alpha");

    ASSERT_EQ(ReplaceListItem(main_, C_LIST, 1, "Gamma", "Gamma"), 0);
    EXPECT_EQ(labels(main_, C_LIST), (std::vector<std::string>{"first", "Gamma", "beta"}));
    EXPECT_EQ(ReplaceListItem(main_, C_LIST, 3, "x", "x"), UIEIndexOutOfRange);
    ASSERT_EQ(SetCtrlVal(main_, C_LIST, "beta"), 0);
    GetCtrlVal(main_, C_LIST, value);
    EXPECT_STREQ(value, "beta");

    ASSERT_EQ(DeleteListItem(main_, C_LIST, 1, 1), 0);
    EXPECT_EQ(labels(main_, C_LIST), (std::vector<std::string>{"first", "beta"}));
    EXPECT_EQ(DeleteListItem(main_, C_LIST, 2, 1), UIEIndexOutOfRange);
    ASSERT_EQ(ClearListCtrl(main_, C_LIST), 0);
    int n = -1;
    GetNumListItems(main_, C_LIST, &n);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(GetCtrlVal(main_, C_LIST, value), UIEIndexOutOfRange);
    EXPECT_EQ(static_cast<QComboBox *>(uitest::CtrlWidget(main_, C_LIST))->count(), 0);
    EXPECT_TRUE(events().empty());
}

// A history of eleven entries cut back to ten from index 10 to the end.
TEST_F(Lists, DeleteToTheEndWithCountMinusOne)
{
    for (int i = 0; i < 11; ++i) {
        std::string s = "host" + std::to_string(i);
        InsertListItem(main_, C_LIST, -1, s.c_str(), s.c_str());
    }
    ASSERT_EQ(DeleteListItem(main_, C_LIST, 10, -1), 0);
    int n = 0;
    GetNumListItems(main_, C_LIST, &n);
    EXPECT_EQ(n, 10);
    ASSERT_EQ(DeleteListItem(main_, C_LIST, 2, 100), 0);
    GetNumListItems(main_, C_LIST, &n);
    EXPECT_EQ(n, 2);
}

TEST_F(Lists, ListOperationsNeedAList)
{
    int n = 0;
    EXPECT_EQ(InsertListItem(main_, C_WORD, 0, "x", 1), UIEInvalidControlType);
    EXPECT_EQ(GetNumListItems(main_, C_STRING, &n), UIEInvalidControlType);
    EXPECT_EQ(ClearListCtrl(main_, 999), UIEInvalidControlId);
    EXPECT_EQ(DeleteListItem(777, C_RING, 0, 1), UIEHandleInvalid);
}

TEST_F(Tables, CellsAreAddressedByColumnAndRowFromOne)
{
    unsigned short cell = 0;
    ASSERT_EQ(GetTableCellVal(main_, C_TABLE, MakePoint(3, 4), &cell), 0);
    EXPECT_EQ(cell, 1);  // initial value
    ASSERT_EQ(SetTableCellVal(main_, C_TABLE, MakePoint(3, 1), static_cast<unsigned short>(65535)),
              0);
    ASSERT_EQ(SetTableCellVal(main_, C_TABLE, MakePoint(1, 4), 70000), 0);
    GetTableCellVal(main_, C_TABLE, MakePoint(3, 1), &cell);
    EXPECT_EQ(cell, 65535);
    int wide = 0;
    GetTableCellVal(main_, C_TABLE, MakePoint(1, 4), &wide);
    EXPECT_EQ(wide, 65535);  // coerced to the cell type
    auto *table = static_cast<QTableWidget *>(uitest::CtrlWidget(main_, C_TABLE));
    EXPECT_EQ(table->item(0, 2)->data(Qt::EditRole).toDouble(), 65535);
    EXPECT_EQ(table->item(0, 2)->data(Qt::DisplayRole).toDouble(), 65535);
    for (Point bad : {MakePoint(0, 1), MakePoint(1, 0), MakePoint(4, 1), MakePoint(1, 5)}) {
        EXPECT_EQ(SetTableCellVal(main_, C_TABLE, bad, 1), UIEIndexOutOfRange);
        EXPECT_EQ(GetTableCellVal(main_, C_TABLE, bad, &cell), UIEIndexOutOfRange);
    }
    EXPECT_EQ(SetTableCellVal(main_, C_WORD, MakePoint(1, 1), 1), UIEInvalidControlType);
    EXPECT_TRUE(events().empty());
}

TEST_F(Tables, RowLabelsCountFromZeroAndTakeColours)
{
    auto *table = static_cast<QTableWidget *>(uitest::CtrlWidget(main_, C_TABLE));
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), "0");
    EXPECT_EQ(table->verticalHeaderItem(3)->text(), "3");
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "B");
    for (int row = 1; row <= 4; ++row)
        ASSERT_EQ(SetTableRowAttribute(main_, C_TABLE, row, ATTR_LABEL_COLOR,
                                       row <= 2 ? 0x008000 : 0xFF0000),
                  0);
    int colour = 0;
    GetTableRowAttribute(main_, C_TABLE, 2, ATTR_LABEL_COLOR, &colour);
    EXPECT_EQ(colour, 0x008000);
    GetTableRowAttribute(main_, C_TABLE, 3, ATTR_LABEL_COLOR, &colour);
    EXPECT_EQ(colour, 0xFF0000);
    EXPECT_EQ(table->verticalHeaderItem(2)->foreground().color(), QColor(0xFF, 0, 0));
    EXPECT_EQ(SetTableRowAttribute(main_, C_TABLE, 0, ATTR_LABEL_COLOR, 0), UIEIndexOutOfRange);
    EXPECT_EQ(SetTableRowAttribute(main_, C_TABLE, 5, ATTR_LABEL_COLOR, 0), UIEIndexOutOfRange);
    EXPECT_EQ(SetTableRowAttribute(main_, C_TABLE, 1, ATTR_DIMMED, 1), UIEInvalidAttribute);
    EXPECT_TRUE(events().empty());
}
