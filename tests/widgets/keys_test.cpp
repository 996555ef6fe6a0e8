// The operator's keys and clicks on the real widgets of the running program:
// F9 Send, F10 Get, F11 Go, F12 Stop, and the work-area buttons.
#include <QTest>
#include <QTimer>

#include "support/program_fixture.h"

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

}  // namespace
