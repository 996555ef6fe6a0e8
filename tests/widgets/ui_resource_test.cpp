// The panel resource as the program sees it: the eight panels load, every
// control the program addresses exists with the kind, data type, range, ring
// items, initial value and shortcut key it relies on, the callback names are
// exactly those of the callback tables, and F9 to F12 press the transfer
// buttons.
#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "widgets/ui_resource_fixture.h"

namespace {

using namespace uires;
using UiResource = UiResourceFixture;

TEST_F(UiResource, EightPanelsLoadInOrder)
{
    ASSERT_EQ(OrvellePanelCount(), 8);
    const int order[] = {MAINP, PARAP, TTP, DATAP, INTERFACEP, RECP, GRAPHP, COLBIGP};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(OrvellePanels()[i].resourceId, order[i]);
        EXPECT_GT(p.byId(order[i]), 0) << "panel " << order[i] << " did not load";
    }
}

TEST_F(UiResource, CallbackNamesAreThoseOfTheCallbackTables)
{
    std::set<std::string> expected(std::begin(kCallbackNames), std::end(kCallbackNames));
    std::set<std::string> used;
    for (int i = 0; i < OrvellePanelCount(); ++i) {
        const PanelDesc &panel = OrvellePanels()[i];
        ASSERT_NE(panel.callback, nullptr) << panel.name;
        used.insert(panel.callback);
        for (int c = 0; c < panel.numCtrls; ++c) {
            const CtrlDesc &ctrl = panel.ctrls[c];
            if (ctrl.callback)
                used.insert(ctrl.callback);
        }
    }
    for (const std::string &name : used)
        EXPECT_TRUE(expected.count(name)) << name << " is no callback of the program";
    for (const std::string &name : expected)
        EXPECT_TRUE(used.count(name)) << name << " is named by no control";
}

struct KindCase {
    int panel, control, kind, dataType;
};

// Every control of the id header with the kind the program treats it as;
// dataType -1 where the program does not read a number from it.
const KindCase kKinds[] = {
    {MAINP, MAINP_ButtonConnect, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonPara, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonTeachTable, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonRecorder, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_SelectRAM, CTRL_TOGGLE_BUTTON, -1},
    {MAINP, MAINP_SelectEEPROM, CTRL_TOGGLE_BUTTON, -1},
    {MAINP, MAINP_SelectFILE, CTRL_TOGGLE_BUTTON, -1},
    {MAINP, MAINP_ButtonSend, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonGet, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonGo, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_ButtonStop, CTRL_COMMAND_BUTTON, -1},
    {MAINP, MAINP_LogoBox, CTRL_DECORATION, -1},
    {MAINP, MAINP_LogoPicture, CTRL_PICTURE, -1},
    {PARAP, PARAP_SlidePower, CTRL_SLIDE, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditChannelMode, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditAverage, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_Evalmode, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditHold, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditIntlim, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditMaxNo, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditOutmode, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_EditTrigger, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {PARAP, PARAP_ExternTeach, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {TTP, TTP_GridCtt, CTRL_TABLE, VAL_UNSIGNED_SHORT_INTEGER},
    {TTP, TTP_EditNo, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {TTP, TTP_RadioInc, CTRL_BINARY_SWITCH, -1},
    {TTP, TTP_ButtonTeachDataTo, CTRL_COMMAND_BUTTON, -1},
    {TTP, TTP_ButtonResetTable, CTRL_COMMAND_BUTTON, -1},
    {DATAP, DATAP_SelectSource, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispChL, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispChC, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispChR, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_BarChL, CTRL_BAR, -1},
    {DATAP, DATAP_BarChC, CTRL_BAR, -1},
    {DATAP, DATAP_BarChR, CTRL_BAR, -1},
    {DATAP, DATAP_DispDensity, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispSym1, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispSym2, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispAktMaxChL, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispAktMaxChC, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispAktMaxChR, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispVec, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispTemp, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispTrigger, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispStatus, CTRL_STRING, -1},
    {DATAP, DATAP_GraphRaw1, CTRL_STRIP_CHART, -1},
    {DATAP, DATAP_GraphDensity, CTRL_STRIP_CHART, -1},
    {DATAP, DATAP_GraphSym1, CTRL_GRAPH, -1},
    {DATAP, DATAP_GraphSym2, CTRL_GRAPH, -1},
    {DATAP, DATAP_DispComPort, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {DATAP, DATAP_DispServer, CTRL_STRING, -1},
    {DATAP, DATAP_ButtonShowGraph, CTRL_COMMAND_BUTTON, -1},
    {INTERFACEP, INTERFACEP_EditCommunicationProtocol, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {INTERFACEP, INTERFACEP_EditSelectComPort, CTRL_RING, VAL_UNSIGNED_SHORT_INTEGER},
    {INTERFACEP, INTERFACEP_StringIpAdress, CTRL_STRING, -1},
    {INTERFACEP, INTERFACEP_StringPortNumber, CTRL_STRING, -1},
    {INTERFACEP, INTERFACEP_ButtonTryToConnect, CTRL_COMMAND_BUTTON, -1},
    {INTERFACEP, INTERFACEP_ButtonAccept, CTRL_COMMAND_BUTTON, -1},
    {INTERFACEP, INTERFACEP_ButtonDiscard, CTRL_COMMAND_BUTTON, -1},
    {INTERFACEP, INTERFACEP_EditID, CTRL_STRING, -1},
    {INTERFACEP, INTERFACEP_DispStatus, CTRL_STRING, -1},
    {RECP, RECP_EditSelectDataRec, CTRL_RING, -1},
    {RECP, RECP_EditInterval, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {RECP, RECP_EditRecVal, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {RECP, RECP_DispRecordDays, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRecordHours, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRecordMinutes, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRecordSeconds, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRecordedValues, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRemaining, CTRL_NUMERIC, -1},
    {RECP, RECP_DispRecordCount, CTRL_NUMERIC, VAL_DOUBLE},
    {RECP, RECP_ButtonStartRecord, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_ButtonStopRecord, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_ButtonStartTrigRec, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_ButtonStopTrigRec, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_ButtonManualRecord, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_ButtonSelRecFile, CTRL_COMMAND_BUTTON, -1},
    {RECP, RECP_DispRecFile, CTRL_TEXT_BOX, -1},
    {RECP, RECP_DispID, CTRL_STRING, -1},
    {RECP, RECP_RecordTimeFrame, CTRL_DECORATION, -1},
    {GRAPHP, GRAPHP_EditSignal, CTRL_RING, -1},
    {GRAPHP, GRAPHP_GraphChL, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphChC, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphChR, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphDensity, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphSym1, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphSym2, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_GraphTemp, CTRL_GRAPH, -1},
    {GRAPHP, GRAPHP_DispChL, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispChC, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispChR, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispDensity, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispSym1, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispSym2, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_DispTemp, CTRL_NUMERIC, -1},
    {GRAPHP, GRAPHP_ButtonGpClose, CTRL_COMMAND_BUTTON, -1},
    {GRAPHP, GRAPHP_ButtonOpenRecord, CTRL_COMMAND_BUTTON, -1},
    {GRAPHP, GRAPHP_ButtonLive, CTRL_COMMAND_BUTTON, -1},
    {GRAPHP, GRAPHP_ShowChL, CTRL_BINARY_SWITCH, -1},
    {GRAPHP, GRAPHP_ShowTemp, CTRL_BINARY_SWITCH, -1},
    {GRAPHP, GRAPHP_ValChL, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {GRAPHP, GRAPHP_ValTemp, CTRL_NUMERIC, VAL_UNSIGNED_SHORT_INTEGER},
    {GRAPHP, GRAPHP_TextCursor, CTRL_TEXT_MSG, -1},
    {GRAPHP, GRAPHP_ButtonSavePicture, CTRL_COMMAND_BUTTON, -1},
    {GRAPHP, GRAPHP_ButtonSaveLines, CTRL_COMMAND_BUTTON, -1},
    {GRAPHP, GRAPHP_GraphRecord, CTRL_GRAPH, -1},
    {COLBIGP, COLBIGP_DispID, CTRL_STRING, -1},
    {COLBIGP, COLBIGP_DispVec, CTRL_NUMERIC, -1},
};

TEST_F(UiResource, EveryControlHasItsKindAndDataType)
{
    for (const KindCase &k : kKinds) {
        int panel = p.byId(k.panel);
        int kind = 0;
        ASSERT_EQ(GetCtrlAttribute(panel, k.control, ATTR_CTRL_STYLE, &kind), 0)
            << "panel " << k.panel << " control " << k.control;
        EXPECT_EQ(kind, k.kind) << "panel " << k.panel << " control " << k.control;
        if (k.dataType < 0)
            continue;
        int type = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, k.control, ATTR_DATA_TYPE, &type), 0);
        EXPECT_EQ(type, k.dataType) << "panel " << k.panel << " control " << k.control;
    }
}

struct RangeCase {
    int panel, control;
    double min, max;
};

// Ranges the program's logic depends on.
const RangeCase kRanges[] = {
    {PARAP, PARAP_EditMaxNo, 0, 31},          // rows of the teach table
    {TTP, TTP_EditNo, 0, 30},                 // row numbers
    {TTP, TTP_GridCtt, 0, 65535},
    {RECP, RECP_EditInterval, 1, 65535},      // an interval of 0 would not wait
    {RECP, RECP_EditRecVal, 1, 65535},        // a count of 0 runs 65536 lines
    {DATAP, DATAP_BarChL, 0, 4095},
    {DATAP, DATAP_BarChC, 0, 4095},
    {DATAP, DATAP_BarChR, 0, 4095},
};

TEST_F(UiResource, RangesFitTheValuesTheProgramWrites)
{
    for (const RangeCase &r : kRanges) {
        int panel = p.byId(r.panel);
        double min = -1, max = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, r.control, ATTR_MIN_VALUE, &min), 0);
        EXPECT_EQ(GetCtrlAttribute(panel, r.control, ATTR_MAX_VALUE, &max), 0);
        EXPECT_EQ(min, r.min) << "panel " << r.panel << " control " << r.control;
        EXPECT_EQ(max, r.max) << "panel " << r.panel << " control " << r.control;
    }
    // The operator cannot enter more rows than exist.
    EXPECT_EQ(uitest::OperatorSetValue(p.para, PARAP_EditMaxNo, 40), 0);
    unsigned short maxNo = 0;
    GetCtrlVal(p.para, PARAP_EditMaxNo, &maxNo);
    EXPECT_EQ(maxNo, 31);
}

// Whatever word a sensor holds, the control that shows it holds it too, so
// that it goes back unchanged: ranges and ring items bound only the operator.
TEST_F(UiResource, SensorValueControlsHoldEveryWord)
{
    const int paraCtrls[] = {PARAP_SlidePower, PARAP_EditChannelMode, PARAP_EditAverage,
                             PARAP_Evalmode,   PARAP_EditHold,        PARAP_EditIntlim,
                             PARAP_EditOutmode, PARAP_EditTrigger,    PARAP_ExternTeach};
    for (unsigned short word : {0, 7, 4321, 65535}) {
        for (int ctrl : paraCtrls) {
            ASSERT_EQ(SetCtrlVal(p.para, ctrl, word), 0) << "control " << ctrl;
            unsigned short back = 1;
            GetCtrlVal(p.para, ctrl, &back);
            EXPECT_EQ(back, word) << "control " << ctrl;
        }
        SetTableCellVal(p.teach, TTP_GridCtt, MakePoint(6, 31), word);
        unsigned short cell = 1;
        GetTableCellVal(p.teach, TTP_GridCtt, MakePoint(6, 31), &cell);
        EXPECT_EQ(cell, word);
    }
}

struct RingCase {
    int panel, control;
    std::vector<int> values;
};

TEST_F(UiResource, RingsCarryTheCodesTheProgramUses)
{
    const RingCase rings[] = {
        {PARAP, PARAP_EditOutmode, {kOutModeBinary, kOutModeDirectLo, kOutModeDirectHi}},
        {PARAP, PARAP_EditTrigger, {0, 1, 2}},
        {PARAP, PARAP_Evalmode, {0, 1}},
        {PARAP, PARAP_ExternTeach, {0, 1}},
        {PARAP, PARAP_EditChannelMode, {1, 2, 3}},
        {DATAP, DATAP_SelectSource, {0, 1}},
        {INTERFACEP, INTERFACEP_EditCommunicationProtocol, {0, 1}},
        {RECP, RECP_EditSelectDataRec, {0, 1, 2, 3}},
        {GRAPHP, GRAPHP_EditSignal, {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const RingCase &r : rings) {
        int panel = p.byId(r.panel);
        int count = 0;
        ASSERT_EQ(GetNumListItems(panel, r.control, &count), 0);
        std::vector<int> values;
        for (int i = 0; i < count; ++i) {
            int v = -1;
            GetValueFromIndex(panel, r.control, i, &v);
            values.push_back(v);
        }
        EXPECT_EQ(values, r.values) << "panel " << r.panel << " control " << r.control;
    }
    // COM1 .. COM32 by number.
    int count = 0;
    GetNumListItems(p.iface, INTERFACEP_EditSelectComPort, &count);
    EXPECT_EQ(count, 32);
    int index = -1;
    EXPECT_EQ(GetIndexFromValue(p.iface, INTERFACEP_EditSelectComPort, &index, 32), 0);
    EXPECT_EQ(index, 31);
}

TEST_F(UiResource, StartValuesAreThoseTheProgramStartsFrom)
{
    int on = -1;
    GetCtrlVal(p.main, MAINP_SelectRAM, &on);
    EXPECT_EQ(on, 1);
    GetCtrlVal(p.main, MAINP_SelectEEPROM, &on);
    EXPECT_EQ(on, 0);
    GetCtrlVal(p.main, MAINP_SelectFILE, &on);
    EXPECT_EQ(on, 0);
    GetCtrlVal(p.teach, TTP_RadioInc, &on);
    EXPECT_EQ(on, 1);

    unsigned short word = 0;
    GetCtrlVal(p.para, PARAP_EditOutmode, &word);
    EXPECT_EQ(word, kOutModeBinary);
    GetCtrlVal(p.para, PARAP_EditMaxNo, &word);
    EXPECT_LE(word, 31);
    GetTableCellVal(p.teach, TTP_GridCtt, MakePoint(6, 31), &word);
    EXPECT_EQ(word, 1);

    char line[64] = "";
    EXPECT_EQ(GetTextBoxLine(p.rec, RECP_DispRecFile, 0, line, sizeof line), 0);
    EXPECT_STREQ(line, "record.dat");
    char text[128] = "";
    GetCtrlVal(p.iface, INTERFACEP_StringIpAdress, text);
    EXPECT_STREQ(text, "127.0.0.1");

    int length = 0;
    GetCtrlAttribute(p.iface, INTERFACEP_StringIpAdress, ATTR_MAX_ENTRY_LENGTH, &length);
    EXPECT_EQ(length, 99);
    GetCtrlAttribute(p.iface, INTERFACEP_StringPortNumber, ATTR_MAX_ENTRY_LENGTH, &length);
    EXPECT_EQ(length, 31);
    GetCtrlAttribute(p.iface, INTERFACEP_EditID, ATTR_MAX_ENTRY_LENGTH, &length);
    EXPECT_EQ(length, 99);

    // The symmetry graphs: value axis 0 .. 1000, height 0 .. 100.
    for (int graph : {DATAP_GraphSym1, DATAP_GraphSym2}) {
        int mode = -1;
        double min = -1, max = -1;
        GetAxisScalingMode(p.data, graph, VAL_BOTTOM_XAXIS, &mode, &min, &max);
        EXPECT_EQ(mode, VAL_MANUAL);
        EXPECT_EQ(min, 0);
        EXPECT_EQ(max, 1000);
        GetAxisScalingMode(p.data, graph, VAL_LEFT_YAXIS, &mode, &min, &max);
        EXPECT_EQ(mode, VAL_MANUAL);
        EXPECT_EQ(min, 0);
        EXPECT_EQ(max, 100);
    }
    // The graph panel's axes follow the recorded values and the frame count.
    for (int graph = GRAPHP_GraphChL; graph <= GRAPHP_GraphTemp; ++graph) {
        int mode = -1;
        double min = 0, max = 0;
        GetAxisScalingMode(p.graph, graph, VAL_LEFT_YAXIS, &mode, &min, &max);
        EXPECT_EQ(mode, VAL_AUTOSCALE) << "graph " << graph;
        GetAxisScalingMode(p.graph, graph, VAL_BOTTOM_XAXIS, &mode, &min, &max);
        EXPECT_EQ(mode, VAL_AUTOSCALE) << "graph " << graph;
    }
    // Fifty segments on the graph panel: the x axis reaches frame 49.
    for (int n = 1; n < 50; ++n) {
        const unsigned short x[] = {static_cast<unsigned short>(n - 1), static_cast<unsigned short>(n)};
        const unsigned short y[] = {100, 200};
        PlotXY(p.graph, GRAPHP_GraphChL, x, y, 2, VAL_UNSIGNED_SHORT_INTEGER,
               VAL_UNSIGNED_SHORT_INTEGER, VAL_CONNECTED_POINTS, VAL_NO_POINT, VAL_SOLID, 1, 0xFF0000);
    }
    {
        int mode = -1;
        double min = 0, max = 0;
        GetAxisScalingMode(p.graph, GRAPHP_GraphChL, VAL_BOTTOM_XAXIS, &mode, &min, &max);
        EXPECT_GE(max, 49);
    }
    int traces = 0, points = 0;
    for (int chart : {DATAP_GraphRaw1, DATAP_GraphDensity}) {
        GetCtrlAttribute(p.data, chart, ATTR_NUM_TRACES, &traces);
        GetCtrlAttribute(p.data, chart, ATTR_POINTS_PER_SCREEN, &points);
        EXPECT_EQ(traces, 3);
        EXPECT_EQ(points, 101);
    }
}

TEST_F(UiResource, FunctionKeysPressTheTransferButtons)
{
    struct KeyCase {
        int control, key, qtKey;
    };
    const KeyCase keys[] = {
        {MAINP_ButtonSend, VAL_F9_VKEY, Qt::Key_F9},
        {MAINP_ButtonGet, VAL_F10_VKEY, Qt::Key_F10},
        {MAINP_ButtonGo, VAL_F11_VKEY, Qt::Key_F11},
        {MAINP_ButtonStop, VAL_F12_VKEY, Qt::Key_F12},
    };
    ShowWorkArea(p.para);
    QWidget *window = uitest::PanelWidget(p.main);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const KeyCase &k : keys) {
        int key = 0;
        GetCtrlAttribute(p.main, k.control, ATTR_SHORTCUT_KEY, &key);
        EXPECT_EQ(key, k.key);
        InstallCtrlCallback(p.main, k.control, RecordingCallback, nullptr);
        g_seen.clear();
        QTest::keyClick(window, static_cast<Qt::Key>(k.qtKey));
        bool committed = std::any_of(g_seen.begin(), g_seen.end(), [&](const SeenEvent &e) {
            return e.control == k.control && e.event == EVENT_COMMIT;
        });
        EXPECT_TRUE(committed) << "key " << k.qtKey << " did not press control " << k.control;
    }
}

}  // namespace
