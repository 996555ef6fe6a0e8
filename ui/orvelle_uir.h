// Panel and control ids of the program's user interface. The panels are
// described in panels_*.cpp and registered under the resource name
// "Orvelle.uir".
#pragma once

constexpr const char *kUirFile = "Orvelle.uir";

// Panels, in the order in which they are loaded.
enum PanelId : int {
    MAINP = 1,
    PARAP = 2,
    TTP = 3,
    DATAP = 4,
    INTERFACEP = 5,
    RECP = 6,
    GRAPHP = 7,
    COLBIGP = 8,
};

enum MainpCtrl : int {
    MAINP_ButtonConnect = 2,
    MAINP_ButtonPara,
    MAINP_ButtonTeachTable,
    MAINP_ButtonRecorder,
    MAINP_SelectRAM,
    MAINP_SelectEEPROM,
    MAINP_SelectFILE,
    MAINP_ButtonSend,
    MAINP_ButtonGet,
    MAINP_ButtonGo,
    MAINP_ButtonStop,
    MAINP_LogoBox,        // banner background (decoration)
    MAINP_LogoPicture,    // banner picture
    MAINP_TransferStatus, // what the last transfer did, and when
    MAINP_ButtonLinkLog,  // opens the link log (F8)
};

enum ParapCtrl : int {
    PARAP_SlidePower = 2,
    PARAP_EditChannelMode,
    PARAP_EditAverage,
    PARAP_Evalmode,
    PARAP_EditHold,
    PARAP_EditIntlim,
    PARAP_EditMaxNo,
    PARAP_EditOutmode,
    PARAP_EditTrigger,
    PARAP_ExternTeach,
    PARAP_UnsentNote,      // shown while the panel holds values not yet sent
};

enum TtpCtrl : int {
    TTP_GridCtt = 2,
    TTP_EditNo,
    TTP_RadioInc,
    TTP_ButtonTeachDataTo,
    TTP_ButtonResetTable,
    TTP_UnsentNote,        // shown while the table holds values not yet sent
};

enum DatapCtrl : int {
    DATAP_SelectSource = 2,
    DATAP_DispChL,
    DATAP_DispChC,
    DATAP_DispChR,
    DATAP_BarChL,
    DATAP_BarChC,
    DATAP_BarChR,
    DATAP_DispDensity,
    DATAP_DispSym1,
    DATAP_DispSym2,
    DATAP_DispAktMaxChL,
    DATAP_DispAktMaxChC,
    DATAP_DispAktMaxChR,
    DATAP_DispVec,
    DATAP_DispTemp,
    DATAP_DispTrigger,
    DATAP_DispStatus,
    DATAP_GraphRaw1,
    DATAP_GraphDensity,
    DATAP_GraphSym1,
    DATAP_GraphSym2,
    DATAP_DispComPort,     // COM port number in use (RS-232)
    DATAP_DispServer,      // server in use (TCP/IP)
    DATAP_ButtonShowGraph,
};

enum InterfacepCtrl : int {
    INTERFACEP_EditCommunicationProtocol = 2,
    INTERFACEP_EditSelectComPort,
    INTERFACEP_StringIpAdress,
    INTERFACEP_StringPortNumber,
    INTERFACEP_ButtonTryToConnect,
    INTERFACEP_ButtonAccept,
    INTERFACEP_ButtonDiscard,
    INTERFACEP_EditID,
    INTERFACEP_DispStatus,   // the status line
    INTERFACEP_DispReason,   // the last failure's own reason and time
    INTERFACEP_ButtonLinkLog, // opens the link log
};

enum RecpCtrl : int {
    RECP_EditSelectDataRec = 2,
    RECP_EditInterval,
    RECP_EditRecVal,
    RECP_DispRecordDays,      // the four DispRecordTime fields
    RECP_DispRecordHours,
    RECP_DispRecordMinutes,
    RECP_DispRecordSeconds,
    RECP_DispRecordedValues,
    RECP_DispRemaining,
    RECP_DispRecordCount,
    RECP_ButtonStartRecord,
    RECP_ButtonStopRecord,
    RECP_ButtonStartTrigRec,
    RECP_ButtonStopTrigRec,
    RECP_ButtonManualRecord,
    RECP_ButtonSelRecFile,
    RECP_DispRecFile,
    RECP_DispID,
    RECP_RecordTimeFrame,     // frame around the duration fields, mode 0 only
    RECP_DispLostLines,       // shown while lines of the record file are being lost
    RECP_DispBackupNote,      // where the old lines of a restarted record file went
    RECP_DispDropped,         // shown once replies or frames were dropped as no data frame
};

enum GraphpCtrl : int {
    GRAPHP_EditSignal = 2,
    GRAPHP_GraphChL,
    GRAPHP_GraphChC,
    GRAPHP_GraphChR,
    GRAPHP_GraphDensity,
    GRAPHP_GraphSym1,
    GRAPHP_GraphSym2,
    GRAPHP_GraphTemp,
    GRAPHP_DispChL,
    GRAPHP_DispChC,
    GRAPHP_DispChR,
    GRAPHP_DispDensity,
    GRAPHP_DispSym1,
    GRAPHP_DispSym2,
    GRAPHP_DispTemp,
    GRAPHP_ButtonGpClose,
    // A record file shown in place of the recorded frames.
    GRAPHP_ButtonOpenRecord,
    GRAPHP_ButtonLive,
    GRAPHP_TextRecord,        // the file's name and lines
    GRAPHP_ShowChL,           // a switch per signal of the file, in the columns' order
    GRAPHP_ShowChC,
    GRAPHP_ShowChR,
    GRAPHP_ShowDensity,
    GRAPHP_ShowSym1,
    GRAPHP_ShowSym2,
    GRAPHP_ShowVector,
    GRAPHP_ShowTemp,
    GRAPHP_ValChL,            // the values of the line at the cursor, in the same order
    GRAPHP_ValChC,
    GRAPHP_ValChR,
    GRAPHP_ValDensity,
    GRAPHP_ValSym1,
    GRAPHP_ValSym2,
    GRAPHP_ValVector,
    GRAPHP_ValTemp,
    GRAPHP_TextCursor,        // date, time and file line at the cursor
    GRAPHP_ButtonSavePicture,
    GRAPHP_ButtonSaveLines,
    GRAPHP_GraphRecord,
};

enum ColbigpCtrl : int {
    COLBIGP_DispID = 2,
    COLBIGP_DispVec,
};

// Ring codes the sensor understands.
constexpr int kOutModeBinary = 1;
constexpr int kOutModeDirectLo = 2;
constexpr int kOutModeDirectHi = 3;

struct PanelDesc;
// All eight panels, in load order.
const PanelDesc *OrvellePanels();
int OrvellePanelCount();
// Registers the panels under kUirFile.
void RegisterOrvelleResource();
