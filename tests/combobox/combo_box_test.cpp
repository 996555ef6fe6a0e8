// The combo box on real widgets: completion while typing, the keys that
// open the list and step over its button, a chosen entry reaching the owner
// as a commit of the text box, the entry limit, the errors, the entry list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "combobox/combobox.h"
#include "platform/testing/testing.h"
#include "platform/userint/resource.h"

namespace {

constexpr const char *kFile = "combo_test.uir";
enum Ids : int { P_COMBO = 1, C_FIRST = 1, C_SERVER, C_LIMITED, C_LAST };

struct OwnerEvent {
    int control, event;
    std::string text;  // the text box's text when the owner was called
};
std::vector<OwnerEvent> ownerEvents;
int ownerData = 0;

int Owner(int panel, int control, int event, void *data, int, int)
{
    char text[128] = "";
    GetCtrlVal(panel, control, text);
    if (data == &ownerData)
        ownerEvents.push_back({control, event, text});
    return 0;
}

const CtrlDesc kCtrls[] = {
    {.id = C_FIRST, .kind = CTRL_NUMERIC, .name = "First", .label = "", .top = 10, .left = 40,
     .width = 80, .height = 22, .callback = nullptr},
    {.id = C_SERVER, .kind = CTRL_STRING, .name = "Server", .label = "", .top = 50, .left = 40,
     .width = 160, .height = 22, .callback = "cmb_Owner", .initialText = ""},
    {.id = C_LIMITED, .kind = CTRL_STRING, .name = "Limited", .label = "", .top = 90,
     .left = 40, .width = 160, .height = 22, .callback = "cmb_Owner", .initialText = "",
     .maxEntryLength = 10},
    {.id = C_LAST, .kind = CTRL_COMMAND_BUTTON, .name = "Last", .label = "OK", .top = 130,
     .left = 40, .width = 80, .height = 26, .callback = nullptr},
};
const PanelDesc kPanel = {.resourceId = P_COMBO, .name = "COMBO", .title = "Combo",
                          .top = 40, .left = 40, .width = 260, .height = 170,
                          .callback = nullptr, .ctrls = kCtrls, .numCtrls = 4};
const CallbackEntry kCallbacks[] = {{"cmb_Owner", Owner}};

class ComboBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterPanelResource(kFile, &kPanel, 1);
        RegisterCallbacks(kCallbacks, 1);
        ownerEvents.clear();
        panel_ = LoadPanel(0, kFile, P_COMBO);
        ASSERT_GT(panel_, 0);
        for (int ctrl : {C_SERVER, C_LIMITED}) {
            InstallCtrlCallback(panel_, ctrl, Owner, &ownerData);
            ASSERT_EQ(Combo_NewComboBox(panel_, ctrl), ctrl);
        }
        DisplayPanel(panel_);
        QWidget *w = uitest::PanelWidget(panel_);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void TearDown() override { uitest::ResetUserInterface(); }

    QLineEdit *Edit(int ctrl) { return static_cast<QLineEdit *>(uitest::CtrlWidget(panel_, ctrl)); }
    QComboBox *List(int ctrl)
    {
        return static_cast<QComboBox *>(uitest::CtrlWidget(panel_, ListOf(ctrl)));
    }
    int ListOf(int ctrl) { return ComboRecordOf(panel_, ctrl)->listCtrl; }
    void Fill(int ctrl, std::initializer_list<const char *> entries)
    {
        for (const char *e : entries)
            ASSERT_EQ(Combo_InsertComboItem(panel_, ctrl, -1, e), 0);
    }
    // Types into the text box as the operator does, from an empty field.
    QLineEdit *Type(int ctrl, const char *keys)
    {
        SetActiveCtrl(panel_, ctrl);
        QLineEdit *edit = Edit(ctrl);
        edit->clear();
        QTest::keyClicks(edit, keys);
        return edit;
    }

    int panel_ = 0;
};

TEST_F(ComboBox, CompletesFromTheFirstMatchingEntryKeepingWhatWasTyped)
{
    Fill(C_SERVER, {"Alpha", "alpine"});
    QLineEdit *edit = Type(C_SERVER, "al");
    EXPECT_EQ(edit->text().toStdString(), "alpha");
    EXPECT_EQ(edit->selectedText().toStdString(), "pha");
    QTest::keyClicks(edit, "pi");  // the next key replaces the completion
    EXPECT_EQ(edit->text().toStdString(), "alpine");
    EXPECT_EQ(edit->selectedText().toStdString(), "ne");

    // After Backspace or Delete nothing completes until another key.
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text().toStdString(), "alpi");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text().toStdString(), "alp");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text().toStdString(), "lp");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, "h");
    EXPECT_EQ(edit->text().toStdString(), "lph");
    edit->clear();
    QTest::keyClicks(edit, "A");
    EXPECT_EQ(edit->text().toStdString(), "Alpha");
}

// An entry of one character is never used: an emptied box, which every
// entry begins with, stays empty although "b" comes first, and "bravo"
// behind it is not considered.
TEST_F(ComboBox, AOneCharacterEntryNeverCompletes)
{
    Fill(C_SERVER, {"b", "bravo"});
    QLineEdit *edit = Type(C_SERVER, "q");
    ASSERT_EQ(edit->text().toStdString(), "q");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text().toStdString(), "");
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(ComboBox, EntryLimitCutsAChosenEntryAndTheCompletion)
{
    Fill(C_LIMITED, {"fifteen-chars-x"});
    QLineEdit *edit = Type(C_LIMITED, "fi");
    EXPECT_EQ(edit->text().toStdString(), "fifteen-ch");
    EXPECT_EQ(edit->selectedText().toStdString(), "fteen-ch");

    // The choice must replace a text that is not the entry's start.
    edit = Type(C_LIMITED, "x");
    ownerEvents.clear();
    QTest::keyClick(edit, Qt::Key_Down);
    ASSERT_TRUE(List(C_LIMITED)->view()->isVisible());
    QTest::keyClick(List(C_LIMITED)->view(), Qt::Key_Return);
    EXPECT_EQ(edit->text().toStdString(), "fifteen-ch");
    ASSERT_FALSE(ownerEvents.empty());
    EXPECT_EQ(ownerEvents.back().control, C_LIMITED);
    EXPECT_EQ(ownerEvents.back().event, EVENT_COMMIT);
    EXPECT_EQ(ownerEvents.back().text, "fifteen-ch");

    int limit = 0;
    Combo_SetComboAttribute(panel_, C_LIMITED, ATTR_COMBO_MAX_ENTRY_LENGTH, -1);
    Combo_GetComboAttribute(panel_, C_LIMITED, ATTR_COMBO_MAX_ENTRY_LENGTH, &limit);
    EXPECT_EQ(limit, -1);
    edit = Type(C_LIMITED, "fi");
    EXPECT_EQ(edit->text().toStdString(), "fifteen-chars-x");
    ASSERT_EQ(Combo_SetComboAttribute(panel_, C_LIMITED, ATTR_COMBO_MAX_ENTRY_LENGTH, 5), 0);
    edit = Type(C_LIMITED, "fi");
    EXPECT_EQ(edit->text().toStdString(), "fifte");
    EXPECT_EQ(edit->selectedText().toStdString(), "fte");
}

// Up or Down opens the list; the chosen entry goes into the text box, the
// focus comes back to it, and the owner hears a commit of the text box.
// Opening the list commits nothing typed before: a choice replaces the
// typed text, and without one the typed text is committed when the
// operator moves on.
TEST_F(ComboBox, ArrowKeyOpensTheListAndTheChoiceIsACommitOfTheTextBox)
{
    Fill(C_SERVER, {"alpha.example", "beta.example"});
    QLineEdit *edit = Type(C_SERVER, "10.0.");
    ownerEvents.clear();
    QTest::keyClick(edit, Qt::Key_Up);
    QAbstractItemView *view = List(C_SERVER)->view();
    ASSERT_TRUE(view->isVisible());
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(edit->text().toStdString(), "beta.example");
    EXPECT_EQ(GetActiveCtrl(panel_), C_SERVER);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    auto commits = [] {
        std::vector<std::string> texts;
        for (const OwnerEvent &e : ownerEvents) {
            EXPECT_EQ(e.control, C_SERVER);
            if (e.event == EVENT_COMMIT)
                texts.push_back(e.text);
        }
        return texts;
    };
    EXPECT_EQ(commits(), std::vector<std::string>{"beta.example"});

    edit = Type(C_SERVER, "10.0.");
    ownerEvents.clear();
    QTest::keyClick(edit, Qt::Key_Down);
    ASSERT_TRUE(view->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(commits().empty());
    SetActiveCtrl(panel_, C_LAST);
    EXPECT_EQ(commits(), std::vector<std::string>{"10.0."});
}

TEST_F(ComboBox, TabLandsInTheTextBoxAndShiftTabSkipsTheButton)
{
    SetActiveCtrl(panel_, C_FIRST);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(GetActiveCtrl(panel_), C_SERVER);
    EXPECT_EQ(QApplication::focusWidget(), Edit(C_SERVER));

    QTest::keyClick(Edit(C_SERVER), Qt::Key_Backtab);
    EXPECT_EQ(GetActiveCtrl(panel_), C_FIRST);
    // A dimmed control is passed over, and the search wraps to the end.
    SetCtrlAttribute(panel_, C_FIRST, ATTR_DIMMED, 1);
    SetActiveCtrl(panel_, C_SERVER);
    QTest::keyClick(Edit(C_SERVER), Qt::Key_Backtab);
    EXPECT_EQ(GetActiveCtrl(panel_), C_LAST);
    // From the second combo box the first one's text box comes before.
    SetActiveCtrl(panel_, C_LIMITED);
    QTest::keyClick(Edit(C_LIMITED), Qt::Key_Backtab);
    EXPECT_EQ(GetActiveCtrl(panel_), C_SERVER);
}

TEST_F(ComboBox, ErrorsForControlsAndAttributesThatDoNotFit)
{
    EXPECT_EQ(Combo_NewComboBox(panel_, C_SERVER), UIEInvalidControlType);
    EXPECT_EQ(Combo_NewComboBox(panel_, C_FIRST), UIEInvalidControlType);
    EXPECT_EQ(Combo_InsertComboItem(panel_, C_FIRST, 0, "x"), UIEInvalidControlType);
    int value = 0;
    EXPECT_EQ(Combo_GetComboAttribute(panel_, C_LAST, ATTR_COMBO_HEIGHT, &value),
              UIEInvalidControlType);
    EXPECT_EQ(Combo_SetComboAttribute(panel_, C_SERVER, ATTR_COMBO_TEXT_FONT_NAME_LENGTH, 3),
              UIEInvalidAttribute);
    EXPECT_EQ(Combo_SetComboAttribute(panel_, C_SERVER, ATTR_COMBO_HEIGHT, 30),
              UIEInvalidAttribute);
    EXPECT_EQ(Combo_SetComboAttribute(panel_, C_SERVER, 15, 0), UIEInvalidAttribute);
    EXPECT_EQ(Combo_GetComboAttribute(panel_, C_SERVER, 0, &value), UIEInvalidAttribute);
    EXPECT_EQ(
        Combo_GetComboAttribute(panel_, C_SERVER, ATTR_COMBO_TEXT_FONT_NAME_LENGTH, &value), 0);
    EXPECT_GT(value, 0);
}

// Position and visibility move all three parts; deleting to the end keeps
// the entries before the index.
TEST_F(ComboBox, AttributesMoveEveryPartAndEntriesDeleteToTheEnd)
{
    const int list = ListOf(C_SERVER), frame = ComboRecordOf(panel_, C_SERVER)->frameCtrl;
    int height = 0;
    Combo_GetComboAttribute(panel_, C_SERVER, ATTR_COMBO_HEIGHT, &height);
    EXPECT_EQ(height, 24);
    ASSERT_EQ(Combo_SetComboAttribute(panel_, C_SERVER, ATTR_COMBO_LEFT, 100), 0);
    int left[3] = {};
    GetCtrlAttribute(panel_, frame, ATTR_LEFT, &left[0]);
    GetCtrlAttribute(panel_, list, ATTR_LEFT, &left[1]);
    GetCtrlAttribute(panel_, C_SERVER, ATTR_LEFT, &left[2]);
    EXPECT_EQ(std::vector<int>(left, left + 3), (std::vector<int>{100, 101, 122}));
    ASSERT_EQ(Combo_SetComboAttribute(panel_, C_SERVER, ATTR_COMBO_VISIBLE, 0), 0);
    for (int ctrl : {static_cast<int>(C_SERVER), list, frame})
        EXPECT_FALSE(uitest::CtrlWidget(panel_, ctrl)->isVisible()) << ctrl;

    for (int i = 0; i < 11; ++i)
        Combo_InsertComboItem(panel_, C_SERVER, -1, std::to_string(i).c_str());
    ASSERT_EQ(Combo_DeleteComboItem(panel_, C_SERVER, 10, -1), 0);
    int count = 0, index = 0;
    GetNumListItems(panel_, list, &count);
    EXPECT_EQ(count, 10);
    Combo_GetIndexFromValue(panel_, C_SERVER, &index, "9");
    EXPECT_EQ(index, 9);
    Combo_GetIndexFromValue(panel_, C_SERVER, &index, "10");
    EXPECT_EQ(index, -1);
    // The owner hears a value change at once and the commit from the event loop.
    ownerEvents.clear();
    SendValChangedEvent(ComboRecordOf(panel_, C_SERVER));
    ASSERT_EQ(ownerEvents.size(), 1u);
    EXPECT_EQ(ownerEvents[0].event, EVENT_VAL_CHANGED);
    QTest::qWait(1);
    ASSERT_EQ(ownerEvents.size(), 2u);
    EXPECT_EQ(ownerEvents[1].event, EVENT_COMMIT);

    EXPECT_EQ(Combo_DiscardComboBox(panel_, C_SERVER), 0);
    EXPECT_EQ(uitest::CtrlWidget(panel_, list), nullptr);
    EXPECT_EQ(Combo_InsertComboItem(panel_, C_SERVER, 0, "x"), UIEInvalidControlType);
}

}  // namespace
