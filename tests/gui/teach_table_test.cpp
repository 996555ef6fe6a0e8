// The teach table: teaching from the live values, auto-increment, reset and
// the symmetry ranges drawn into the data panel's graphs.
#include "gui/panel_binding.h"
#include "gui/teach_table.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class Teach : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    unsigned short Cell(int col, int row) const
    {
        unsigned short v = 0;
        GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row), &v);
        return v;
    }
    unsigned short No() const
    {
        unsigned short v = 99;
        GetCtrlVal(ttpanel, TTP_EditNo, &v);
        return v;
    }
    void SetRow(int row, std::initializer_list<unsigned short> values)
    {
        int col = 1;
        for (unsigned short v : values)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col++, row), v);
    }
    // The one rectangle of a symmetry graph: {x1, x2, colour}.
    std::vector<double> Rect(int graph) const
    {
        const auto plots = uitest::GraphPlots(datapanel, graph);
        if (plots.size() != 1 || plots[0].kind != "rect")
            return {};
        return {std::min(plots[0].x[0], plots[0].x[1]), std::max(plots[0].x[0], plots[0].x[1]),
                double(plots[0].color), double(plots[0].fillColor)};
    }
};

TEST_F(Teach, TeachFillsTheRowAndAdvances)
{
    dataDensity = 3590;
    dataSym1 = 500;
    dataSym2 = 498;
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(4));
    SetCtrlVal(ttpanel, TTP_RadioInc, 1);
    uitest::InjectEvent(ttpanel, TTP_ButtonTeachDataTo, EVENT_COMMIT);
    const unsigned short expected[] = {3590, 100, 500, 50, 498, 50};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(Cell(c, 5), expected[c - 1]);
    EXPECT_EQ(No(), 5);
    // The graphs now show the row No. selects: the next, untaught one.
    SetRow(6, {0, 0, 400, 30, 600, 20});
    uitest::InjectEvent(ttpanel, TTP_EditNo, EVENT_COMMIT);
    EXPECT_EQ(Rect(DATAP_GraphSym1), (std::vector<double>{370, 430, 0xFF0080, 0xFF0080}));
    EXPECT_EQ(Rect(DATAP_GraphSym2), (std::vector<double>{580, 620, 0x008040, 0x008040}));
}

TEST_F(Teach, LastRowStaysAndWithoutIncrementTheRowIsOverwritten)
{
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(30));
    SetCtrlVal(ttpanel, TTP_RadioInc, 1);
    dataDensity = 4321;
    dataSym2 = 777;
    TeachDataTo();
    EXPECT_EQ(No(), 30);
    EXPECT_EQ(Cell(1, 31), 4321);
    EXPECT_EQ(Cell(5, 31), 777);
    SetCtrlVal(ttpanel, TTP_RadioInc, 0);
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(2));
    dataDensity = 111;
    TeachDataTo();
    dataDensity = 222;
    TeachDataTo();
    EXPECT_EQ(No(), 2);
    EXPECT_EQ(Cell(1, 3), 222);
}

TEST_F(Teach, ResetGivesOnesRowZeroAndEmptyGraphs)
{
    SetRow(1, {1000, 100, 980, 50, 20, 50});
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(0));
    SetToleranceRangeSymmetry();
    EXPECT_EQ(Rect(DATAP_GraphSym1), (std::vector<double>{930, 1000, 0xFF0080, 0xFF0080}));
    EXPECT_EQ(Rect(DATAP_GraphSym2), (std::vector<double>{0, 70, 0x008040, 0x008040}));

    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(7));
    uitest::InjectEvent(ttpanel, TTP_ButtonResetTable, EVENT_COMMIT);
    EXPECT_EQ(No(), 0);
    for (int r = 1; r <= 31; ++r)
        for (int c = 1; c <= 6; ++c)
            ASSERT_EQ(Cell(c, r), 1);
    EXPECT_TRUE(uitest::GraphPlots(datapanel, DATAP_GraphSym1).empty());
    EXPECT_TRUE(uitest::GraphPlots(datapanel, DATAP_GraphSym2).empty());
    SetToleranceRangeSymmetry();
    EXPECT_EQ(Rect(DATAP_GraphSym1), (std::vector<double>{0, 2, 0xFF0080, 0xFF0080}));
    EXPECT_EQ(Rect(DATAP_GraphSym2), (std::vector<double>{0, 2, 0x008040, 0x008040}));
}

TEST_F(Teach, OperatorEditStopsPollingProgramWritesDoNot)
{
    poll = 1;
    TeachDataTo();
    ResetTable();
    SetPanelValues();
    EXPECT_EQ(poll, 1);
    uitest::OperatorSetCell(ttpanel, TTP_GridCtt, 2, 3, 77);
    EXPECT_EQ(poll, 0);
    EXPECT_EQ(Cell(2, 3), 77);
}

}  // namespace
