// Changes the sensor does not have yet: marked on the panel and on its
// work-area button, cleared by a successful send or read, and asked about
// once before a read would replace them; no leaves the panels and the
// sensor untouched.
#include <QTest>

#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::ProgramTest;

namespace {

constexpr int kRow = 5;  // the row taught, in the operator's numbering
const unsigned short kTaught[] = {3590, 100, 500, 50, 498, 50};

class Unsent : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        StartSensorTcp();
        OpenProgram();
        ASSERT_EQ(comecho, 1);
        window_ = uitest::PanelWidget(mainpanel);
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    }
    std::vector<unsigned short> Row(int no) const
    {
        std::vector<unsigned short> row;
        for (int col = 1; col <= 6; ++col) {
            unsigned short v = 0;
            GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, no + 1), &v);
            row.push_back(v);
        }
        return row;
    }
    std::string Caption(int control) const
    {
        char text[64] = "";
        GetCtrlAttribute(mainpanel, control, ATTR_LABEL_TEXT, text, sizeof text);
        return text;
    }
    static bool Shown(int panel, int control)
    {
        int visible = 0;
        GetCtrlAttribute(panel, control, ATTR_VISIBLE, &visible);
        return visible != 0;
    }
    // TEACH DATA TO, clicked, with the live values of a frame.
    void TeachRow()
    {
        dataDensity = kTaught[0];
        dataSym1 = kTaught[2];
        dataSym2 = kTaught[4];
        SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(kRow));
        uitest::InjectEvent(mainpanel, MAINP_ButtonTeachTable, EVENT_COMMIT);
        QTest::mouseClick(uitest::CtrlWidget(ttpanel, TTP_ButtonTeachDataTo), Qt::LeftButton);
    }
    QWidget *window_ = nullptr;
};

// A read that would replace the panels, as the operator starts it.
struct ReadCase {
    const char *name;
    void (*prepare)(Unsent &t, const std::string &file);  // before the row is taught
    void (*start)();
    bool asksSensorAfterNo;  // a connection is made all the same, without the read
};

void Nothing(Unsent &, const std::string &) {}
void SaveFileFirst(Unsent &, const std::string &file)
{
    uitest::OperatorSetValue(mainpanel, MAINP_SelectFILE, 1);
    uitest::PushFileSelection(file);
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
}
void OpenInterface(Unsent &, const std::string &)
{
    uitest::InjectEvent(mainpanel, MAINP_ButtonConnect, EVENT_COMMIT);
}
void PressF10()
{
    QTest::keyClick(uitest::PanelWidget(mainpanel), Qt::Key_F10);
}
void ClickTryToConnect()
{
    QTest::mouseClick(uitest::CtrlWidget(interfacepanel, INTERFACEP_ButtonTryToConnect),
                      Qt::LeftButton);
}
void ClickDiscard()
{
    QTest::mouseClick(uitest::CtrlWidget(interfacepanel, INTERFACEP_ButtonDiscard), Qt::LeftButton);
}

class UnsentRead : public Unsent, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(UnsentRead, AsksOnceNamingTheRowAndNoKeepsIt)
{
    const ReadCase &c = GetParam();
    const std::string file = Path("approved.ini");
    c.prepare(*this, file);
    const std::vector<unsigned short> before = Row(kRow);
    TeachRow();
    ASSERT_EQ(Row(kRow), std::vector<unsigned short>(std::begin(kTaught), std::end(kTaught)));
    EXPECT_TRUE(Shown(ttpanel, TTP_UnsentNote));
    EXPECT_EQ(Caption(MAINP_ButtonTeachTable), "TEACH TABLE \u25CF");
    EXPECT_EQ(Caption(MAINP_ButtonPara), "PARAMETER");

    sensor_->clearFrameLog();
    uitest::ClearPopupLog();
    uitest::PushConfirmAnswer(0);
    uitest::PushFileSelection(file);
    c.start();
    const auto &asked = uitest::PopupLog();
    int questions = 0;
    for (const auto &p : asked) {
        if (p.kind != "confirm")
            continue;
        ++questions;
        EXPECT_NE(p.text.find("TEACH TABLE: row 5\n"), std::string::npos) << p.text;
    }
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Row(kRow), std::vector<unsigned short>(std::begin(kTaught), std::end(kTaught)));
    EXPECT_TRUE(Shown(ttpanel, TTP_UnsentNote));
    for (int cmd : Commands(sensor_->receivedFrames()))
        EXPECT_TRUE(c.asksSensorAfterNo && (cmd == 50 || cmd == 7)) << "command " << cmd;

    // Yes: the read replaces the row and the mark goes.
    uitest::PushConfirmAnswer(1);
    uitest::PushFileSelection(file);
    c.start();
    EXPECT_EQ(Row(kRow), before);
    EXPECT_FALSE(Shown(ttpanel, TTP_UnsentNote));
    EXPECT_EQ(Caption(MAINP_ButtonTeachTable), "TEACH TABLE");
}

INSTANTIATE_TEST_SUITE_P(
    Reads, UnsentRead,
    ::testing::Values(ReadCase{"F10", Nothing, PressF10, false},
                      ReadCase{"F10FromFile", SaveFileFirst, PressF10, false},
                      ReadCase{"TryToConnect", OpenInterface, ClickTryToConnect, true},
                      ReadCase{"Discard", OpenInterface, ClickDiscard, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Unsent, AParameterChangedIsMarkedUntilSentAndNotWhenChangedBack)
{
    QWidget *slider = uitest::CtrlWidget(parapanel, PARAP_SlidePower)->focusProxy();
    ASSERT_NE(slider, nullptr);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_TRUE(Shown(parapanel, PARAP_UnsentNote));
    EXPECT_EQ(Caption(MAINP_ButtonPara), "PARAMETER \u25CF");
    EXPECT_FALSE(Shown(ttpanel, TTP_UnsentNote));
    QTest::keyClick(slider, Qt::Key_PageUp);  // back where the sensor has it
    EXPECT_FALSE(Shown(parapanel, PARAP_UnsentNote));

    QTest::keyClick(slider, Qt::Key_PageDown);
    unsigned short power = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &power);
    ASSERT_TRUE(Shown(parapanel, PARAP_UnsentNote));
    // A failed send keeps the mark; a confirmed one clears it.
    sim::FaultConfig f;
    f.wrongEcho = {true, 1};
    sensor_->setFaults(f);
    QTest::keyClick(window_, Qt::Key_F9);
    EXPECT_TRUE(Shown(parapanel, PARAP_UnsentNote));
    sensor_->setFaults({});
    QTest::keyClick(window_, Qt::Key_F9);
    EXPECT_FALSE(Shown(parapanel, PARAP_UnsentNote));
    EXPECT_EQ(Caption(MAINP_ButtonPara), "PARAMETER");
    EXPECT_EQ(sensor_->ram().params[0], power);
}

}  // namespace
