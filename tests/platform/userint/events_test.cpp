// The event loop and the test seam: RunUserInterface and QuitUserInterface,
// waiting loops nested in callbacks, panels and controls discarded by their
// own callbacks, injected events and operator values.
#include <QApplication>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "platform/utility/utility.h"
#include "ui_fixture.h"

using namespace uifix;

namespace {

// State of the nested-loop scenario.
struct Nest {
    bool stop = false;
    bool outerReturned = false;
    int turns = 0;
    std::vector<std::string> order;
};
Nest nest;

// The button's callback runs a waiting loop until the close clears stop.
int waitingButton(int, int, int event, void *, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    nest.order.push_back("loop starts");
    while (!nest.stop) {
        ProcessSystemEvents();
        ++nest.turns;
    }
    nest.order.push_back("loop ends");
    nest.outerReturned = true;
    return 0;
}

int closingPanel(int, int, int event, void *, int, int)
{
    if (event == EVENT_CLOSE) {
        nest.order.push_back("close");
        nest.stop = true;
        QuitUserInterface(3);
    }
    return 0;
}

int discardOnClose(int panel, int, int event, void *, int, int)
{
    if (event == EVENT_CLOSE)
        DiscardPanel(panel);
    return 0;
}

int discardOnCommit(int panel, int control, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DiscardCtrl(panel, control);
    return 0;
}

int answer42(int, int, int, void *, int, int)
{
    return 42;
}

}  // namespace

using EventLoop = UiTest;
using TestSeam = UiTest;

TEST_F(EventLoop, RunReturnsTheQuitCode)
{
    EXPECT_EQ(QuitUserInterface(1), UIENotInUserInterface);
    QTimer::singleShot(0, [] { QuitUserInterface(7); });
    EXPECT_EQ(RunUserInterface(), 7);
    EXPECT_EQ(QuitUserInterface(1), UIENotInUserInterface);
}

// A close nested in a waiting loop ends the loop first; the event loop ends
// when the callback that ran it has returned.
TEST_F(EventLoop, CloseInsideANestedLoopEndsRunAfterTheOuterCallback)
{
    nest = Nest{};
    InstallCtrlCallback(main_, C_BUTTON, waitingButton, nullptr);
    InstallPanelCallback(main_, closingPanel, nullptr);
    DisplayPanel(main_);
    QWidget *window = uitest::PanelWidget(main_);
    QTimer::singleShot(0, [this] {
        QTest::mouseClick(uitest::CtrlWidget(main_, C_BUTTON), Qt::LeftButton);
        nest.order.push_back("click returned");
    });
    QTimer::singleShot(20, window, [window] { window->close(); });
    int code = RunUserInterface();
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(nest.outerReturned);
    EXPECT_GT(nest.turns, 0);
    EXPECT_EQ(nest.order, (std::vector<std::string>{"loop starts", "close", "loop ends",
                                                    "click returned"}));
    EXPECT_TRUE(window->isVisible());  // the callback did not hide it
}

TEST_F(EventLoop, ProcessSystemEventsRunsWhatOtherThreadsPost)
{
    std::atomic<bool> delivered{false};
    QThread *poster = QThread::create([&delivered] {
        QTimer::singleShot(0, qApp, [&delivered] { delivered = true; });
    });
    poster->start();
    poster->wait();
    delete poster;
    for (int i = 0; i < 1000 && !delivered; ++i)
        ProcessSystemEvents();
    EXPECT_TRUE(delivered);
    // With nothing pending it returns.
    EXPECT_EQ(ProcessSystemEvents(), 0);
}

// A loop that gives a far deadline still wakes for the first event.
TEST_F(EventLoop, AWaitingCallWakesForTheNextEventBeforeItsDeadline)
{
    constexpr double kDeadlineS = 30.0;
    std::atomic<bool> delivered{false};
    QThread *poster = QThread::create([&delivered] {
        QThread::msleep(50);
        QTimer::singleShot(0, qApp, [&delivered] { delivered = true; });
    });
    const double start = Timer();
    poster->start();
    while (!delivered && Timer() - start < kDeadlineS)
        ProcessSystemEventsUntil(start + kDeadlineS);
    poster->wait();
    delete poster;
    EXPECT_TRUE(delivered);
    EXPECT_LT(Timer() - start, kDeadlineS / 2);
}

TEST_F(EventLoop, PanelDiscardedByItsOwnCloseCallback)
{
    InstallPanelCallback(main_, discardOnClose, nullptr);
    DisplayPanel(main_);
    QPointer<QWidget> window = uitest::PanelWidget(main_);
    window->close();
    EXPECT_EQ(uitest::PanelWidget(main_), nullptr);
    EXPECT_EQ(IsPanelVisible(main_), UIEHandleInvalid);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(EventLoop, ControlDiscardedByItsOwnClickCallback)
{
    InstallCtrlCallback(main_, C_BUTTON, discardOnCommit, nullptr);
    DisplayPanel(main_);
    QTest::mouseClick(uitest::CtrlWidget(main_, C_BUTTON), Qt::LeftButton);
    EXPECT_EQ(uitest::CtrlWidget(main_, C_BUTTON), nullptr);
    int count = 0;
    GetPanelAttribute(main_, ATTR_NUM_CTRLS, &count);
    EXPECT_EQ(count, C_COUNT - 1);
}

TEST_F(TestSeam, InjectedEventsReachTheCallbackWithTheirData)
{
    EXPECT_EQ(uitest::InjectEvent(main_, C_GRAPH, EVENT_LEFT_DOUBLE_CLICK, 5, 6), 0);
    EXPECT_EQ(uitest::InjectEvent(main_, 0, EVENT_RIGHT_CLICK), 0);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0].control, C_GRAPH);
    EXPECT_EQ(events()[0].event, EVENT_LEFT_DOUBLE_CLICK);
    EXPECT_EQ(events()[0].d1, 5);
    EXPECT_EQ(events()[0].d2, 6);
    EXPECT_EQ(events()[1].control, 0);
    InstallCtrlCallback(main_, C_MSG, answer42, nullptr);
    EXPECT_EQ(uitest::InjectEvent(main_, C_MSG, EVENT_KEYPRESS, 'a'), 42);
}

TEST_F(TestSeam, OperatorValuesFireWhatTheWidgetWould)
{
    ASSERT_EQ(uitest::OperatorSetValue(main_, C_WORD, 300), 0);
    EXPECT_EQ(codesOf(main_, C_WORD), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_COMMIT}));
    unsigned short word = 0;
    GetCtrlVal(main_, C_WORD, &word);
    EXPECT_EQ(word, 300);

    ASSERT_EQ(uitest::OperatorSetValue(main_, C_RING, 0), 0);
    int ring = -1;
    GetCtrlVal(main_, C_RING, &ring);
    EXPECT_EQ(ring, 0);
    EXPECT_EQ(uitest::OperatorSetValue(main_, C_RING, 17), UIEIndexOutOfRange);

    ASSERT_EQ(uitest::OperatorSetValue(main_, C_STRING, "host"), 0);
    EXPECT_EQ(codesOf(main_, C_STRING), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_COMMIT}));

    InsertListItem(main_, C_LIST, -1, "one", "one");
    ASSERT_EQ(uitest::OperatorSetValue(main_, C_LIST, "one"), 0);
    EXPECT_EQ(codesOf(main_, C_LIST), (std::vector<int>{EVENT_VAL_CHANGED, EVENT_COMMIT}));

    events().clear();
    ASSERT_EQ(uitest::OperatorSetCell(main_, C_TABLE, 3, 2, 77), 0);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0].event, EVENT_VAL_CHANGED);
    EXPECT_EQ(events()[0].d1, 2);
    EXPECT_EQ(events()[0].d2, 3);
    unsigned short cell = 0;
    GetTableCellVal(main_, C_TABLE, MakePoint(3, 2), &cell);
    EXPECT_EQ(cell, 77);
    EXPECT_EQ(uitest::OperatorSetCell(main_, C_TABLE, 4, 1, 1), UIEIndexOutOfRange);

    // The operator cannot change displays or dimmed controls.
    events().clear();
    EXPECT_LT(uitest::OperatorSetValue(main_, C_SHOW, 1), 0);
    SetCtrlAttribute(main_, C_WORD, ATTR_DIMMED, 1);
    EXPECT_LT(uitest::OperatorSetValue(main_, C_WORD, 1), 0);
    EXPECT_EQ(uitest::OperatorSetValue(main_, C_BUTTON, 1), UIEInvalidControlType);
    EXPECT_TRUE(events().empty());
}

TEST_F(TestSeam, ResetDiscardsEveryPanel)
{
    int second = LoadPanel(0, kFile, P_SECOND);
    int child = LoadPanel(main_, kFile, P_CHILD);
    uitest::ResetUserInterface();
    for (int h : {main_, second, child})
        EXPECT_EQ(uitest::PanelWidget(h), nullptr);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->windowTitle() == "Platform test" || w->windowTitle() == "Second");
}

// Without the keyboard (a hidden or inactive window) a focus change made by
// the program is still reported, and leaving a changed text commits it.
TEST_F(TestSeam, ProgramFocusChangesAreReportedInAnInactiveWindow)
{
    ASSERT_EQ(SetActiveCtrl(main_, C_STRING), 0);
    EXPECT_EQ(codesOf(main_, C_STRING), std::vector<int>{EVENT_GOT_FOCUS});
    EXPECT_EQ(GetActiveCtrl(main_), C_STRING);
    FakeKeystroke('x');
    events().clear();
    ASSERT_EQ(SetActiveCtrl(main_, C_LIST), 0);
    EXPECT_EQ(codesOf(main_, C_STRING), (std::vector<int>{EVENT_COMMIT, EVENT_LOST_FOCUS}));
    EXPECT_EQ(codesOf(main_, C_LIST), std::vector<int>{EVENT_GOT_FOCUS});
    EXPECT_EQ(GetActiveCtrl(main_), C_LIST);
    events().clear();
    SetActiveCtrl(main_, C_LIST);  // already there: nothing to report
    EXPECT_TRUE(events().empty());
}
