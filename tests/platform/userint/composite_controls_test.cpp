// A control built from plain controls at run time, as an editable text
// field with a drop-down list is: a list button made with NewCtrl beside a
// text field, focus handed on from the button to the field, the list opened
// by an arrow key through FakeKeystroke, and the choice copied into the
// field. Drives the real widgets in an active window.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "ui_fixture.h"

using namespace uifix;

namespace {

struct Composite {
    int panel = 0, text = 0, list = 0;
    bool keyboardOpen = false;
    std::vector<int> ownerEvents;  // what the field's owner was told
};
Composite combo;

int listCallback(int panel, int, int event, void *, int, int)
{
    if (event == EVENT_GOT_FOCUS) {
        if (!combo.keyboardOpen)
            SetActiveCtrl(panel, combo.text);
        combo.keyboardOpen = false;
    } else if (event == EVENT_COMMIT) {
        char chosen[64];
        GetCtrlVal(panel, combo.list, chosen);
        SetCtrlVal(panel, combo.text, chosen);
        combo.ownerEvents.push_back(EVENT_COMMIT);
    }
    return 0;
}

int textCallback(int panel, int, int event, void *, int key, int)
{
    if (event == EVENT_KEYPRESS && (key & VAL_VKEY_MASK) == VAL_DOWN_ARROW_VKEY) {
        combo.keyboardOpen = true;
        SetActiveCtrl(panel, combo.list);
        FakeKeystroke(' ');
    }
    if (event == EVENT_COMMIT || event == EVENT_VAL_CHANGED)
        combo.ownerEvents.push_back(event);
    return 0;
}

}  // namespace

class CompositeControl : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        combo = Composite{};
        combo.panel = main_;
        combo.text = C_STRING;
        SetCtrlAttribute(main_, C_STRING, ATTR_MAX_ENTRY_LENGTH, -1);
        int top = 0, left = 0, height = 0, tab = 0;
        GetCtrlAttribute(main_, C_STRING, ATTR_TOP, &top);
        GetCtrlAttribute(main_, C_STRING, ATTR_LEFT, &left);
        GetCtrlAttribute(main_, C_STRING, ATTR_HEIGHT, &height);
        GetCtrlAttribute(main_, C_STRING, ATTR_CTRL_TAB_POSITION, &tab);
        combo.list = NewCtrl(main_, CTRL_LIST_BUTTON, "", top, left - height);
        ASSERT_GT(combo.list, 0);
        SetCtrlAttribute(main_, combo.list, ATTR_WIDTH, height);
        SetCtrlAttribute(main_, combo.list, ATTR_HEIGHT, height);
        SetCtrlAttribute(main_, combo.list, ATTR_DATA_TYPE, VAL_STRING);
        SetCtrlAttribute(main_, combo.list, ATTR_CTRL_TAB_POSITION, tab);
        InstallCtrlCallback(main_, combo.list, listCallback, &combo);
        InstallCtrlCallback(main_, combo.text, textCallback, &combo);
        for (const char *host : {"alpha.example", "beta.example", "gamma.example"})
            InsertListItem(main_, combo.list, -1, host, host);
        ASSERT_TRUE(showActive(main_));
    }
};

TEST_F(CompositeControl, ArrowKeyOpensTheListAndTheChoiceFillsTheField)
{
    auto *edit = static_cast<QLineEdit *>(uitest::CtrlWidget(main_, combo.text));
    auto *list = static_cast<QComboBox *>(uitest::CtrlWidget(main_, combo.list));
    SetActiveCtrl(main_, combo.text);
    QTest::keyClick(edit, Qt::Key_Down);
    ASSERT_TRUE(list->view()->isVisible());
    EXPECT_EQ(GetActiveCtrl(main_), combo.list);
    EXPECT_FALSE(combo.keyboardOpen);  // the list's got-focus cleared it

    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(edit->text(), "beta.example");
    EXPECT_EQ(combo.ownerEvents, std::vector<int>{EVENT_COMMIT});
}

TEST_F(CompositeControl, TabbingOntoTheButtonLandsInTheField)
{
    SetActiveCtrl(main_, C_SWITCH);
    QWidget *from = uitest::CtrlWidget(main_, C_SWITCH);
    // The tab chain goes switch, list button, field.
    QTest::keyClick(from, Qt::Key_Tab);
    EXPECT_EQ(GetActiveCtrl(main_), combo.text);
    EXPECT_EQ(QApplication::focusWidget(), uitest::CtrlWidget(main_, combo.text));
}
