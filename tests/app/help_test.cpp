// Context help: a right click on every control that has a help text, on the
// real widget, shows exactly that text under its title and nothing else.
#include <QTest>

#include <map>
#include <set>
#include <string>

#include "app/help_texts.h"
#include "platform/userint/resource.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

struct Help {
    const char *text;
    const char *title;
};

// Callback name -> the help it shows.
const std::map<std::string, Help> kHelp = {
    {"CBF_ButtonPara", {InfoButtonPara, "INFO!"}},
    {"CBF_ButtonTeachTable", {InfoButtonTeachTable, "INFO!"}},
    {"CBF_ButtonGo", {InfoButtonGo, "INFO!"}},
    {"CBF_ButtonStop", {InfoButtonStop, "INFO!"}},
    {"CBF_Evalmode", {InfoEditEvalmode, "INFO!"}},
    {"CBF_EditChannelMode", {InfoEditChannelMode, "INFO!"}},
    {"CBF_ExternTeach", {InfoEditEvalmode, "INFO!"}},
    {"CBF_EditMaxNo", {InfoEditMaxcolNo, "INFO!"}},
    {"CBF_EditOutmode", {InfoEditOutmode, "INFO!"}},
    {"CBF_EditAverage", {InfoEditAverage, "INFO!"}},
    {"CBF_EditTrigger", {InfoEditTrigger, "INFO!"}},
    {"CBF_EditIntlim", {InfoEditIntlim, "INFO!"}},
    {"CBF_EditHold", {InfoEditHold, "INFO!"}},
    {"CBF_SlidePower", {InfoEditPower, "INFO!"}},
    {"CBF_ButtonSend", {InfoButtonSend, "INFO!"}},
    {"CBF_ButtonGet", {InfoButtonGet, "INFO!"}},
    {"CBF_SelectRAM", {InfoSelectMEM, "INFO!"}},
    {"CBF_SelectEEPROM", {InfoSelectMEM, "INFO!"}},
    {"CBF_SelectFILE", {InfoSelectMEM, "INFO!"}},
    {"CBF_ButtonResetTable", {InfoButtonResetTable, "INFO!"}},
    {"CBF_ButtonTeachDataTo", {InfoButtonTeachDataTo, "INFO!"}},
    {"CBF_EditNo", {InfoEditNo, "INFO!"}},
    {"CBF_RadioInc", {InfoRadioInc, "INFO!"}},
    {"CBF_SelectSource", {InfoSelectSource, "INFO!"}},
    {"CBF_DispDensity", {InfoDispDensity, "INFO!"}},
    {"CBF_DispSym1", {InfoDispSym1, "INFO!"}},
    {"CBF_DispSym2", {InfoDispSym2, "Info"}},
    {"CBF_DispChL", {InfoDispRaw, "INFO!"}},
    {"CBF_DispChC", {InfoDispRaw, "INFO!"}},
    {"CBF_DispChR", {InfoDispRaw, "INFO!"}},
    {"CBF_DispAktMaxChL", {InfoDispAktMaxRaw, "INFO!"}},
    {"CBF_DispAktMaxChC", {InfoDispAktMaxRaw, "INFO!"}},
    {"CBF_DispAktMaxChR", {InfoDispAktMaxRaw, "INFO!"}},
    {"CBF_DispVec", {InfoDispVec, "INFO!"}},
    {"CBF_BarChL", {InfoDispBars, "INFO!"}},
    {"CBF_BarChC", {InfoDispBars, "INFO!"}},
    {"CBF_BarChR", {InfoDispBars, "INFO!"}},
    {"CBF_DispStatus", {InfoStatus, "INFO!"}},
    {"CBF_GraphRaw1", {InfoGraph, "INFO!"}},
    {"CBF_GraphDensity", {InfoGraphDensity, "INFO!"}},
    {"CBF_GraphSym1", {InfoGraphSym1, "Info"}},
    {"CBF_GraphSym2", {InfoGraphSym2, "Info"}},
    {"CBF_ButtonShowGraph", {InfoButtonShowGraph, "INFO!"}},
    {"CBF_ButtonGpClose", {InfoButtonClosePanel, "INFO!"}},
    {"CBF_EditSignal", {InfoEditSignal, "INFO!"}},
    {"CBF_PanelGraphGraph", {InfoGraphPanel, "INFO!"}},
    {"CBF_ButtonRecorder", {InfoButtonOpenRecorder, "INFO!"}},
    {"CBF_ButtonSelRecFile", {InfoButtonSelRecFile, "INFO!"}},
    {"CBF_DispRecFile", {InfoDisRecFile, "INFO!"}},
    {"CBF_ButtonStartRecord", {InfoButtonStartRecord, "INFO!"}},
    {"CBF_ButtonStopRecord", {InfoButtonStopRecord, "INFO!"}},
    {"CBF_ButtonStartTrigRec", {InfoButtonStartRecord, "INFO!"}},
    {"CBF_ButtonStopTrigRec", {InfoButtonStopRecord, "INFO!"}},
    {"CBF_ButtonManualRecord", {InfoButtonManualRecord, "INFO!"}},
    {"CBF_EditSelectDataRec", {InfoEditSelDataRec, "INFO!"}},
    {"CBF_EditInterval", {InfoEditInterval, "INFO!"}},
    {"CBF_EditRecVal", {InfoEditRecVal, "INFO!"}},
    {"CBF_DispRecordTime", {InfoDispRecordTime, "INFO!"}},
    {"CBF_DispRecordedValues", {InfoDispRecordedValues, "INFO!"}},
    {"CBF_DispRemaining", {InfoDispRemaining, "INFO!"}},
    {"CBF_ButtonConnect", {InfoButtonConnect, "INFO!"}},
    {"CBF_ButtonTryToConnect", {InfoButtonTryToConnect, "INFO!"}},
    {"CBF_ButtonAccept", {InfoButtonAccept, "INFO!"}},
    {"CBF_ButtonDiscard", {InfoButtonDiscard, "INFO!"}},
    {"CBF_EditCommunicationProtocol", {InfoEditCommunicationProtocol, "INFO!"}},
    {"CBF_EditSelectComPort", {InfoEditConnect, "INFO!"}},
    {"CBF_StringIpAdress", {InfoStringIpAdress, "INFO!"}},
    {"CBF_StringPortNumber", {InfoStringPortNumber, "INFO!"}},
    {"CBF_EditID", {InfoEditID, "INFO!"}},
};

class ContextHelp : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    int Handle(int resourceId) const
    {
        const std::map<int, int> handles = {
            {MAINP, mainpanel},   {PARAP, parapanel},           {TTP, ttpanel},
            {DATAP, datapanel},   {INTERFACEP, interfacepanel}, {RECP, recpanel},
            {GRAPHP, graphpanel}, {COLBIGP, colbigpanel}};
        return handles.at(resourceId);
    }
};

TEST_F(ContextHelp, RightClickOnEveryControlShowsItsTextUnderItsTitle)
{
    std::set<std::string> clicked;
    for (int p = 0; p < OrvellePanelCount(); ++p) {
        const PanelDesc &desc = OrvellePanels()[p];
        const int panel = Handle(desc.resourceId);
        DisplayPanel(panel);
        for (int c = 0; c < desc.numCtrls; ++c) {
            const CtrlDesc &ctrl = desc.ctrls[c];
            const auto help = ctrl.callback ? kHelp.find(ctrl.callback) : kHelp.end();
            if (help == kHelp.end())
                continue;
            // Dimmed controls take no clicks; hidden ones are not there to click.
            SetCtrlAttribute(panel, ctrl.id, ATTR_DIMMED, 0);
            SetCtrlAttribute(panel, ctrl.id, ATTR_VISIBLE, 1);
            QWidget *w = uitest::CtrlWidget(panel, ctrl.id);
            ASSERT_NE(w, nullptr) << ctrl.name;
            uitest::ClearPopupLog();
            QTest::mouseClick(w, Qt::RightButton, {}, w->rect().center());
            const auto &log = uitest::PopupLog();
            ASSERT_EQ(log.size(), 1u) << ctrl.name;
            EXPECT_EQ(log[0].kind, "message") << ctrl.name;
            EXPECT_EQ(log[0].title, help->second.title) << ctrl.name;
            EXPECT_EQ(log[0].text, help->second.text) << ctrl.name;
            clicked.insert(ctrl.callback);
        }
    }
    for (const auto &[callback, help] : kHelp)
        EXPECT_TRUE(clicked.count(callback)) << callback << " is on no control";
}

}  // namespace
