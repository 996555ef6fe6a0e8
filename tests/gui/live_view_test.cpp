// The data panel for one frame: displays, bars, the big display, the two
// views, the histories behind the strip charts and the zoom of the density
// chart.
#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class LiveView : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    unsigned short Disp(int panel, int ctrl) const
    {
        unsigned short v = 0;
        GetCtrlVal(panel, ctrl, &v);
        return v;
    }
    int Visible(int ctrl) const
    {
        int v = -1;
        GetCtrlAttribute(datapanel, ctrl, ATTR_VISIBLE, &v);
        return v;
    }
    void Frame(word base)
    {
        word *vars[] = {&dataChL, &dataChC, &dataChR, &dataDensity, &dataSym1, &dataSym2,
                        &dataVec, &dataTemp, &dataAktMaxChL, &dataAktMaxChC, &dataAktMaxChR,
                        &dataTrigger};
        for (int i = 0; i < 12; ++i)
            *vars[i] = static_cast<word>(base + i);
        SetPanelData();
        ShowGraph();
    }
};

TEST_F(LiveView, EveryDisplayGetsItsValueVisibleOrNot)
{
    SetCtrlVal(datapanel, DATAP_SelectSource, 1);
    DispVis();
    Frame(100);
    const int ctrls[] = {DATAP_DispChL, DATAP_DispChC, DATAP_DispChR, DATAP_DispDensity,
                         DATAP_DispSym1, DATAP_DispSym2, DATAP_DispVec, DATAP_DispTemp,
                         DATAP_DispAktMaxChL, DATAP_DispAktMaxChC, DATAP_DispAktMaxChR,
                         DATAP_DispTrigger};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Disp(datapanel, ctrls[i]), 100 + i) << "display " << i;
    EXPECT_EQ(Disp(datapanel, DATAP_BarChL), 100);
    EXPECT_EQ(Disp(datapanel, DATAP_BarChR), 102);
    EXPECT_EQ(Disp(colbigpanel, COLBIGP_DispVec), 106);
    // The density view shows the values at once, without a new frame.
    uitest::OperatorSetValue(datapanel, DATAP_SelectSource, 0);
    EXPECT_EQ(Visible(DATAP_DispDensity), 1);
    EXPECT_EQ(Visible(DATAP_DispChL), 0);
    EXPECT_EQ(Disp(datapanel, DATAP_DispDensity), 103);
}

TEST_F(LiveView, ViewsSwapDisplaysAndGraphs)
{
    uitest::OperatorSetValue(datapanel, DATAP_SelectSource, 1);
    EXPECT_EQ(Visible(DATAP_GraphRaw1), 1);
    EXPECT_EQ(Visible(DATAP_GraphDensity), 0);
    EXPECT_EQ(Visible(DATAP_GraphSym1), 0);
    EXPECT_EQ(Visible(DATAP_DispChC), 1);
    EXPECT_EQ(Visible(DATAP_DispSym2), 0);
    uitest::OperatorSetValue(datapanel, DATAP_SelectSource, 0);
    EXPECT_EQ(Visible(DATAP_GraphRaw1), 0);
    EXPECT_EQ(Visible(DATAP_GraphSym2), 1);
    EXPECT_EQ(Visible(DATAP_DispChC), 0);
}

TEST_F(LiveView, VectorDisplayOpensTheBigDisplayOnDoubleClickOnly)
{
    uitest::InjectEvent(datapanel, DATAP_DispVec, EVENT_LEFT_CLICK);
    EXPECT_EQ(IsPanelVisible(colbigpanel), 0);
    uitest::InjectEvent(datapanel, DATAP_DispVec, EVENT_LEFT_DOUBLE_CLICK);
    EXPECT_EQ(IsPanelVisible(colbigpanel), 1);
    uitest::InjectEvent(colbigpanel, 0, EVENT_RIGHT_CLICK);
    EXPECT_EQ(IsPanelVisible(colbigpanel), 0);
    uitest::InjectEvent(datapanel, DATAP_DispVec, EVENT_LEFT_DOUBLE_CLICK);
    uitest::InjectEvent(colbigpanel, 0, EVENT_CLOSE);
    EXPECT_EQ(IsPanelVisible(colbigpanel), 0);
}

TEST_F(LiveView, HistoriesKeepTheLastHundredWithTheBandOfTheSelectedRow)
{
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, 3), static_cast<unsigned short>(4000));
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(2, 3), static_cast<unsigned short>(200));
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(2));
    for (int n = 1; n <= 101; ++n) {
        dataChL = static_cast<word>(n);
        dataDensity = static_cast<word>(1000 + n);
        SetPanelData();
    }
    // Frame 1 has gone; frame 2 is the oldest, frame 101 the newest.
    EXPECT_EQ(rawBuf[0], 2);
    EXPECT_EQ(rawBuf[297], 101);
    EXPECT_EQ(densityBuf[0], 1002);
    EXPECT_EQ(densityBuf[298], 4096);  // 4000 + 200 clamped
    EXPECT_EQ(densityBuf[299], 3800);
    // Another row changes the band from the next frame on only.
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(0));
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, 1), static_cast<unsigned short>(50));
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(2, 1), static_cast<unsigned short>(100));
    SetPanelData();
    EXPECT_EQ(densityBuf[295], 4096);  // the frame before keeps its band
    EXPECT_EQ(densityBuf[296], 3800);
    EXPECT_EQ(densityBuf[298], 150);
    EXPECT_EQ(densityBuf[299], 0);
}

TEST_F(LiveView, DensityChartFixedOrZoomedByClicks)
{
    SetCtrlVal(datapanel, DATAP_SelectSource, 0);
    for (int i = 0; i < 300; ++i)
        densityBuf[i] = 1000;
    dataDensity = 1000;
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, 1), static_cast<unsigned short>(1000));
    SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(2, 1), static_cast<unsigned short>(0));
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(0));
    uitest::InjectEvent(datapanel, DATAP_GraphDensity, EVENT_LEFT_CLICK);
    uitest::InjectEvent(datapanel, DATAP_GraphDensity, EVENT_LEFT_DOUBLE_CLICK);
    EXPECT_EQ(scale, 1);
    Frame(0);  // a frame of zeros except what Frame sets
    int mode = -1;
    double lo = -1, hi = -1;
    GetAxisScalingMode(datapanel, DATAP_GraphDensity, VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(lo, 3);      // the new sample's density 3, not above 25: no margin
    EXPECT_DOUBLE_EQ(hi, 1025);
    uitest::InjectEvent(datapanel, DATAP_GraphDensity, EVENT_LEFT_CLICK);
    Frame(0);
    GetAxisScalingMode(datapanel, DATAP_GraphDensity, VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_DOUBLE_EQ(lo, 0);
    EXPECT_DOUBLE_EQ(hi, 4096);
    // The strip chart shows the history: the newest density is the last point.
    const auto trace = uitest::StripChartTrace(datapanel, DATAP_GraphDensity, 0);
    ASSERT_FALSE(trace.empty());
    EXPECT_DOUBLE_EQ(trace.back(), 3);
}

TEST_F(LiveView, SymmetryCursorsMoveOnlyInTheDensityView)
{
    SetCtrlVal(datapanel, DATAP_SelectSource, 1);
    Frame(400);
    double x = -1, y = -1;
    GetGraphCursor(datapanel, DATAP_GraphSym1, 1, &x, &y);
    EXPECT_NE(x, 404);
    SetCtrlVal(datapanel, DATAP_SelectSource, 0);
    Frame(400);
    GetGraphCursor(datapanel, DATAP_GraphSym1, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 404);
    EXPECT_DOUBLE_EQ(y, 50);
    GetGraphCursor(datapanel, DATAP_GraphSym2, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 405);
}

}  // namespace
