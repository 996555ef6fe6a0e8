// The graph panel: one segment per recorded frame in every graph, the
// displays of the last frame, one graph shown at a time, the place it
// shares with the data panel.
#include "gui/graph_panel.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

const int kGraphs[kGraphSignals] = {GRAPHP_GraphChL,  GRAPHP_GraphChC,  GRAPHP_GraphChR,
                                    GRAPHP_GraphDensity, GRAPHP_GraphSym1, GRAPHP_GraphSym2,
                                    GRAPHP_GraphTemp};
const int kDisplays[kGraphSignals] = {GRAPHP_DispChL,  GRAPHP_DispChC,  GRAPHP_DispChR,
                                      GRAPHP_DispDensity, GRAPHP_DispSym1, GRAPHP_DispSym2,
                                      GRAPHP_DispTemp};
const int kColours[kGraphSignals] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF8000,
                                     0xFF0080, 0x008000, 0x008080};

class GraphPanel : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    // A frame whose seven signals are base, base + 1, ... (vector and the
    // rest are not shown here).
    static void Frame(word base)
    {
        word *vars[kGraphSignals] = {&dataChL,  &dataChC,  &dataChR, &dataDensity,
                                     &dataSym1, &dataSym2, &dataTemp};
        for (int i = 0; i < kGraphSignals; ++i)
            *vars[i] = static_cast<word>(base + i);
        SetPanelGraphData();
    }
    static int Visible(int ctrl)
    {
        int v = -1;
        GetCtrlAttribute(graphpanel, ctrl, ATTR_VISIBLE, &v);
        return v;
    }
    static int ShownGraph()
    {
        int shown = -1, count = 0;
        for (int g : kGraphs)
            if (Visible(g) == 1) {
                shown = g;
                ++count;
            }
        return count == 1 ? shown : -count;
    }
};

TEST_F(GraphPanel, FramesJoinFromAPointAtZeroInEveryGraph)
{
    Frame(100);
    InitPanelGraph();
    for (int g : kGraphs)
        EXPECT_TRUE(uitest::GraphPlots(graphpanel, g).empty());
    Frame(1000);
    Frame(2000);
    Frame(3000);
    for (int s = 0; s < kGraphSignals; ++s) {
        const auto plots = uitest::GraphPlots(graphpanel, kGraphs[s]);
        ASSERT_EQ(plots.size(), 3u) << "signal " << s;
        EXPECT_EQ(plots[0].x, (std::vector<double>{0, 0}));
        EXPECT_EQ(plots[0].y, (std::vector<double>{1000.0 + s, 1000.0 + s}));
        EXPECT_EQ(plots[2].x, (std::vector<double>{1, 2}));
        EXPECT_EQ(plots[2].y, (std::vector<double>{2000.0 + s, 3000.0 + s}));
        EXPECT_EQ(plots[2].color, kColours[s]);
        word shown = 0;
        GetCtrlVal(graphpanel, kDisplays[s], &shown);
        EXPECT_EQ(shown, 3000 + s);
    }
    // Clearing starts over at x = 0.
    InitPanelGraph();
    Frame(500);
    EXPECT_EQ(uitest::GraphPlots(graphpanel, GRAPHP_GraphTemp).back().x,
              (std::vector<double>{0, 0}));
}

TEST_F(GraphPanel, CountGoesOnPastSixteenBits)
{
    InitPanelGraph();
    Frame(1);
    graphcnt = 65535;  // as after 65535 frames
    GpBufCnt[1] = 65534;
    Frame(2);
    Frame(3);
    const auto plots = uitest::GraphPlots(graphpanel, GRAPHP_GraphChL);
    ASSERT_EQ(plots.size(), 3u);
    EXPECT_EQ(plots[1].x, (std::vector<double>{65534, 65535}));
    EXPECT_EQ(plots[2].x, (std::vector<double>{65535, 65536}));
}

TEST_F(GraphPanel, TakesTheDataPanelsPlaceAndShowsOneSignal)
{
    uitest::InjectEvent(datapanel, DATAP_ButtonShowGraph, EVENT_COMMIT);
    EXPECT_EQ(IsPanelVisible(graphpanel), 1);
    EXPECT_EQ(IsPanelVisible(datapanel), 0);
    EXPECT_EQ(ShownGraph(), GRAPHP_GraphChL);

    InitPanelGraph();
    Frame(10);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 3);
    EXPECT_EQ(ShownGraph(), GRAPHP_GraphDensity);
    Frame(20);
    Frame(30);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 0);
    EXPECT_EQ(ShownGraph(), GRAPHP_GraphChL);
    EXPECT_EQ(uitest::GraphPlots(graphpanel, GRAPHP_GraphChL).size(), 3u);

    // A selector value outside the signals shows CH_L.
    InsertListItem(graphpanel, GRAPHP_EditSignal, -1, "OTHER", 9);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 6);
    EXPECT_EQ(ShownGraph(), GRAPHP_GraphTemp);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 9);
    EXPECT_EQ(ShownGraph(), GRAPHP_GraphChL);

    uitest::InjectEvent(graphpanel, GRAPHP_ButtonGpClose, EVENT_COMMIT);
    EXPECT_EQ(IsPanelVisible(graphpanel), 0);
    EXPECT_EQ(IsPanelVisible(datapanel), 1);
    EXPECT_EQ(uitest::GraphPlots(graphpanel, GRAPHP_GraphDensity).size(), 3u);
}

}  // namespace
