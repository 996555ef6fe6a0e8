// The parameter panel's dependent state: the vector-count warning, the row
// labels, external teach against the trigger mode, the present-maximum and
// trigger displays.
#include "gui/panel_binding.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

const char kWarning[] =
    " ATTENTION! \n \n MAXVEC-No. IS TOO HIGH \n DECREASE MAXVEC-No. OR SWITCH TO OUTMODE=BINARY";

class Binding : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        uitest::ClearPopupLog();
    }
    int Warnings() const
    {
        int n = 0;
        for (const auto &p : uitest::PopupLog())
            n += p.title == "INFO!" && p.text == kWarning;
        return n;
    }
    int RowLabel(int row) const
    {
        int colour = -1;
        GetTableRowAttribute(ttpanel, TTP_GridCtt, row, ATTR_LABEL_COLOR, &colour);
        return colour;
    }
    int Attr(int panel, int ctrl, int attr) const
    {
        int v = -1;
        GetCtrlAttribute(panel, ctrl, attr, &v);
        return v;
    }
};

TEST_F(Binding, WarningOnlyAboveFiveVectorsInDirectModes)
{
    struct Case { unsigned short maxNo, outMode; int warnings; };
    const Case cases[] = {
        {6, kOutModeDirectLo, 1}, {6, kOutModeDirectHi, 1}, {5, kOutModeDirectLo, 0},
        {31, kOutModeBinary, 0},  {6, kOutModeBinary, 0},
    };
    for (const Case &c : cases) {
        SetCtrlVal(parapanel, PARAP_EditOutmode, c.outMode);
        uitest::ClearPopupLog();
        uitest::OperatorSetValue(parapanel, PARAP_EditMaxNo, c.maxNo);
        EXPECT_EQ(Warnings(), c.warnings) << c.maxNo << "/" << c.outMode << " on EditMaxNo";
        uitest::ClearPopupLog();
        uitest::OperatorSetValue(parapanel, PARAP_EditOutmode, c.outMode);
        EXPECT_EQ(Warnings(), c.warnings) << c.maxNo << "/" << c.outMode << " on EditOutmode";
        unsigned short kept = 0;
        GetCtrlVal(parapanel, PARAP_EditMaxNo, &kept);
        EXPECT_EQ(kept, c.maxNo);  // a warning, never a change
    }
}

TEST_F(Binding, MaxNoRecoloursRowsOutModeDoesNot)
{
    uitest::OperatorSetValue(parapanel, PARAP_EditMaxNo, 3);
    EXPECT_EQ(RowLabel(1), 0x008000);
    EXPECT_EQ(RowLabel(3), 0x008000);
    EXPECT_EQ(RowLabel(4), 0xFF0000);
    EXPECT_EQ(RowLabel(31), 0xFF0000);
    // EditOutmode reads the new count but leaves the labels alone.
    SetCtrlVal(parapanel, PARAP_EditMaxNo, static_cast<unsigned short>(10));
    uitest::OperatorSetValue(parapanel, PARAP_EditOutmode, kOutModeBinary);
    EXPECT_EQ(paraMaxNr, 10);
    EXPECT_EQ(RowLabel(4), 0xFF0000);
    uitest::OperatorSetValue(parapanel, PARAP_EditMaxNo, 0);
    for (int r = 1; r <= 31; ++r)
        ASSERT_EQ(RowLabel(r), 0xFF0000) << r;
    uitest::OperatorSetValue(parapanel, PARAP_EditMaxNo, 31);
    for (int r = 1; r <= 31; ++r)
        ASSERT_EQ(RowLabel(r), 0x008000) << r;
}

TEST_F(Binding, ExternalTeachWinsOverTriggerAfterARead)
{
    paraExtteach = 1;
    paraTrigger = 2;
    SetPanelValues();
    InitEval();
    unsigned short trigger = 9, teach = 9;
    GetCtrlVal(parapanel, PARAP_EditTrigger, &trigger);
    GetCtrlVal(parapanel, PARAP_ExternTeach, &teach);
    EXPECT_EQ(trigger, 0);
    EXPECT_EQ(teach, 1);
    EXPECT_EQ(paraTrigger, 0);
    EXPECT_EQ(Attr(parapanel, PARAP_EditTrigger, ATTR_DIMMED), 1);
    EXPECT_EQ(Attr(parapanel, PARAP_ExternTeach, ATTR_DIMMED), 0);
    EXPECT_EQ(Attr(datapanel, DATAP_DispTrigger, ATTR_VISIBLE), 0);
}

TEST_F(Binding, TriggerModeForcesExternalTeachOff)
{
    SetCtrlVal(parapanel, PARAP_ExternTeach, static_cast<unsigned short>(1));
    uitest::OperatorSetValue(parapanel, PARAP_EditTrigger, 1);
    unsigned short teach = 9;
    GetCtrlVal(parapanel, PARAP_ExternTeach, &teach);
    EXPECT_EQ(teach, 0);
    EXPECT_EQ(Attr(parapanel, PARAP_ExternTeach, ATTR_DIMMED), 1);
    EXPECT_EQ(Attr(datapanel, DATAP_DispTrigger, ATTR_VISIBLE), 1);
    // The variable follows only at the next read of the panel.
    uitest::OperatorSetValue(parapanel, PARAP_EditTrigger, 0);
    EXPECT_EQ(Attr(parapanel, PARAP_ExternTeach, ATTR_DIMMED), 0);
    EXPECT_EQ(Attr(datapanel, DATAP_DispTrigger, ATTR_VISIBLE), 0);
}

TEST_F(Binding, EvalModeShowsPresentMaxima)
{
    uitest::OperatorSetValue(parapanel, PARAP_Evalmode, 1);
    for (int ctrl : {DATAP_DispAktMaxChL, DATAP_DispAktMaxChC, DATAP_DispAktMaxChR})
        EXPECT_EQ(Attr(datapanel, ctrl, ATTR_VISIBLE), 1);
    uitest::OperatorSetValue(parapanel, PARAP_Evalmode, 0);
    for (int ctrl : {DATAP_DispAktMaxChL, DATAP_DispAktMaxChC, DATAP_DispAktMaxChR})
        EXPECT_EQ(Attr(datapanel, ctrl, ATTR_VISIBLE), 0);
}

TEST_F(Binding, PanelsToVariablesAndBack)
{
    SetCtrlVal(parapanel, PARAP_SlidePower, static_cast<unsigned short>(1000));
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(6, 31), static_cast<unsigned short>(65535));
    GetPanelValues();
    EXPECT_EQ(paraPower, 1000);
    EXPECT_EQ(paraTeachVec[30][5], 65535);
    paraPower = 10;
    paraTeachVec[0][0] = 4095;
    SetPanelValues();
    unsigned short power = 0, cell = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &power);
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, 1), &cell);
    EXPECT_EQ(power, 10);
    EXPECT_EQ(cell, 4095);
}

}  // namespace
