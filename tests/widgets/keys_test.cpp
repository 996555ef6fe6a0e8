// The operator's keys and clicks on the real widgets of the running program:
// F9 Send, F10 Get, F11 Go, F12 Stop, and the work-area buttons; the keys
// from the program's other windows.
#include <QTest>
#include <QTimer>

#include "gui/link_log_window.h"
#include "support/program_fixture.h"
#include "ui/linklog_uir.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::DataRequests;
using orvtest::ProgramTest;

namespace {

class Keys : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        StartSensorTcp();
        OpenProgram();
        ASSERT_EQ(comecho, 1);
        window_ = uitest::PanelWidget(mainpanel);
        ASSERT_NE(window_, nullptr);
        window_->activateWindow();
        sensor_->clearFrameLog();
    }
    QWidget *window_ = nullptr;
};

TEST_F(Keys, F10GetsAndF9Sends)
{
    QTest::keyClick(window_, Qt::Key_F10);
    auto cmds = Commands(sensor_->receivedFrames());
    ASSERT_EQ(cmds.size(), 32u);
    EXPECT_EQ(cmds[0], 3);
    sensor_->clearFrameLog();
    QTest::keyClick(window_, Qt::Key_F9);
    cmds = Commands(sensor_->receivedFrames());
    ASSERT_EQ(cmds.size(), 32u);
    EXPECT_EQ(cmds[0], 1);
}

TEST_F(Keys, F11PollsUntilF12)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [this, timer] {
        if (Commands(sensor_->receivedFrames()).size() >= 5) {
            timer->stop();
            QTest::keyClick(window_, Qt::Key_F12);
        }
    });
    timer->start(10);
    QTest::keyClick(window_, Qt::Key_F11);  // returns when polling has ended
    delete timer;
    const auto cmds = Commands(sensor_->receivedFrames());
    EXPECT_GE(cmds.size(), 5u);
    EXPECT_LE(cmds.size(), 6u);
    for (int c : cmds)
        EXPECT_EQ(c, 5);
}

TEST_F(Keys, DimmedGoIgnoresF11)
{
    SetCtrlAttribute(mainpanel, MAINP_ButtonGo, ATTR_DIMMED, 1);
    QTest::keyClick(window_, Qt::Key_F11);
    QTest::qWait(200);
    EXPECT_TRUE(sensor_->receivedFrames().empty());
}

TEST_F(Keys, ClickingTheSelectorButtonsSwitchesTheWorkArea)
{
    QTest::mouseClick(uitest::CtrlWidget(mainpanel, MAINP_ButtonTeachTable), Qt::LeftButton);
    EXPECT_EQ(IsPanelVisible(ttpanel), 1);
    EXPECT_EQ(IsPanelVisible(parapanel), 0);
    QTest::mouseClick(uitest::CtrlWidget(mainpanel, MAINP_ButtonPara), Qt::LeftButton);
    EXPECT_EQ(IsPanelVisible(parapanel), 1);
}

// A window of the program other than the main one, and where in it the key
// is pressed: the window itself or a control that has the focus.
struct OtherWindow {
    const char *name;
    int *panel;
    int ctrl;  // 0: the window
    void (*open)();
};

void OpenBigDisplay() { DisplayPanel(colbigpanel); }
void OpenTheLinkLog() { OpenLinkLog(); }

class KeysElsewhere : public Keys, public ::testing::WithParamInterface<OtherWindow> {
protected:
    QWidget *Target()
    {
        const OtherWindow &w = GetParam();
        return w.ctrl ? uitest::CtrlWidget(*w.panel, w.ctrl) : uitest::PanelWidget(*w.panel);
    }
};

TEST_P(KeysElsewhere, F11StartsAndF12StopsPolling)
{
    GetParam().open();
    QWidget *window = uitest::PanelWidget(*GetParam().panel);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget *target = Target();
    auto *timer = new QTimer;
    const double start = Timer();
    QObject::connect(timer, &QTimer::timeout, [this, timer, target, start] {
        if (Commands(sensor_->receivedFrames()).size() >= 5) {
            QTest::keyClick(target, Qt::Key_F12);
            // A key that stopped nothing must not leave the test polling.
            if (Timer() - start > 3.0) {
                timer->stop();
                poll = 0;
            }
        }
    });
    timer->start(10);
    QTest::keyClick(target, Qt::Key_F11);  // returns when polling has ended
    delete timer;
    EXPECT_EQ(poll, 0);
    const auto cmds = Commands(sensor_->receivedFrames());
    EXPECT_GE(cmds.size(), 5u);
    EXPECT_LE(cmds.size(), 6u);

    // A dimmed button takes its key from nowhere.
    sensor_->clearFrameLog();
    SetCtrlAttribute(mainpanel, MAINP_ButtonGo, ATTR_DIMMED, 1);
    QTest::keyClick(target, Qt::Key_F11);
    QTest::qWait(100);
    EXPECT_TRUE(sensor_->receivedFrames().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, KeysElsewhere,
    ::testing::Values(OtherWindow{"BigDisplay", &colbigpanel, 0, OpenBigDisplay},
                      OtherWindow{"LinkLog", &linklogpanel, 0, OpenTheLinkLog},
                      OtherWindow{"LinkLogLines", &linklogpanel, LINKLOGP_LogText,
                                  OpenTheLinkLog}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
