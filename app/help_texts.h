// The help texts shown on a right click, exactly as the operator reads them.
#pragma once

namespace orvelle {

extern const char InfoButtonPara[];
extern const char InfoButtonTeachTable[];
extern const char InfoButtonGo[];
extern const char InfoButtonStop[];
extern const char InfoEditEvalmode[];
extern const char InfoEditChannelMode[];
extern const char InfoEditMaxcolNo[];
extern const char InfoEditOutmode[];
extern const char InfoEditAverage[];
extern const char InfoEditTrigger[];
extern const char InfoEditIntlim[];
extern const char InfoEditHold[];
extern const char InfoEditPower[];
extern const char InfoButtonSend[];
extern const char InfoButtonGet[];
extern const char InfoSelectMEM[];
extern const char InfoButtonResetTable[];
extern const char InfoButtonTeachDataTo[];
extern const char InfoEditNo[];
extern const char InfoRadioInc[];
extern const char InfoSelectSource[];
extern const char InfoDispDensity[];
extern const char InfoDispSym1[];
extern const char InfoDispSym2[];
extern const char InfoDispRaw[];
extern const char InfoDispAktMaxRaw[];
extern const char InfoDispVec[];
extern const char InfoDispBars[];
extern const char InfoStatus[];
extern const char InfoGraph[];
extern const char InfoGraphDensity[];
extern const char InfoGraphSym1[];
extern const char InfoGraphSym2[];
extern const char InfoButtonShowGraph[];
extern const char InfoButtonClosePanel[];
extern const char InfoEditSignal[];
extern const char InfoGraphPanel[];
extern const char InfoButtonOpenRecord[];
extern const char InfoButtonLive[];
extern const char InfoShowRecordSignal[];
extern const char InfoRecordValue[];
extern const char InfoButtonSavePicture[];
extern const char InfoButtonSaveLines[];
extern const char InfoGraphRecord[];
extern const char InfoButtonOpenRecorder[];
extern const char InfoButtonSelRecFile[];
extern const char InfoDisRecFile[];
extern const char InfoButtonStartRecord[];
extern const char InfoButtonStopRecord[];
extern const char InfoButtonManualRecord[];
extern const char InfoEditSelDataRec[];
extern const char InfoEditInterval[];
extern const char InfoEditRecVal[];
extern const char InfoDispRecordTime[];
extern const char InfoDispRecordedValues[];
extern const char InfoDispRemaining[];
extern const char InfoButtonConnect[];
extern const char InfoButtonTryToConnect[];
extern const char InfoButtonAccept[];
extern const char InfoButtonDiscard[];
extern const char InfoEditCommunicationProtocol[];
extern const char InfoEditConnect[];
extern const char InfoStringIpAdress[];
extern const char InfoStringPortNumber[];
extern const char InfoEditID[];
// The link log's own controls.
extern const char InfoButtonLinkLog[];
extern const char InfoButtonPauseLog[];
extern const char InfoButtonSaveLog[];
// The note on panels holding changes not yet sent.
extern const char InfoUnsentNote[];

// Shows a help text in a popup titled "INFO!".
void ShowHelp(const char *text);
// The same with the title "Info" (three controls use it).
void ShowHelpInfo(const char *text);
// Gives every control that has a help text that text as its tooltip.
void SetHelpTooltips();

}  // namespace orvelle
