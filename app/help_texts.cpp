#include "app/help_texts.h"

#include "platform/userint/userint.h"

namespace orvelle {

const char InfoButtonPara[] = " Switch to sensor parameters.";
const char InfoButtonTeachTable[] = " Switch to color teach table.";
const char InfoButtonGo[] = " Starts data transfer (CH_REF, CH_DIR, CH_DIF, NORM, INT, V-No:) from sensor to PC. \n The data are shown in the displays, bars and in the graph.\n Shortcut Key: F11. ";
const char InfoButtonStop[] = " Stops data transfer from sensor to PC.\n Shortcut Key: F12. ";
const char InfoEditEvalmode[] = "See Manual!";
const char InfoEditChannelMode[] = "Select the number of connected channels.\nSee Manual!";
const char InfoEditMaxcolNo[] = " Select the number of vectors in the TEACH TABLE to be checked (beginning from row 0). \n Aktive rows are labelled green, inaktive are labelled red. \n If OUTMODE = BINARY the maximum number of vectors to be checked is 31. \n If OUTMODE = DIRECT HI or DIRECT LO the maximum number of vectors is 5.";
const char InfoEditOutmode[] = "Select how to control the 5 digital outputs. \nBINARY   : If a vector (row 0-30 in the TEACH TABLE) is detected, \n  this vector is displayed in V-No: and is set binary to the digital outputs (OUT0-OUT4). \nDIRECT LO: The maximum number of vectors to be taught is 5. \n  If a vector (row 0-4 in the TEACH TABLE) is detected, \n  the special digital output is set to LO, all others are HI. \nDIRECT HI: The maximum number of vectors to be taught is 5. \n  If a vector (row 0-4 in the TEACH TABLE) is detected, \n  the special digital output is set to HI, all others are LO. \nIf no vector is detected, V-No: is 255.";
const char InfoEditAverage[] = " Select the number of scanning values (measurement values) over which the raw signal is averaged.";
const char InfoEditTrigger[] = "Select the trigger mode for the sensor. \nCONT: Continuous evaluation (no trigger event required). \nEXT1: Evaluation as long as trigger (IN0) is high. \n  When trigger goes low, the last detected row (vector) will be hold at the output. \nEXT2: Evaluation as long as trigger (IN0) is high. \n  When trigger goes low, fail condition is output.";
const char InfoEditIntlim[] = " Select an intensity limit. \n Evaluation is stopped, if the current intensity INT falls below this limit. \n ERROR STATE is output (V-No: = 255).";
const char InfoEditHold[] = " Select the minimum pulse length when a digital output changes.";
const char InfoEditPower[] = " Select the intensity of the transmitter LED. \n 0 = no intensity,  1000 = full intensity.";
const char InfoButtonSend[] = " All the parameters of the PC-User-Interface are transferred to the sensor or to a selectable file. \n The target of the parameter transfer is determined by the select button (RAM, EEPROM, FILE). \n Shortcut Key: F9. ";
const char InfoButtonGet[] = " Sensor or file parameters are transferred to the PC-User-Interface. \n The source of the parameter transfer is determined by the select button (RAM, EEPROM, FILE). \n Shortcut Key: F10. ";
const char InfoSelectMEM[] = " Select the source respectively the target for the parameter transfer.";
const char InfoButtonResetTable[] = " Reset the TEACH TABLE. \n All cells are set to 1.";
const char InfoButtonTeachDataTo[] = " Current measured values are assigned to the \n TEACH TABLE row selected in the No.: function field.";
const char InfoEditNo[] = " Select the current number of a row in the TEACH TABLE for TEACH DATA TO.";
const char InfoRadioInc[] = " Auto increment of Edit Field No.:";
const char InfoSelectSource[] = " Select a signal to be displayed in the graph.";
const char InfoDispDensity[] = " Displays the calculated density. \n Formula for calculation: See Manual.";
const char InfoDispSym1[] = " Displays the calculated symmetry 1. \n Formula for calculation: See Manual.";
const char InfoDispSym2[] = " Displays the calculated symmetry 2. \n Formula for calculation: See Manual.";
const char InfoDispRaw[] = " Displays the current intensity of CH_L, CH_C, CH_R. ";
const char InfoDispAktMaxRaw[] = " Displays the present maximum of \n CH_L, CH_C, CH_R within the last 60 seconds.";
const char InfoDispVec[] = " Displays the currently detected vector number in\n accordance with the row in the COLOR TEACH TABLE. \n Double click opens a big display. \n Close the big display with a right mouse click. \n\n Failure condition is 255.";
const char InfoDispBars[] = " Displays the RAW values of CH_L, CH_C  and CH_R.";
const char InfoStatus[] = " Displays serial interface status messages.";
const char InfoGraph[] = " Displays a signal selected with SOURCE.";
const char InfoGraphDensity[] = " Displays the present density. \n Left mouse double click on the Y-AXIS starts an auto zoom. \n Left mouse click scales the Y-AXIS fix.";
const char InfoGraphSym1[] = "Shows the tolerance range \nselected with No.: of SYMMETRY 1 \nand the actual value of SYMMETRY 1.";
const char InfoGraphSym2[] = "Shows the tolerance range \nselected with No.: of SYMMETRY 2 \nand the actual value of SYMMETRY 2.";
const char InfoButtonShowGraph[] = " Switch to a graphical display for each signal.";
const char InfoButtonClosePanel[] = " Close PANEL and return to MAIN PANEL. ";
const char InfoEditSignal[] = " Select Signal to be displayed in the graph. ";
const char InfoGraphPanel[] = " Displays the signals selected with SIGNAL. ";
const char InfoButtonOpenRecord[] = " Opens a record file (*.dat) and shows its lines over their time, \n in place of the recorded frames. The file is only read. ";
const char InfoButtonLive[] = " Back to the frames of the recording. ";
const char InfoShowRecordSignal[] = " Shows or hides this signal of the record file in the graph. ";
const char InfoRecordValue[] = " The value of this signal in the line of the record file at the cursor. ";
const char InfoButtonSavePicture[] = " Saves the graph as it is shown as a PNG picture. ";
const char InfoButtonSaveLines[] = " Saves the lines of the record file that the graph shows \n as a record file of their own. ";
const char InfoGraphRecord[] = " Shows the switched-on signals of the record file over its time. \n Mouse wheel: zoom about the pointer (with Ctrl or over the left axis: the values). \n Drag: move the view.  Double click: show everything. \n The cursor follows the pointer and reads the nearest line. ";
const char InfoButtonOpenRecorder[] = " Switch to data recorder.";
const char InfoButtonSelRecFile[] = " Select a record file for data save. ";
const char InfoDisRecFile[] = " Shows the path of the record file. ";
const char InfoButtonStartRecord[] = " Start data record.";
const char InfoButtonStopRecord[] = " Stop data record.";
const char InfoButtonManualRecord[] = " Record one frame manually \n and append to existing file. ";
const char InfoEditSelDataRec[] = " Select how to record data frame. ";
const char InfoEditInterval[] = " Choose a even interval for recording. \n Minimum interval is 1 second. ";
const char InfoEditRecVal[] = " Choose how many Data should be recorded. ";
const char InfoDispRecordTime[] = " Displays the time for recording \n when all VALUES will be recorded.";
const char InfoDispRecordedValues[] = " Displays how many values are already recorded.";
const char InfoDispRemaining[] = " Displays how many values remain to be recorded.";
const char InfoButtonConnect[] = " Open a panel to select an interface protocol.";
const char InfoButtonTryToConnect[] = " Try to connect sensor.";
const char InfoButtonAccept[] = " Accept settings and return to main panel.";
const char InfoButtonDiscard[] = " Return to main panel with old settings.";
const char InfoEditCommunicationProtocol[] = " Select RS232 or TCP/IP Interface. ";
const char InfoEditConnect[] = " Select a serial COM-PORT.";
const char InfoStringIpAdress[] = " Select a Server by name or IP address.";
const char InfoStringPortNumber[] = " Select a port number.";
const char InfoEditID[] = " Insert sensor identification. \n This ID will be displayed in some panels of the software.";

const char InfoButtonLinkLog[] =
    " Open the link log: every frame to and from the sensor \n with its time, its bytes and "
    "what it means, \n and the counters of the link. \n Shortcut Key: F8. ";
const char InfoButtonPauseLog[] =
    " Hold the view of the link log still. \n Frames are still logged; they show when PAUSE "
    "is released. ";
const char InfoButtonSaveLog[] = " Save the lines of the link log in a text file. ";
const char InfoUnsentNote[] =
    " This panel holds values the sensor does not have yet: \n they were changed since the "
    "last GET or SEND. \n SEND (F9) transfers them. A GET, TRY TO CONNECT or DISCARD \n asks "
    "before it replaces them. ";

void ShowHelp(const char *text)
{
    MessagePopup("INFO!", text);
}

void ShowHelpInfo(const char *text)
{
    MessagePopup("Info", text);
}

}  // namespace orvelle
