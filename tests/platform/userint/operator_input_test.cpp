// The operator on the real widgets: QTest clicks and types into every kind
// of control and the callbacks see the events the run-time promises.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QWheelEvent>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include "ui_fixture.h"

using namespace uifix;

namespace {

// The events of a control without key presses and focus changes.
std::vector<int> actions(int panel, int control)
{
    std::vector<int> out;
    for (int code : codesOf(panel, control))
        if (code != EVENT_KEYPRESS && code != EVENT_GOT_FOCUS && code != EVENT_LOST_FOCUS)
            out.push_back(code);
    return out;
}

std::vector<int> keyCodes(int panel, int control)
{
    std::vector<int> out;
    for (const Event &e : events())
        if (e.panel == panel && e.control == control && e.event == EVENT_KEYPRESS)
            out.push_back(e.d1);
    return out;
}

const std::vector<int> kChange{EVENT_VAL_CHANGED, EVENT_COMMIT};
const std::vector<int> kClickChange{EVENT_LEFT_CLICK, EVENT_VAL_CHANGED, EVENT_COMMIT};

}  // namespace

class OperatorInput : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(showActive(main_));
        events().clear();
    }
    QWidget *widget(int id) { return uitest::CtrlWidget(main_, id); }
};

TEST_F(OperatorInput, ButtonsClickAndToggle)
{
    QTest::mouseClick(widget(C_BUTTON), Qt::LeftButton);
    EXPECT_EQ(actions(main_, C_BUTTON), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_COMMIT}));

    QTest::mouseClick(widget(C_TOGGLE), Qt::LeftButton);
    EXPECT_EQ(actions(main_, C_TOGGLE), kClickChange);
    int on = 0;
    GetCtrlVal(main_, C_TOGGLE, &on);
    EXPECT_EQ(on, 1);

    QTest::mouseClick(widget(C_SWITCH), Qt::LeftButton);
    EXPECT_EQ(actions(main_, C_SWITCH), kClickChange);
    GetCtrlVal(main_, C_SWITCH, &on);
    EXPECT_EQ(on, 1);
    EXPECT_TRUE(static_cast<QCheckBox *>(widget(C_SWITCH))->isChecked());
}

TEST_F(OperatorInput, ShortcutKeysWorkAnywhereInTheWindowUnlessDimmedOrHidden)
{
    int child = LoadPanel(main_, kFile, P_CHILD);
    SetPanelPos(child, 300, 240);
    DisplayPanel(child);
    QWidget *window = uitest::PanelWidget(main_);

    QTest::keyClick(window, Qt::Key_F9);
    EXPECT_EQ(actions(main_, C_BUTTON), std::vector<int>{EVENT_COMMIT});
    // From a text field of the child panel, both the main panel's F9 and
    // the child's own F10 work.
    QWidget *childEdit = uitest::CtrlWidget(child, CC_STRING);
    SetActiveCtrl(child, CC_STRING);
    events().clear();
    QTest::keyClick(childEdit, Qt::Key_F9);
    QTest::keyClick(childEdit, Qt::Key_F10);
    EXPECT_EQ(actions(main_, C_BUTTON), std::vector<int>{EVENT_COMMIT});
    EXPECT_EQ(actions(child, CC_BUTTON), std::vector<int>{EVENT_COMMIT});

    // Nor does the wheel turn a read-only ring.
    SetCtrlAttribute(main_, C_RING, ATTR_CTRL_MODE, VAL_INDICATOR);
    QWidget *ring = widget(C_RING);
    QPointF at(ring->width() / 2.0, ring->height() / 2.0);
    QWheelEvent wheel(at, ring->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ring, &wheel);
    int value = -1;
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(actions(main_, C_RING).empty());

    events().clear();
    SetCtrlAttribute(main_, C_BUTTON, ATTR_DIMMED, 1);
    QTest::keyClick(window, Qt::Key_F9);
    SetCtrlAttribute(main_, C_BUTTON, ATTR_DIMMED, 0);
    SetCtrlAttribute(main_, C_BUTTON, ATTR_VISIBLE, 0);
    QTest::keyClick(window, Qt::Key_F9);
    HidePanel(child);
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_TRUE(actions(main_, C_BUTTON).empty());
    EXPECT_TRUE(actions(child, CC_BUTTON).empty());

    // A shortcut given at run time takes over.
    SetCtrlAttribute(main_, C_BUTTON, ATTR_VISIBLE, 1);
    SetCtrlAttribute(main_, C_BUTTON, ATTR_SHORTCUT_KEY, VAL_F12_VKEY);
    QTest::keyClick(window, Qt::Key_F9);
    QTest::keyClick(window, Qt::Key_F12);
    EXPECT_EQ(actions(main_, C_BUTTON), std::vector<int>{EVENT_COMMIT});
}

TEST_F(OperatorInput, NumericTakesTypedValueOnEnter)
{
    auto *spin = static_cast<QDoubleSpinBox *>(widget(C_WORD));
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "1234");
    EXPECT_TRUE(actions(main_, C_WORD).empty());  // nothing until entered
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(actions(main_, C_WORD), kChange);
    unsigned short word = 0;
    ASSERT_EQ(GetCtrlVal(main_, C_WORD, &word), 0);
    EXPECT_EQ(word, 1234);
    EXPECT_EQ(keyCodes(main_, C_WORD),
              (std::vector<int>{'1', '2', '3', '4', VAL_ENTER_VKEY}));

    // The arrow keys step the value.
    events().clear();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(actions(main_, C_WORD), kChange);
    GetCtrlVal(main_, C_WORD, &word);
    EXPECT_EQ(word, 1235);
}

// A display switched to hot mode is a spin box the operator types into, in
// the same place with the same value, name and help; back in indicator mode
// it shows what was entered.
TEST_F(OperatorInput, ADisplaySwitchedToHotTakesEntriesAndShowsThemWhenBack)
{
    SetCtrlVal(main_, C_SHOW, 12);
    SetCtrlAttribute(main_, C_SHOW, ATTR_TOOLTIP_TEXT, "help");
    const QRect place = widget(C_SHOW)->geometry();
    const QString name = widget(C_SHOW)->accessibleName();
    SetCtrlAttribute(main_, C_SHOW, ATTR_CTRL_MODE, VAL_HOT);
    auto *spin = qobject_cast<QDoubleSpinBox *>(widget(C_SHOW));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text(), "12");
    EXPECT_EQ(spin->geometry(), place);
    EXPECT_EQ(spin->toolTip(), "help");
    EXPECT_EQ(spin->accessibleName(), name);
    EXPECT_TRUE(spin->isVisible());
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "34");
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(actions(main_, C_SHOW), kChange);

    SetCtrlAttribute(main_, C_SHOW, ATTR_CTRL_MODE, VAL_INDICATOR);
    QWidget *display = widget(C_SHOW);
    EXPECT_EQ(qobject_cast<QDoubleSpinBox *>(display), nullptr);
    EXPECT_EQ(ShownText(main_, C_SHOW), "34");
    EXPECT_EQ(display->geometry(), place);
    EXPECT_EQ(display->toolTip(), "help");
    EXPECT_EQ(display->accessibleName(), name);
    EXPECT_TRUE(display->isVisible());
}

TEST_F(OperatorInput, RingAndSlideReportKeyboardChanges)
{
    auto *ring = static_cast<QComboBox *>(widget(C_RING));
    ring->setFocus();
    QTest::keyClick(ring, Qt::Key_Down);
    EXPECT_EQ(actions(main_, C_RING), kChange);
    int value = 0;
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 2);

    auto *slider = widget(C_SLIDE)->findChild<QSlider *>();
    ASSERT_NE(slider, nullptr);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(actions(main_, C_SLIDE), kChange);
    double power = 0;
    GetCtrlVal(main_, C_SLIDE, &power);
    EXPECT_EQ(power, 501);
    EXPECT_EQ(widget(C_SLIDE)->findChild<QLabel *>()->text(), "501");

    // Dragging reports once, on release.
    events().clear();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    slider->setSliderPosition(800);
    EXPECT_TRUE(actions(main_, C_SLIDE) == std::vector<int>{EVENT_LEFT_CLICK});
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    EXPECT_EQ(actions(main_, C_SLIDE), kClickChange);
    GetCtrlVal(main_, C_SLIDE, &power);
    EXPECT_EQ(power, 800);
}

// Code may store what the range or the items do not cover; the widgets show
// it as it is, and the operator's next change is held to the range again.
TEST_F(OperatorInput, ValuesFromCodeBeyondRangeOrItemsHoldUntilTheOperatorChangesThem)
{
    auto *ring = static_cast<QComboBox *>(widget(C_RING));
    SetCtrlVal(main_, C_RING, 7);
    EXPECT_EQ(ring->currentText(), "(7)");
    ring->setFocus();
    QTest::keyClick(ring, Qt::Key_Up);  // the last item, "Two"
    EXPECT_EQ(actions(main_, C_RING), kChange);
    int value = 0;
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(ring->count(), 3);  // the entry for 7 is gone

    auto *slider = widget(C_SLIDE)->findChild<QSlider *>();
    SetCtrlVal(main_, C_SLIDE, 1200.0);  // range 0 .. 1000
    EXPECT_EQ(widget(C_SLIDE)->findChild<QLabel *>()->text(), "1200");
    EXPECT_EQ(slider->value(), 1200);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    double power = 0;
    GetCtrlVal(main_, C_SLIDE, &power);
    EXPECT_EQ(power, 1000);
    EXPECT_EQ(slider->maximum(), 1000);
    EXPECT_EQ(widget(C_SLIDE)->findChild<QLabel *>()->text(), "1000");

    auto *spin = static_cast<QDoubleSpinBox *>(widget(C_REAL));  // -10 .. 10
    SetCtrlVal(main_, C_REAL, -99.0);
    EXPECT_EQ(spin->text(), "-99.00");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    double real = 0;
    GetCtrlVal(main_, C_REAL, &real);
    EXPECT_EQ(real, -10);
    EXPECT_EQ(spin->text(), "-10.00");
}

TEST_F(OperatorInput, StringReportsEachEditAndCommitsOnEnterOrLeaving)
{
    auto *edit = static_cast<QLineEdit *>(widget(C_STRING));
    SetActiveCtrl(main_, C_STRING);
    EXPECT_EQ(codesOf(main_, C_STRING), std::vector<int>{EVENT_GOT_FOCUS});
    events().clear();
    edit->end(false);
    QTest::keyClicks(edit, "de");
    EXPECT_EQ(actions(main_, C_STRING), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_VAL_CHANGED}));
    EXPECT_EQ(keyCodes(main_, C_STRING), (std::vector<int>{'d', 'e'}));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(actions(main_, C_STRING).back(), EVENT_COMMIT);
    char text[16];
    GetCtrlVal(main_, C_STRING, text);
    EXPECT_STREQ(text, "abcde");

    // Leaving with a changed text commits; leaving unchanged does not.
    events().clear();
    QTest::keyClick(edit, Qt::Key_F);
    SetActiveCtrl(main_, C_WORD);
    EXPECT_EQ(actions(main_, C_STRING), kChange);
    EXPECT_EQ(codesOf(main_, C_STRING).back(), EVENT_LOST_FOCUS);
    events().clear();
    SetActiveCtrl(main_, C_STRING);
    SetActiveCtrl(main_, C_WORD);
    EXPECT_TRUE(actions(main_, C_STRING).empty());
    // Text the program writes after a keystroke (a completion) still
    // leaves the entry changed by the operator.
    SetActiveCtrl(main_, C_STRING);
    QTest::keyClick(edit, Qt::Key_G);
    SetCtrlVal(main_, C_STRING, "abcdefghij");
    SetActiveCtrl(main_, C_WORD);
    EXPECT_EQ(actions(main_, C_STRING), kChange);

    // The entry length is bounded.
    SetActiveCtrl(main_, C_STRING);
    edit->clear();
    QTest::keyClicks(edit, "0123456789");
    GetCtrlVal(main_, C_STRING, text);
    EXPECT_EQ(std::string(text).size(), 10u);
}

TEST_F(OperatorInput, KeyPressComesFirstAndCanSwallowTheKey)
{
    auto *edit = static_cast<QLineEdit *>(widget(C_STRING));
    SetActiveCtrl(main_, C_STRING);
    events().clear();
    keyPressResult() = 1;
    QTest::keyClick(edit, Qt::Key_X);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_TRUE(actions(main_, C_STRING).empty());
    keyPressResult() = 0;
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ShiftModifier);
    SetActiveCtrl(main_, C_STRING);
    QTest::keyClick(edit, Qt::Key_F5);
    std::vector<int> codes = keyCodes(main_, C_STRING);
    ASSERT_EQ(codes.size(), 5u);
    EXPECT_EQ(codes[0], 'x');
    EXPECT_EQ(codes[1], VAL_BACKSPACE_VKEY);
    EXPECT_EQ(codes[2], VAL_UP_ARROW_VKEY);
    EXPECT_EQ(codes[3], VAL_TAB_VKEY | VAL_SHIFT_MODIFIER);
    EXPECT_EQ(codes[4], VAL_F1_VKEY + 4 * 0x100);  // F5
}

// What no control keeps goes on to the panel, also from a window where no
// control has the focus (a display-only window).
TEST_F(OperatorInput, KeysNoControlKeepsGoOnToThePanel)
{
    auto *edit = static_cast<QLineEdit *>(widget(C_STRING));
    SetActiveCtrl(main_, C_STRING);
    events().clear();
    keyPressResult() = 1;
    QTest::keyClick(edit, Qt::Key_X);
    keyPressResult() = 0;
    QTest::keyClick(edit, Qt::Key_Y);
    QTest::keyClick(uitest::PanelWidget(main_), Qt::Key_F12);
    EXPECT_EQ(keyCodes(main_, C_STRING), (std::vector<int>{'x', 'y'}));
    EXPECT_EQ(keyCodes(main_, 0), (std::vector<int>{'y', VAL_F12_VKEY}));
}

TEST_F(OperatorInput, TextBoxAndTableEdits)
{
    auto *box = static_cast<QPlainTextEdit *>(widget(C_TEXTBOX));
    box->setFocus();
    QTest::keyClicks(box, "hi");
    EXPECT_EQ(actions(main_, C_TEXTBOX), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_VAL_CHANGED}));

    auto *table = static_cast<QTableWidget *>(widget(C_TABLE));
    table->setFocus();
    table->editItem(table->item(2, 1));
    auto *editor = table->findChild<QDoubleSpinBox *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "42");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor hands its value over queued
    ASSERT_EQ(actions(main_, C_TABLE), kChange);
    for (const Event &e : events()) {
        if (e.control == C_TABLE && e.event == EVENT_VAL_CHANGED) {
            EXPECT_EQ(e.d1, 3);  // row, from 1
            EXPECT_EQ(e.d2, 2);  // column, from 1
        }
    }
    unsigned short cell = 0;
    ASSERT_EQ(GetTableCellVal(main_, C_TABLE, MakePoint(2, 3), &cell), 0);
    EXPECT_EQ(cell, 42);
}

TEST_F(OperatorInput, ClicksOnDisplaysGraphsAndDecorations)
{
    for (int id : {C_MSG, C_BAR, C_GRAPH, C_STRIP, C_DECO, C_PICTURE, C_SHOW, C_SHOWTEXT}) {
        events().clear();
        QTest::mouseClick(widget(id), Qt::LeftButton);
        QTest::mouseClick(widget(id), Qt::RightButton);
        QTest::mouseDClick(widget(id), Qt::LeftButton);
        EXPECT_EQ(actions(main_, id), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_RIGHT_CLICK,
                                                        EVENT_LEFT_DOUBLE_CLICK}))
            << "control " << id;
        EXPECT_TRUE(codesOf(main_, 0).empty()) << "control " << id;
    }
    // The field inside a numeric display reports for its control.
    events().clear();
    QWidget *field = widget(C_SHOW)->findChild<QWidget *>();
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::RightButton);
    EXPECT_EQ(actions(main_, C_SHOW), std::vector<int>{EVENT_RIGHT_CLICK});
}

TEST_F(OperatorInput, ReadOnlyAndDimmedControlsTakeNoInput)
{
    // A numeric display takes neither focus nor keys, and says it is read-only.
    QWidget *show = widget(C_SHOW);
    EXPECT_EQ(show->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(show)->state().readOnly);
    SetCtrlVal(main_, C_SHOW, 7);
    QTest::keyClicks(show, "12");
    EXPECT_EQ(ShownText(main_, C_SHOW), "7");
    EXPECT_TRUE(static_cast<QLineEdit *>(widget(C_SHOWTEXT))->isReadOnly());

    SetCtrlAttribute(main_, C_TOGGLE, ATTR_CTRL_MODE, VAL_INDICATOR);
    QTest::mouseClick(widget(C_TOGGLE), Qt::LeftButton);
    EXPECT_EQ(actions(main_, C_TOGGLE), std::vector<int>{EVENT_LEFT_CLICK});
    int on = 1;
    GetCtrlVal(main_, C_TOGGLE, &on);
    EXPECT_EQ(on, 0);

    // Nor does the wheel turn a read-only ring.
    SetCtrlAttribute(main_, C_RING, ATTR_CTRL_MODE, VAL_INDICATOR);
    QWidget *ring = widget(C_RING);
    QPointF at(ring->width() / 2.0, ring->height() / 2.0);
    QWheelEvent wheel(at, ring->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ring, &wheel);
    int value = -1;
    GetCtrlVal(main_, C_RING, &value);
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(actions(main_, C_RING).empty());

    events().clear();
    SetCtrlAttribute(main_, C_BUTTON, ATTR_DIMMED, 1);
    QTest::mouseClick(widget(C_BUTTON), Qt::LeftButton);
    QTest::mouseClick(widget(C_BUTTON), Qt::RightButton);
    EXPECT_TRUE(actions(main_, C_BUTTON).empty());
    EXPECT_FALSE(widget(C_BUTTON)->isEnabled());
}

TEST_F(OperatorInput, ListButtonOpensOnSpaceAndReportsTheChoice)
{
    InsertListItem(main_, C_LIST, -1, "alpha", "alpha");
    InsertListItem(main_, C_LIST, -1, "beta", "beta");
    ASSERT_EQ(SetActiveCtrl(main_, C_LIST), 0);
    EXPECT_EQ(codesOf(main_, C_LIST), std::vector<int>{EVENT_GOT_FOCUS});
    EXPECT_EQ(GetActiveCtrl(main_), C_LIST);
    auto *list = static_cast<QComboBox *>(widget(C_LIST));
    ASSERT_EQ(FakeKeystroke(' '), 0);
    ASSERT_TRUE(list->view()->isVisible());
    events().clear();
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(actions(main_, C_LIST), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_COMMIT}));
    char chosen[16];
    ASSERT_EQ(GetCtrlVal(main_, C_LIST, chosen), 0);
    EXPECT_STREQ(chosen, "beta");
}

TEST_F(OperatorInput, FakeKeystrokeTypesIntoTheActiveControl)
{
    SetActiveCtrl(main_, C_STRING);
    events().clear();
    FakeKeystroke('Z');
    FakeKeystroke(VAL_BACKSPACE_VKEY);
    FakeKeystroke('q');
    char text[16];
    GetCtrlVal(main_, C_STRING, text);
    EXPECT_STREQ(text, "abcq");
    EXPECT_EQ(keyCodes(main_, C_STRING), (std::vector<int>{'Z', VAL_BACKSPACE_VKEY, 'q'}));
    // A shortcut key goes to its button.
    FakeKeystroke(VAL_F9_VKEY);
    EXPECT_EQ(actions(main_, C_BUTTON), std::vector<int>{EVENT_COMMIT});
}

TEST_F(OperatorInput, NoContextMenusOnPanels)
{
    QWidget *inner[] = {widget(C_STRING), widget(C_WORD)->findChild<QLineEdit *>(),
                        widget(C_TEXTBOX)->findChild<QWidget *>("qt_scrollarea_viewport")};
    for (QWidget *w : inner) {
        ASSERT_NE(w, nullptr);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                               w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &menu);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}
