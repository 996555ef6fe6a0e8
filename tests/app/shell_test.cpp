// The program's frame: the work area, the dimming of the transfer controls,
// and the end of the event loop by the close of the main window.
#include <QImage>
#include <QTimer>

#include "app/callbacks.h"
#include "app/orvelle.h"
#include "gui/work_area.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class Shell : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    int Colour(int ctrl) const
    {
        int c = -1;
        GetCtrlAttribute(mainpanel, ctrl, ATTR_CMD_BUTTON_COLOR, &c);
        return c;
    }
    int Dimmed(int panel, int ctrl) const
    {
        int d = -1;
        GetCtrlAttribute(panel, ctrl, ATTR_DIMMED, &d);
        return d;
    }
};

TEST_F(Shell, WorkAreaShowsOnePanelAndMarksItsButton)
{
    struct Case { int which; int *panel; int button; };
    const Case cases[] = {
        {1, &interfacepanel, MAINP_ButtonConnect}, {2, &parapanel, MAINP_ButtonPara},
        {3, &ttpanel, MAINP_ButtonTeachTable},     {5, &recpanel, MAINP_ButtonRecorder},
    };
    const int buttons[] = {MAINP_ButtonConnect, MAINP_ButtonPara, MAINP_ButtonTeachTable,
                           MAINP_ButtonRecorder};
    for (const Case &c : cases) {
        ShowChildPanel(c.which);
        for (const Case &other : cases)
            EXPECT_EQ(IsPanelVisible(*other.panel), other.panel == c.panel ? 1 : 0)
                << "after ShowChildPanel(" << c.which << ")";
        for (int b : buttons)
            EXPECT_EQ(Colour(b), b == c.button ? 0xC0C0C0 : 0xE0E0E0);
    }
    ShowChildPanel(4);  // no such panel: the work area is empty
    for (const Case &c : cases)
        EXPECT_EQ(IsPanelVisible(*c.panel), 0);
    for (int b : buttons)
        EXPECT_EQ(Colour(b), 0xE0E0E0);
    EXPECT_EQ(IsPanelVisible(datapanel), 1);
}

TEST_F(Shell, ButtonsOfTheWorkAreaSwitchIt)
{
    uitest::InjectEvent(mainpanel, MAINP_ButtonTeachTable, EVENT_COMMIT);
    EXPECT_EQ(IsPanelVisible(ttpanel), 1);
    uitest::InjectEvent(mainpanel, MAINP_ButtonPara, EVENT_COMMIT);
    EXPECT_EQ(IsPanelVisible(parapanel), 1);
    EXPECT_EQ(IsPanelVisible(ttpanel), 0);
    // Showing the interface panel always dims Accept.
    SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 0);
    ShowChildPanel(1);
    EXPECT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 1);
}

TEST_F(Shell, DimmingCoversTheTransferControlsAndTheSettingsAndNeverTheStops)
{
    struct Item { int *panel; int ctrl; };
    const Item dimmedOnes[] = {
        {&mainpanel, MAINP_ButtonSend},       {&mainpanel, MAINP_ButtonGet},
        {&mainpanel, MAINP_ButtonGo},         {&mainpanel, MAINP_SelectRAM},
        {&mainpanel, MAINP_SelectEEPROM},     {&mainpanel, MAINP_SelectFILE},
        {&interfacepanel, INTERFACEP_ButtonTryToConnect},
        {&interfacepanel, INTERFACEP_ButtonDiscard},
        {&recpanel, RECP_EditSelectDataRec},  {&recpanel, RECP_ButtonSelRecFile},
        {&recpanel, RECP_ButtonStartRecord},  {&recpanel, RECP_ButtonStartTrigRec},
        {&interfacepanel, INTERFACEP_EditCommunicationProtocol},
        {&interfacepanel, INTERFACEP_EditSelectComPort},
        {&interfacepanel, INTERFACEP_StringIpAdress},
        {&interfacepanel, INTERFACEP_StringPortNumber},
    };
    const Item neverDimmed[] = {{&mainpanel, MAINP_ButtonStop},
                                {&recpanel, RECP_ButtonStopRecord},
                                {&recpanel, RECP_ButtonStopTrigRec},
                                {&mainpanel, MAINP_ButtonPara}};
    for (int state : {1, 0}) {
        SetButtonsDimmed(state);
        for (const Item &i : dimmedOnes)
            EXPECT_EQ(Dimmed(*i.panel, i.ctrl), state) << "control " << i.ctrl;
        for (const Item &i : neverDimmed)
            EXPECT_EQ(Dimmed(*i.panel, i.ctrl), 0) << "control " << i.ctrl;
    }
}

int loopTurns = 0;
// A callback running a loop as the polling loop does, until poll is cleared.
int LoopingCallback(int, int, int event, void *, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    poll = 1;
    while (poll == 1) {
        ProcessSystemEvents();
        ++loopTurns;
    }
    return 0;
}

TEST_F(Shell, ClosingTheMainWindowEndsTheLoopThenTheEventLoop)
{
    InstallCtrlCallback(mainpanel, MAINP_ButtonGo, LoopingCallback, nullptr);
    loopTurns = 0;
    // The operator presses Go, then closes the window while the loop runs.
    QTimer::singleShot(0, [] { uitest::InjectEvent(mainpanel, MAINP_ButtonGo, EVENT_COMMIT); });
    QTimer::singleShot(100, [] { uitest::InjectEvent(mainpanel, 0, EVENT_CLOSE); });
    bool ended = false;
    QTimer::singleShot(5000, [&] { if (!ended) QuitUserInterface(-99); });
    const int code = RunUserInterface();
    ended = true;
    EXPECT_EQ(code, 0);  // ended by the close, not by the safety timer
    EXPECT_GT(loopTurns, 0);
}

TEST_F(Shell, ClosingTheWindowBeforeTheEventLoopRunsEndsTheProgram)
{
    // As when the operator closes the window during the first connection attempt.
    uitest::InjectEvent(mainpanel, 0, EVENT_CLOSE);
    bool ended = false;
    QTimer::singleShot(3000, [&] { if (!ended) QuitUserInterface(-1); });
    const double start = Timer();
    RunEventLoop();
    ended = true;
    EXPECT_LT(Timer() - start, 1.0);
}

TEST_F(Shell, MainWindowScreenshot)
{
    QWidget *window = uitest::PanelWidget(mainpanel);
    ASSERT_NE(window, nullptr);
    const QImage image = window->grab().toImage();
    EXPECT_GE(image.width(), 800);
    EXPECT_GE(image.height(), 600);
    EXPECT_TRUE(image.save(QString::fromStdString(Path("main-window.png"))));
    // Not a blank picture: the banner's blue is there.
    bool blue = false;
    for (int x = 0; x < image.width() && !blue; x += 4)
        blue = image.pixelColor(x, 10).rgb() == QColor(0x00, 0x80, 0xFF).rgb();
    EXPECT_TRUE(blue);
}

}  // namespace
