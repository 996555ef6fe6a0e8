// The process-wide state of the program. Every variable lives in state.cpp;
// all are touched on the one event-loop thread only.
#pragma once

#include <cstdint>
#include <memory>

// The application code lives in namespace orvelle, so that names such as
// `sync` and `poll` do not meet the C library's functions of the same name.
namespace orvelle {

using word = std::uint16_t;
struct RecordData;  // gui/record_reader.h
struct LinkHooks;   // com232/link_hooks.h

// ---- sizes and limits -----------------------------------------------------
constexpr int kFrameBytes = 36;          // bytes of every frame on the link
constexpr int kFrameWords = 18;          // words of every frame
constexpr int kLinkBufBytes = 1024;      // szWriteBuf, szReadBuf
constexpr int kPpWords = 250;            // the parameter block
constexpr int kParaSlots = 16;           // parameter words of the set
constexpr int kVecCount = 31;            // rows of the teach table
constexpr int kVecWords = 6;             // words of a teach row
constexpr int kSetWords = kParaSlots + kVecCount * kVecWords;  // the set image (202)
constexpr int kPathBytes = 260;
constexpr int kVersionBytes = 36;
constexpr int kStatusBytes = 48;
constexpr int kReasonBytes = 200;        // a failure's reason: host or device and the system's text
constexpr int kClockBytes = 9;           // "HH:MM:SS" and its terminator
constexpr int kIpBufBytes = 256;
constexpr int kPortStrBytes = 32;
constexpr int kHistorySamples = 100;     // samples in each main-panel history
constexpr int kHistoryValues = 300;      // three values per sample
constexpr double kReplyLimitS = 3.0;     // reply wait of every request
constexpr double kTestReplyLimitTcpS = 5.0;  // identification wait over TCP
constexpr int kTcpConnectTimeoutMs = 5000;
constexpr int kTcpWriteTimeoutMs = 2000;
constexpr int kTcpTestWriteTimeoutMs = 5000;
constexpr int kTcpReadTimeoutMs = 5000;

// Transfer targets.
constexpr int RAM = 1;
constexpr int EEPROM = 2;
constexpr int DATFILE = 3;

// ---- protocol constants (set by InitAll) ------------------------------------
extern word anzpara;      // words in the parameter-file image (202)
extern word anzframe;     // words in every frame (18)
extern word anzdata;      // measurement words in a data frame (16)
extern word anzVec;       // rows of the teach table (31)
extern word anzOut;       // digital outputs; most vectors in a DIRECT mode (5)
extern word sync;         // first word of every request (0x0055)

// ---- parameter set ------------------------------------------------------------
extern word paraPower;        // transmitter LED, 0 (off) .. 1000 (full)
extern word paraChannelMode;  // connected receiver channels (selector code)
extern word paraAverage;      // scanning values averaged
extern word paraEvalMode;     // evaluation mode, 0 or 1
extern word paraHold;         // minimum output pulse length
extern word paraIntlim;       // intensity limit below which the vector is 255
extern word paraMaxNr;        // teach rows checked from row 0, at most anzVec
extern word paraOutMode;      // 1 BINARY, else DIRECT LO / DIRECT HI
extern word paraTrigger;      // 0 CONT, 1 EXT1, 2 EXT2
extern word paraExtteach;     // external teach, 0 off
extern word paraFrei11, paraFrei12, paraFrei13;  // spare words, passed through
extern word paraFrei14, paraFrei15, paraFrei16;
extern word paraTeachVec[kVecCount][kVecWords];  // teach table, row = vector
extern word pp[kPpWords];     // parameter block: set image or reply image

// ---- measurement ------------------------------------------------------------------
extern word databuf[kFrameWords];  // last decoded data frame
extern word dataChL, dataChC, dataChR;  // channel intensities
extern word dataDensity;            // density computed by the sensor
extern word dataSym1, dataSym2;     // symmetries computed by the sensor
extern word dataVec;                // detected vector; 255 none
extern word dataTemp;               // temperature
extern word dataAktMaxChL, dataAktMaxChC, dataAktMaxChR;  // maxima over 60 s
extern word dataTrigger;            // trigger state

// ---- link -------------------------------------------------------------------------
extern char szWriteBuf[kLinkBufBytes];  // outgoing frame; first 36 bytes sent, never cleared
extern char szReadBuf[kLinkBufBytes];   // incoming reply; first 36 bytes used
extern int dataSize;       // bytes received (RS-232) or expected (TCP)
extern int bytesToRead;    // bytes still missing; 0 = reply complete
extern int bytesRead;      // result of the last TCP read
extern short nBytesW;      // result of the last write, not examined
extern word order;         // command code of the frame being sent
extern word comecho;       // 1 after a confirmed transfer, 0 after a failure
extern word poll;          // 1 while a polling or recording loop runs
extern word target;        // RAM, EEPROM or DATFILE
extern double tstart;      // start of the current wait, s
extern double tdiff;       // elapsed time of the current wait, s
extern char version[kVersionBytes + 1];  // identification text (+ terminator)
extern char szStatus[kStatusBytes];      // text of the last connection error
extern short ret;          // result of the last port opening / TCP connection
extern char szStreamBuf[kLinkBufBytes];  // bytes of a triggered recording not yet taken as frames
extern int streamLen;      // bytes held in szStreamBuf
extern word streamrec;     // 1 while a triggered recording reads the TCP link itself
extern double streamLastByteS;  // when bytes last came into szStreamBuf, s (Timer)
extern char linkPeer[kReasonBytes];  // the peer of the link opened last: "127.0.0.1:5025",
                                     // "COM7 (/dev/ttyUSB2)"; named when that link fails
extern double linkReplyLimitS;   // reply wait of every request, s (kReplyLimitS)
extern double linkIdLimitTcpS;   // identification wait over TCP, s (kTestReplyLimitTcpS)
// What the link tells the front end (status texts, reasons, the time-out):
// the window's panel updates or the command line's; null tells nobody.
extern const LinkHooks *linkHooks;

// ---- connection ------------------------------------------------------------------
extern word comprotocol;   // 0 RS-232, 1 TCP/IP
extern word comport;       // COM port number
extern char ipBuf[kIpBufBytes];          // server name or address
extern char portNumStr[kPortStrBytes];   // TCP port as typed
extern int portNum;        // TCP port
extern word tcpcon;        // 1 while a TCP connection is open
extern unsigned g_hconversation;         // TCP connection handle
extern word comprotocolold, comportold;  // values restored by Discard
extern char ipBufOld[kIpBufBytes];
extern char portNumStrOld[kPortStrBytes];
extern char szSettingsProblem[kReasonBytes];  // what was wrong in "ComSettings.cfg" at
                                              // start-up; "" when nothing

// ---- panels and paths ---------------------------------------------------------
extern int mainpanel, parapanel, ttpanel, datapanel;
extern int interfacepanel, recpanel, graphpanel, colbigpanel;
extern int linklogpanel;  // the link log window
extern char proj_dir[kPathBytes];            // folder of settings, records, dialogs (GetDataFolder)
extern char file_name[kPathBytes];           // last parameter or record file chosen
extern char ipComboBoxFileName[kPathBytes];  // server history file
extern char conSettingsFileName[kPathBytes]; // connection settings file
extern int historyUnsaved;  // 1 once the server history could not be saved (told once)
// The kinds of file the dialogs ask for; each opens where its kind was chosen last.
enum FileKind : int { kParameterFiles, kRecordFiles, kPictureFiles, kTextFiles, kFileKinds };
extern char dialogFolder[kFileKinds][kPathBytes];  // folder of the file last chosen per kind; "" none

// ---- display -----------------------------------------------------------------------
extern double rawBuf[kHistoryValues];      // last 100 raw samples, oldest first
extern double densityBuf[kHistoryValues];  // last 100 density/upper/lower samples
extern word source;        // view: 0 density, 1 raw
extern word scale;         // density axis: 0 fixed, 1 zoom
// The graph panel's last segment: element 0 the previous point, 1 the newest.
// The x count is 32 bits wide, so a recording at 20 frames/s runs for years
// before it could wrap and draw over itself.
extern std::uint32_t GpBufCnt[2];  // x of both points, frames
extern word GpBufChL[2];           // CH_L of both points
extern word GpBufChC[2];           // CH_C
extern word GpBufChR[2];           // CH_R
extern word GpBufDensity[2];       // density
extern word GpBufSym1[2];          // symmetry 1
extern word GpBufSym2[2];          // symmetry 2
extern word GpBufTemp[2];          // temperature
extern std::uint32_t graphcnt;     // frames added to the graph panel since clearing
// A record file shown on the graph panel in place of the recorded frames;
// null while the recorded frames are shown. Its plots read it in place.
extern std::shared_ptr<const RecordData> gpRecord;
extern char gpRecordName[kPathBytes];  // path of that file

// ---- operator feedback ------------------------------------------------------------
extern char szReason[kReasonBytes];     // the last failure's own reason; "" before the first
extern char szReasonTime[kClockBytes];  // when that failure was noted, HH:MM:SS
extern word stale;         // 1 while the live displays show values older than the link's last failure
extern char szFrameTime[kClockBytes];  // when the last data frame reached the displays,
                                       // HH:MM:SS; "" before the first
extern word quitting;      // 1 once the program is ending (window closed, termination
                           // signal): a read ends after the exchange in flight, a write finishes
extern int quitSignal;     // the termination signal that ends the program; 0 for none
extern word writing;       // 1 while a parameter write to the sensor runs
extern word syncedSet[kSetWords];  // the set as the panels showed it after the last complete
                                   // read, or as it was last sent (sensor or file)
extern word unsentPara;    // 1 while the parameter panel differs from syncedSet
extern word unsentTeach;   // 1 while the teach table differs from syncedSet
extern word keepUnsent;    // 1 while a connection attempt must not read over unsent changes

// ---- link log ---------------------------------------------------------------------
extern word linkLogOpen;          // 1 while the link log window is open and lines are kept
extern unsigned linkRequests;     // frames sent since start
extern unsigned linkReplies;      // complete frames received since start (replies and sent-by-itself)
extern unsigned linkTimeouts;     // reply waits that ended without a complete reply since start
extern unsigned linkEchoErrors;   // complete echoes that did not confirm their request since start

// ---- recorder ----------------------------------------------------------------------
extern double recstart;    // start of the current recording cycle, s
extern word zeitint;       // recording interval, s
extern word reczeit;       // scratch for the duration fields
extern word anzwerte;      // lines to record in the fixed-count mode
extern word otcrec;        // lines written in the fixed-count and manual modes
extern int reclost;        // lines that could not be written since the recording
                           // started (manual mode: since mode 2 was chosen)
extern int recdropped;     // replies and frames of the recording that were not whole
                           // data frames, since it started

// Sets the protocol constants and start values (first step of InitAll).
void InitStateValues();

}  // namespace orvelle
