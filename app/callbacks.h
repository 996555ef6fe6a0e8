// Every panel and control callback of the program. The list is the one
// place that names them; the callback table is built from it.
#pragma once

#define ORVELLE_CALLBACKS(X)                                                               \
    /* panels */                                                                           \
    X(CBF_MAINP) X(CBF_PARAP) X(CBF_TTP) X(CBF_DATAP) X(CBF_COLBIGP) X(CBF_RECP)           \
    X(CBF_GRAPHP) X(CBF_INTERFACEP)                                                        \
    /* main panel */                                                                       \
    X(CBF_ButtonConnect) X(CBF_ButtonPara) X(CBF_ButtonTeachTable) X(CBF_ButtonRecorder)   \
    X(CBF_SelectRAM) X(CBF_SelectEEPROM) X(CBF_SelectFILE) X(CBF_ButtonSend)               \
    X(CBF_ButtonGet) X(CBF_ButtonGo) X(CBF_ButtonStop)                                     \
    /* parameter panel */                                                                  \
    X(CBF_SlidePower) X(CBF_EditChannelMode) X(CBF_EditAverage) X(CBF_Evalmode)            \
    X(CBF_EditHold) X(CBF_EditIntlim) X(CBF_EditMaxNo) X(CBF_EditOutmode)                  \
    X(CBF_EditTrigger) X(CBF_ExternTeach) X(CBF_UnsentNote)                                \
    /* teach table */                                                                      \
    X(CBF_GridCtt) X(CBF_EditNo) X(CBF_RadioInc) X(CBF_ButtonTeachDataTo)                  \
    X(CBF_ButtonResetTable)                                                                \
    /* data panel */                                                                       \
    X(CBF_SelectSource) X(CBF_DispChL) X(CBF_DispChC) X(CBF_DispChR) X(CBF_BarChL)         \
    X(CBF_BarChC) X(CBF_BarChR) X(CBF_DispDensity) X(CBF_DispSym1) X(CBF_DispSym2)         \
    X(CBF_DispAktMaxChL) X(CBF_DispAktMaxChC) X(CBF_DispAktMaxChR) X(CBF_DispVec)          \
    X(CBF_DispStatus) X(CBF_GraphRaw1) X(CBF_GraphDensity) X(CBF_GraphSym1)                \
    X(CBF_GraphSym2) X(CBF_ButtonShowGraph)                                                \
    /* interface panel */                                                                  \
    X(CBF_EditCommunicationProtocol) X(CBF_EditSelectComPort) X(CBF_StringIpAdress)        \
    X(CBF_StringPortNumber) X(CBF_ButtonTryToConnect) X(CBF_ButtonAccept)                  \
    X(CBF_ButtonDiscard) X(CBF_EditID)                                                     \
    /* recorder */                                                                         \
    X(CBF_EditSelectDataRec) X(CBF_EditInterval) X(CBF_EditRecVal) X(CBF_DispRecordTime)   \
    X(CBF_DispRecordedValues) X(CBF_DispRemaining) X(CBF_ButtonStartRecord)                \
    X(CBF_ButtonStopRecord) X(CBF_ButtonStartTrigRec) X(CBF_ButtonStopTrigRec)             \
    X(CBF_ButtonManualRecord) X(CBF_ButtonSelRecFile) X(CBF_DispRecFile)                   \
    /* graph panel */                                                                      \
    X(CBF_EditSignal) X(CBF_PanelGraphGraph) X(CBF_ButtonGpClose)                          \
    X(CBF_ButtonOpenRecord) X(CBF_ButtonLive) X(CBF_ShowRecordSignal) X(CBF_RecordValue)   \
    X(CBF_ButtonSavePicture) X(CBF_ButtonSaveLines) X(CBF_GraphRecord)                     \
    /* link log */                                                                         \
    X(CBF_ButtonLinkLog) X(CBF_LINKLOGP) X(CBF_ButtonPauseLog) X(CBF_ButtonSaveLog)        \
    X(CBF_LinkLogTimer)

namespace orvelle {

#define ORVELLE_DECLARE_CALLBACK(name) \
    int name(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
ORVELLE_CALLBACKS(ORVELLE_DECLARE_CALLBACK)
#undef ORVELLE_DECLARE_CALLBACK

// Makes every callback known to the panel loader by its name.
void RegisterOrvelleCallbacks();
// The keys of the main window's buttons (F8 to F12) pressed in another of
// the program's windows: presses the button of keyCode as its key would,
// unless it is dimmed or hidden. Returns 1 when a button took the key.
int PressMainWindowKey(int keyCode);

}  // namespace orvelle

// A callback whose only duty is the help text on a right click.
#define ORVELLE_HELP_CALLBACK(name, text)                                  \
    int name(int, int, int event, void *, int, int)                        \
    {                                                                      \
        if (event == EVENT_RIGHT_CLICK)                                    \
            ShowHelp(text);                                                \
        return 0;                                                          \
    }
