// Shared by the panel-resource tests: loads the eight panels the way the
// program's start-up does, with a stand-in for every callback the program
// has not registered, and keeps the panel handles.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "platform/userint/resource.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace uires {

// Every callback name of the program's callback tables.
const char *const kCallbackNames[] = {
    "CBF_MAINP", "CBF_PARAP", "CBF_TTP", "CBF_DATAP", "CBF_INTERFACEP", "CBF_RECP",
    "CBF_GRAPHP", "CBF_COLBIGP",
    "CBF_ButtonConnect", "CBF_ButtonPara", "CBF_ButtonTeachTable", "CBF_ButtonRecorder",
    "CBF_SelectRAM", "CBF_SelectEEPROM", "CBF_SelectFILE", "CBF_ButtonSend", "CBF_ButtonGet",
    "CBF_ButtonGo", "CBF_ButtonStop",
    "CBF_SlidePower", "CBF_EditChannelMode", "CBF_EditAverage", "CBF_Evalmode",
    "CBF_EditHold", "CBF_EditIntlim", "CBF_EditMaxNo", "CBF_EditOutmode", "CBF_EditTrigger",
    "CBF_ExternTeach", "CBF_UnsentNote",
    "CBF_GridCtt", "CBF_EditNo", "CBF_RadioInc", "CBF_ButtonTeachDataTo",
    "CBF_ButtonResetTable",
    "CBF_SelectSource", "CBF_DispChL", "CBF_DispChC", "CBF_DispChR", "CBF_BarChL",
    "CBF_BarChC", "CBF_BarChR", "CBF_DispDensity", "CBF_DispSym1", "CBF_DispSym2",
    "CBF_DispAktMaxChL", "CBF_DispAktMaxChC", "CBF_DispAktMaxChR", "CBF_DispVec",
    "CBF_DispStatus", "CBF_GraphRaw1", "CBF_GraphDensity", "CBF_GraphSym1", "CBF_GraphSym2",
    "CBF_ButtonShowGraph",
    "CBF_EditCommunicationProtocol", "CBF_EditSelectComPort", "CBF_StringIpAdress",
    "CBF_StringPortNumber", "CBF_ButtonTryToConnect", "CBF_ButtonAccept", "CBF_ButtonDiscard",
    "CBF_EditID",
    "CBF_EditSelectDataRec", "CBF_EditInterval", "CBF_EditRecVal", "CBF_DispRecordTime",
    "CBF_DispRecordedValues", "CBF_DispRemaining", "CBF_ButtonStartRecord",
    "CBF_ButtonStopRecord", "CBF_ButtonStartTrigRec", "CBF_ButtonStopTrigRec",
    "CBF_ButtonManualRecord", "CBF_ButtonSelRecFile", "CBF_DispRecFile",
    "CBF_EditSignal", "CBF_PanelGraphGraph", "CBF_ButtonGpClose", "CBF_ButtonLinkLog",
    "CBF_ButtonOpenRecord", "CBF_ButtonLive", "CBF_ShowRecordSignal", "CBF_RecordValue",
    "CBF_ButtonSavePicture", "CBF_ButtonSaveLines", "CBF_GraphRecord",
};

inline int DummyCallback(int, int, int, void *, int, int)
{
    return 0;
}

// Events that reached a recording callback: panel, control, event.
struct SeenEvent {
    int panel, control, event;
};
inline std::vector<SeenEvent> g_seen;

inline int RecordingCallback(int panel, int control, int event, void *, int, int)
{
    g_seen.push_back({panel, control, event});
    return 0;
}

// Panel handles by resource id, filled as the program's start-up does.
struct Panels {
    int main = 0, para = 0, teach = 0, data = 0, iface = 0, rec = 0, graph = 0, colbig = 0;
    int byId(int resourceId) const
    {
        switch (resourceId) {
        case MAINP: return main;
        case PARAP: return para;
        case TTP: return teach;
        case DATAP: return data;
        case INTERFACEP: return iface;
        case RECP: return rec;
        case GRAPHP: return graph;
        case COLBIGP: return colbig;
        }
        return 0;
    }
};

constexpr int kWorkTop = 119, kWorkLeft = 8;
constexpr int kDataTop = 63, kDataLeft = 288;

class UiResourceFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        uitest::ResetUserInterface();
        uitest::ScriptPopups(true);
        RegisterOrvelleResource();
        // Keep callbacks another test may have registered; fill in the rest.
        std::vector<CallbackEntry> missing;
        for (const char *name : kCallbackNames) {
            if (!FindCallback(name))
                missing.push_back({name, DummyCallback});
        }
        RegisterCallbacks(missing.data(), static_cast<int>(missing.size()));

        p.main = LoadPanel(0, kUirFile, MAINP);
        p.para = LoadPanel(p.main, kUirFile, PARAP);
        p.teach = LoadPanel(p.main, kUirFile, TTP);
        p.data = LoadPanel(p.main, kUirFile, DATAP);
        p.iface = LoadPanel(p.main, kUirFile, INTERFACEP);
        p.rec = LoadPanel(p.main, kUirFile, RECP);
        p.graph = LoadPanel(p.main, kUirFile, GRAPHP);
        p.colbig = LoadPanel(0, kUirFile, COLBIGP);
        for (int h : {p.para, p.teach, p.iface, p.rec})
            SetPanelPos(h, kWorkTop, kWorkLeft);
        for (int h : {p.data, p.graph})
            SetPanelPos(h, kDataTop, kDataLeft);
        g_seen.clear();
    }

    void TearDown() override
    {
        uitest::ResetUserInterface();
        uitest::ScriptPopups(false);
    }

    // Shows one work-area panel with the data panel, as the program does.
    void ShowWorkArea(int panel)
    {
        for (int h : {p.para, p.teach, p.iface, p.rec})
            HidePanel(h);
        DisplayPanel(panel);
        DisplayPanel(p.data);
        DisplayPanel(p.main);
    }

    Panels p;
};

}  // namespace uires
