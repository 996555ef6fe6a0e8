// Context help: a right click on every control that has a help text, on the
// real widget, shows exactly that text under its title and nothing else.
// The texts are held against a copy of their own.
#include <QTest>

#include <map>
#include <set>
#include <string>

#include "platform/userint/resource.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

struct Help {
    const char *text;
    const char *title;
};

// The texts as the operator must read them, written out here rather than
// taken from the program, so that a changed text fails.
const char kButtonPara[] = " Switch to sensor parameters.";
const char kButtonTeachTable[] = " Switch to color teach table.";
const char kButtonGo[] =
    " Starts data transfer (CH_REF, CH_DIR, CH_DIF, NORM, INT, V-No:) from sensor to PC. \n"
    " The data are shown in the displays, bars and in the graph.\n"
    " Shortcut Key: F11. ";
const char kButtonStop[] =
    " Stops data transfer from sensor to PC.\n"
    " Shortcut Key: F12. ";
const char kEditEvalmode[] = "See Manual!";
const char kEditChannelMode[] =
    "Select the number of connected channels.\n"
    "See Manual!";
const char kEditMaxcolNo[] =
    " Select the number of vectors in the TEACH TABLE to be checked (beginning from row 0). "
    "\n"
    " Aktive rows are labelled green, inaktive are labelled red. \n"
    " If OUTMODE = BINARY the maximum number of vectors to be checked is 31. \n"
    " If OUTMODE = DIRECT HI or DIRECT LO the maximum number of vectors is 5.";
const char kEditOutmode[] =
    "Select how to control the 5 digital outputs. \n"
    "BINARY   : If a vector (row 0-30 in the TEACH TABLE) is detected, \n"
    "  this vector is displayed in V-No: and is set binary to the digital outputs "
    "(OUT0-OUT4). \n"
    "DIRECT LO: The maximum number of vectors to be taught is 5. \n"
    "  If a vector (row 0-4 in the TEACH TABLE) is detected, \n"
    "  the special digital output is set to LO, all others are HI. \n"
    "DIRECT HI: The maximum number of vectors to be taught is 5. \n"
    "  If a vector (row 0-4 in the TEACH TABLE) is detected, \n"
    "  the special digital output is set to HI, all others are LO. \n"
    "If no vector is detected, V-No: is 255.";
const char kEditAverage[] =
    " Select the number of scanning values (measurement values) over which the raw signal is "
    "averaged.";
const char kEditTrigger[] =
    "Select the trigger mode for the sensor. \n"
    "CONT: Continuous evaluation (no trigger event required). \n"
    "EXT1: Evaluation as long as trigger (IN0) is high. \n"
    "  When trigger goes low, the last detected row (vector) will be hold at the output. \n"
    "EXT2: Evaluation as long as trigger (IN0) is high. \n"
    "  When trigger goes low, fail condition is output.";
const char kEditIntlim[] =
    " Select an intensity limit. \n"
    " Evaluation is stopped, if the current intensity INT falls below this limit. \n"
    " ERROR STATE is output (V-No: = 255).";
const char kEditHold[] =
    " Select the minimum pulse length when a digital output changes.";
const char kEditPower[] =
    " Select the intensity of the transmitter LED. \n"
    " 0 = no intensity,  1000 = full intensity.";
const char kButtonSend[] =
    " All the parameters of the PC-User-Interface are transferred to the sensor or to a "
    "selectable file. \n"
    " The target of the parameter transfer is determined by the select button (RAM, EEPROM, "
    "FILE). \n"
    " Shortcut Key: F9. ";
const char kButtonGet[] =
    " Sensor or file parameters are transferred to the PC-User-Interface. \n"
    " The source of the parameter transfer is determined by the select button (RAM, EEPROM, "
    "FILE). \n"
    " Shortcut Key: F10. ";
const char kSelectMEM[] =
    " Select the source respectively the target for the parameter transfer.";
const char kButtonResetTable[] =
    " Reset the TEACH TABLE. \n"
    " All cells are set to 1.";
const char kButtonTeachDataTo[] =
    " Current measured values are assigned to the \n"
    " TEACH TABLE row selected in the No.: function field.";
const char kEditNo[] =
    " Select the current number of a row in the TEACH TABLE for TEACH DATA TO.";
const char kRadioInc[] = " Auto increment of Edit Field No.:";
const char kSelectSource[] = " Select a signal to be displayed in the graph.";
const char kDispDensity[] =
    " Displays the calculated density. \n"
    " Formula for calculation: See Manual.";
const char kDispSym1[] =
    " Displays the calculated symmetry 1. \n"
    " Formula for calculation: See Manual.";
const char kDispSym2[] =
    " Displays the calculated symmetry 2. \n"
    " Formula for calculation: See Manual.";
const char kDispRaw[] = " Displays the current intensity of CH_L, CH_C, CH_R. ";
const char kDispAktMaxRaw[] =
    " Displays the present maximum of \n"
    " CH_L, CH_C, CH_R within the last 60 seconds.";
const char kDispVec[] =
    " Displays the currently detected vector number in\n"
    " accordance with the row in the COLOR TEACH TABLE. \n"
    " Double click opens a big display. \n"
    " Close the big display with a right mouse click. \n"
    "\n"
    " Failure condition is 255.";
const char kDispBars[] = " Displays the RAW values of CH_L, CH_C  and CH_R.";
const char kStatus[] = " Displays serial interface status messages.";
const char kGraph[] = " Displays a signal selected with SOURCE.";
const char kGraphDensity[] =
    " Displays the present density. \n"
    " Left mouse double click on the Y-AXIS starts an auto zoom. \n"
    " Left mouse click scales the Y-AXIS fix.";
const char kGraphSym1[] =
    "Shows the tolerance range \n"
    "selected with No.: of SYMMETRY 1 \n"
    "and the actual value of SYMMETRY 1.";
const char kGraphSym2[] =
    "Shows the tolerance range \n"
    "selected with No.: of SYMMETRY 2 \n"
    "and the actual value of SYMMETRY 2.";
const char kButtonShowGraph[] = " Switch to a graphical display for each signal.";
const char kButtonClosePanel[] = " Close PANEL and return to MAIN PANEL. ";
const char kEditSignal[] = " Select Signal to be displayed in the graph. ";
const char kGraphPanel[] = " Displays the signals selected with SIGNAL. ";
const char kButtonOpenRecorder[] = " Switch to data recorder.";
const char kButtonSelRecFile[] = " Select a record file for data save. ";
const char kDisRecFile[] = " Shows the path of the record file. ";
const char kButtonStartRecord[] = " Start data record.";
const char kButtonStopRecord[] = " Stop data record.";
const char kButtonManualRecord[] =
    " Record one frame manually \n"
    " and append to existing file. ";
const char kEditSelDataRec[] = " Select how to record data frame. ";
const char kEditInterval[] =
    " Choose a even interval for recording. \n"
    " Minimum interval is 1 second. ";
const char kEditRecVal[] = " Choose how many Data should be recorded. ";
const char kDispRecordTime[] =
    " Displays the time for recording \n"
    " when all VALUES will be recorded.";
const char kDispRecordedValues[] = " Displays how many values are already recorded.";
const char kDispRemaining[] = " Displays how many values remain to be recorded.";
const char kButtonConnect[] = " Open a panel to select an interface protocol.";
const char kButtonTryToConnect[] = " Try to connect sensor.";
const char kButtonAccept[] = " Accept settings and return to main panel.";
const char kButtonDiscard[] = " Return to main panel with old settings.";
const char kEditCommunicationProtocol[] = " Select RS232 or TCP/IP Interface. ";
const char kEditConnect[] = " Select a serial COM-PORT.";
const char kStringIpAdress[] = " Select a Server by name or IP address.";
const char kStringPortNumber[] = " Select a port number.";
const char kEditID[] =
    " Insert sensor identification. \n"
    " This ID will be displayed in some panels of the software.";

// Callback name -> the help it shows.
const std::map<std::string, Help> kHelp = {
    {"CBF_ButtonPara", {kButtonPara, "INFO!"}},
    {"CBF_ButtonTeachTable", {kButtonTeachTable, "INFO!"}},
    {"CBF_ButtonGo", {kButtonGo, "INFO!"}},
    {"CBF_ButtonStop", {kButtonStop, "INFO!"}},
    {"CBF_Evalmode", {kEditEvalmode, "INFO!"}},
    {"CBF_EditChannelMode", {kEditChannelMode, "INFO!"}},
    {"CBF_ExternTeach", {kEditEvalmode, "INFO!"}},
    {"CBF_EditMaxNo", {kEditMaxcolNo, "INFO!"}},
    {"CBF_EditOutmode", {kEditOutmode, "INFO!"}},
    {"CBF_EditAverage", {kEditAverage, "INFO!"}},
    {"CBF_EditTrigger", {kEditTrigger, "INFO!"}},
    {"CBF_EditIntlim", {kEditIntlim, "INFO!"}},
    {"CBF_EditHold", {kEditHold, "INFO!"}},
    {"CBF_SlidePower", {kEditPower, "INFO!"}},
    {"CBF_ButtonSend", {kButtonSend, "INFO!"}},
    {"CBF_ButtonGet", {kButtonGet, "INFO!"}},
    {"CBF_SelectRAM", {kSelectMEM, "INFO!"}},
    {"CBF_SelectEEPROM", {kSelectMEM, "INFO!"}},
    {"CBF_SelectFILE", {kSelectMEM, "INFO!"}},
    {"CBF_ButtonResetTable", {kButtonResetTable, "INFO!"}},
    {"CBF_ButtonTeachDataTo", {kButtonTeachDataTo, "INFO!"}},
    {"CBF_EditNo", {kEditNo, "INFO!"}},
    {"CBF_RadioInc", {kRadioInc, "INFO!"}},
    {"CBF_SelectSource", {kSelectSource, "INFO!"}},
    {"CBF_DispDensity", {kDispDensity, "INFO!"}},
    {"CBF_DispSym1", {kDispSym1, "INFO!"}},
    {"CBF_DispSym2", {kDispSym2, "Info"}},
    {"CBF_DispChL", {kDispRaw, "INFO!"}},
    {"CBF_DispChC", {kDispRaw, "INFO!"}},
    {"CBF_DispChR", {kDispRaw, "INFO!"}},
    {"CBF_DispAktMaxChL", {kDispAktMaxRaw, "INFO!"}},
    {"CBF_DispAktMaxChC", {kDispAktMaxRaw, "INFO!"}},
    {"CBF_DispAktMaxChR", {kDispAktMaxRaw, "INFO!"}},
    {"CBF_DispVec", {kDispVec, "INFO!"}},
    {"CBF_BarChL", {kDispBars, "INFO!"}},
    {"CBF_BarChC", {kDispBars, "INFO!"}},
    {"CBF_BarChR", {kDispBars, "INFO!"}},
    {"CBF_DispStatus", {kStatus, "INFO!"}},
    {"CBF_GraphRaw1", {kGraph, "INFO!"}},
    {"CBF_GraphDensity", {kGraphDensity, "INFO!"}},
    {"CBF_GraphSym1", {kGraphSym1, "Info"}},
    {"CBF_GraphSym2", {kGraphSym2, "Info"}},
    {"CBF_ButtonShowGraph", {kButtonShowGraph, "INFO!"}},
    {"CBF_ButtonGpClose", {kButtonClosePanel, "INFO!"}},
    {"CBF_EditSignal", {kEditSignal, "INFO!"}},
    {"CBF_PanelGraphGraph", {kGraphPanel, "INFO!"}},
    {"CBF_ButtonRecorder", {kButtonOpenRecorder, "INFO!"}},
    {"CBF_ButtonSelRecFile", {kButtonSelRecFile, "INFO!"}},
    {"CBF_DispRecFile", {kDisRecFile, "INFO!"}},
    {"CBF_ButtonStartRecord", {kButtonStartRecord, "INFO!"}},
    {"CBF_ButtonStopRecord", {kButtonStopRecord, "INFO!"}},
    {"CBF_ButtonStartTrigRec", {kButtonStartRecord, "INFO!"}},
    {"CBF_ButtonStopTrigRec", {kButtonStopRecord, "INFO!"}},
    {"CBF_ButtonManualRecord", {kButtonManualRecord, "INFO!"}},
    {"CBF_EditSelectDataRec", {kEditSelDataRec, "INFO!"}},
    {"CBF_EditInterval", {kEditInterval, "INFO!"}},
    {"CBF_EditRecVal", {kEditRecVal, "INFO!"}},
    {"CBF_DispRecordTime", {kDispRecordTime, "INFO!"}},
    {"CBF_DispRecordedValues", {kDispRecordedValues, "INFO!"}},
    {"CBF_DispRemaining", {kDispRemaining, "INFO!"}},
    {"CBF_ButtonConnect", {kButtonConnect, "INFO!"}},
    {"CBF_ButtonTryToConnect", {kButtonTryToConnect, "INFO!"}},
    {"CBF_ButtonAccept", {kButtonAccept, "INFO!"}},
    {"CBF_ButtonDiscard", {kButtonDiscard, "INFO!"}},
    {"CBF_EditCommunicationProtocol", {kEditCommunicationProtocol, "INFO!"}},
    {"CBF_EditSelectComPort", {kEditConnect, "INFO!"}},
    {"CBF_StringIpAdress", {kStringIpAdress, "INFO!"}},
    {"CBF_StringPortNumber", {kStringPortNumber, "INFO!"}},
    {"CBF_EditID", {kEditID, "INFO!"}},
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
