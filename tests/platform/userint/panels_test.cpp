// Panels: loading, handles, child panels, showing and hiding, discarding,
// panel attributes, the window close, background clicks and a picture of a
// panel to look at.
#include <QDir>
#include <QPushButton>

#include "ui_fixture.h"

using namespace uifix;

using PanelTest = UiTest;

TEST_F(PanelTest, LoadGivesRealWidgetsAndDistinctHandles)
{
    QWidget *w = uitest::PanelWidget(main_);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->windowTitle(), "Platform test");
    EXPECT_EQ(w->size(), QSize(450, 540));
    EXPECT_NE(main_, P_MAIN);  // a handle is not the resource id

    int second = LoadPanel(0, kFile, P_MAIN);
    ASSERT_GT(second, 0);
    EXPECT_NE(second, main_);
    int count = 0;
    ASSERT_EQ(GetPanelAttribute(main_, ATTR_NUM_CTRLS, &count), 0);
    EXPECT_EQ(count, C_COUNT);
    for (int id = C_BUTTON; id <= C_COUNT; ++id) {
        QWidget *c = uitest::CtrlWidget(main_, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->parentWidget(), w) << id;
        EXPECT_NE(c, uitest::CtrlWidget(second, id));
    }
    EXPECT_EQ(uitest::CtrlWidget(main_, C_WORD)->geometry(), QRect(10, 60, 90, 22));
    // The caption keeps '&' as text.
    auto *button = qobject_cast<QPushButton *>(uitest::CtrlWidget(main_, C_BUTTON));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Go && Run");
    char label[32];
    ASSERT_EQ(GetCtrlAttribute(main_, C_BUTTON, ATTR_LABEL_TEXT, label, sizeof label), 0);
    EXPECT_STREQ(label, "Go & Run");
}

TEST_F(PanelTest, LoadFailuresLeaveNothingBehind)
{
    EXPECT_EQ(LoadPanel(0, "missing.uir", P_MAIN), UIEResourceNotFound);
    EXPECT_EQ(LoadPanel(0, kFile, 99), UIEResourceNotFound);
    EXPECT_EQ(LoadPanel(0, kFile, P_BADCB), UIECallbackNotFound);
    EXPECT_EQ(LoadPanel(12345, kFile, P_CHILD), UIEHandleInvalid);
    EXPECT_EQ(LoadPanel(0, nullptr, P_MAIN), UIEResourceNotFound);
    // A directory in front of the file name finds the same registration.
    int other = LoadPanel(0, "some/dir/platform_test.uir", P_SECOND);
    EXPECT_GT(other, 0);
}

TEST_F(PanelTest, ChildPanelIsPlacedHiddenAndShownWithItsParent)
{
    int child = LoadPanel(main_, kFile, P_CHILD);
    ASSERT_GT(child, 0);
    QWidget *cw = uitest::PanelWidget(child);
    EXPECT_EQ(cw->parentWidget(), uitest::PanelWidget(main_));
    ASSERT_EQ(SetPanelPos(child, 119, 8), 0);
    EXPECT_EQ(cw->pos(), QPoint(8, 119));
    int top = 0, left = 0;
    GetPanelAttribute(child, ATTR_TOP, &top);
    GetPanelAttribute(child, ATTR_LEFT, &left);
    EXPECT_EQ(top, 119);
    EXPECT_EQ(left, 8);

    EXPECT_EQ(IsPanelVisible(child), 0);
    ASSERT_EQ(DisplayPanel(child), 0);
    EXPECT_EQ(IsPanelVisible(child), 0);  // its parent is still hidden
    ASSERT_EQ(DisplayPanel(main_), 0);
    EXPECT_EQ(IsPanelVisible(child), 1);
    EXPECT_EQ(IsPanelVisible(main_), 1);
    ASSERT_EQ(HidePanel(child), 0);
    EXPECT_EQ(IsPanelVisible(child), 0);
    EXPECT_EQ(IsPanelVisible(main_), 1);
}

TEST_F(PanelTest, DiscardTakesChildrenAndInvalidatesHandles)
{
    int child = LoadPanel(main_, kFile, P_CHILD);
    ASSERT_GT(child, 0);
    QPointer<QWidget> cw = uitest::PanelWidget(child);
    ASSERT_EQ(DiscardPanel(main_), 0);
    EXPECT_EQ(uitest::PanelWidget(child), nullptr);
    EXPECT_EQ(cw, nullptr);
    EXPECT_EQ(DisplayPanel(child), UIEHandleInvalid);
    EXPECT_EQ(DiscardPanel(main_), UIEHandleInvalid);
    EXPECT_EQ(SetCtrlVal(main_, C_WORD, 1), UIEHandleInvalid);
    EXPECT_EQ(IsPanelVisible(main_), UIEHandleInvalid);
    int count = 0;
    EXPECT_EQ(GetPanelAttribute(main_, ATTR_NUM_CTRLS, &count), UIEHandleInvalid);
    // A handle is never given out again.
    int again = LoadPanel(0, kFile, P_MAIN);
    EXPECT_NE(again, main_);
}

TEST_F(PanelTest, PanelAttributesRoundTrip)
{
    ASSERT_EQ(SetPanelAttribute(main_, ATTR_TITLE, "New title"), 0);
    char title[64];
    ASSERT_EQ(GetPanelAttribute(main_, ATTR_TITLE, title, sizeof title), 0);
    EXPECT_STREQ(title, "New title");
    EXPECT_EQ(uitest::PanelWidget(main_)->windowTitle(), "New title");
    char tiny[4];
    ASSERT_EQ(GetPanelAttribute(main_, ATTR_TITLE, tiny, sizeof tiny), 0);
    EXPECT_STREQ(tiny, "New");

    ASSERT_EQ(SetPanelAttribute(main_, ATTR_DIMMED, 1), 0);
    int dimmed = 0;
    GetPanelAttribute(main_, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    EXPECT_FALSE(uitest::CtrlWidget(main_, C_BUTTON)->isEnabled());
    ASSERT_EQ(SetPanelAttribute(main_, ATTR_WIDTH, 500), 0);
    int width = 0;
    GetPanelAttribute(main_, ATTR_WIDTH, &width);
    EXPECT_EQ(width, 500);
    EXPECT_EQ(SetPanelAttribute(main_, ATTR_NUM_CTRLS, 3), UIEInvalidAttribute);
    EXPECT_EQ(SetPanelAttribute(main_, ATTR_MAX_ENTRY_LENGTH, 3), UIEInvalidAttribute);
    EXPECT_EQ(SetPanelAttribute(main_, ATTR_TITLE, 3), UIEBadValueType);
}

// Closing the window only reports; the callback decides.
TEST_F(PanelTest, CloseReportsAndKeepsTheWindowOpen)
{
    ASSERT_EQ(DisplayPanel(main_), 0);
    QWidget *w = uitest::PanelWidget(main_);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(codesOf(main_, 0), std::vector<int>{EVENT_CLOSE});
}

TEST_F(PanelTest, BackgroundClicksGoToThePanelCallback)
{
    int child = LoadPanel(main_, kFile, P_CHILD);
    SetPanelPos(child, 300, 240);
    DisplayPanel(child);
    DisplayPanel(main_);
    QWidget *w = uitest::PanelWidget(main_);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(400, 30));
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(400, 30));
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(400, 30));
    ASSERT_EQ(codesOf(main_, 0),
              (std::vector<int>{EVENT_LEFT_CLICK, EVENT_RIGHT_CLICK, EVENT_LEFT_DOUBLE_CLICK}));
    EXPECT_EQ(events()[0].d1, 30);   // vertical position first
    EXPECT_EQ(events()[0].d2, 400);
    // A click on the child panel belongs to the child only.
    events().clear();
    QTest::mouseClick(uitest::PanelWidget(child), Qt::RightButton, {}, QPoint(150, 80));
    EXPECT_EQ(codesOf(child, 0), std::vector<int>{EVENT_RIGHT_CLICK});
    EXPECT_TRUE(codesOf(main_, 0).empty());
    // A click on a control is the control's, not the panel's.
    events().clear();
    QTest::mouseClick(uitest::CtrlWidget(main_, C_MSG), Qt::RightButton);
    EXPECT_EQ(codesOf(main_, C_MSG), std::vector<int>{EVENT_RIGHT_CLICK});
    EXPECT_TRUE(codesOf(main_, 0).empty());
}

TEST_F(PanelTest, InstallPanelCallbackReplacesTheNamedOne)
{
    static int calls = 0;
    static void *seen = nullptr;
    calls = 0;
    int marker = 5;
    auto cb = [](int, int, int event, void *data, int, int) {
        if (event == EVENT_CLOSE) {
            ++calls;
            seen = data;
        }
        return 0;
    };
    ASSERT_EQ(InstallPanelCallback(main_, cb, &marker), 0);
    uitest::InjectEvent(main_, 0, EVENT_CLOSE);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, &marker);
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(InstallPanelCallback(999, cb, nullptr), UIEHandleInvalid);
}

// Saves a picture of the panel for a person to look at.
TEST_F(PanelTest, GrabOfAFilledPanelIsNotBlank)
{
    int child = LoadPanel(main_, kFile, P_CHILD);
    SetPanelPos(child, 340, 240);
    SetCtrlVal(main_, C_MSG, "Status: ready");
    SetCtrlVal(main_, C_TEXTBOX, "line one\nline two\n");
    SetCtrlAttribute(main_, C_BUTTON, ATTR_CMD_BUTTON_COLOR, 0xC0C0C0);
    SetTableRowAttribute(main_, C_TABLE, 1, ATTR_LABEL_COLOR, 0x008000);
    SetTableRowAttribute(main_, C_TABLE, 2, ATTR_LABEL_COLOR, 0xFF0000);
    InsertListItem(main_, C_LIST, -1, "alpha", "alpha");
    DisplayPanel(child);
    DisplayPanel(main_);
    QImage image = uitest::PanelWidget(main_)->grab().toImage();
    QString dir = qEnvironmentVariable("ORVELLE_GRAB_DIR", ORVELLE_BUILD_DIR);
    EXPECT_TRUE(image.save(dir + "/platform_panel.png"));
    EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(450, 540));
    // The decoration is filled with its colour.
    QPoint inDeco = QPoint(60, 510) * image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor(inDeco).rgb() & 0xFFFFFF, 0x0080FFu);
}
