// Definitions of the process-wide state; see state.h for the meaning of each.
#include "app/state.h"

namespace orvelle {

// ---- protocol constants ----
word anzpara, anzframe, anzdata, anzVec, anzOut, sync;

// ---- parameter set ----
word paraPower, paraChannelMode, paraAverage, paraEvalMode, paraHold, paraIntlim;
word paraMaxNr, paraOutMode, paraTrigger, paraExtteach;
word paraFrei11, paraFrei12, paraFrei13, paraFrei14, paraFrei15, paraFrei16;
word paraTeachVec[kVecCount][kVecWords];
word pp[kPpWords];

// ---- measurement ----
word databuf[kFrameWords];
word dataChL, dataChC, dataChR, dataDensity, dataSym1, dataSym2, dataVec, dataTemp;
word dataAktMaxChL, dataAktMaxChC, dataAktMaxChR, dataTrigger;

// ---- link ----
char szWriteBuf[kLinkBufBytes];
char szReadBuf[kLinkBufBytes];
int dataSize, bytesToRead, bytesRead;
short nBytesW;
word order, comecho, poll, target;
double tstart, tdiff;
char version[kVersionBytes + 1];
char szStatus[kStatusBytes];
short ret;
char szStreamBuf[kLinkBufBytes];
int streamLen;
word streamrec;
double streamLastByteS;
char linkPeer[kReasonBytes];
double linkReplyLimitS = kReplyLimitS;
double linkIdLimitTcpS = kTestReplyLimitTcpS;
const LinkHooks *linkHooks;

// ---- connection ----
word comprotocol, comport;
char ipBuf[kIpBufBytes];
char portNumStr[kPortStrBytes];
int portNum;
word tcpcon;
unsigned g_hconversation;
word comprotocolold, comportold;
char ipBufOld[kIpBufBytes];
char portNumStrOld[kPortStrBytes];
char szSettingsProblem[kReasonBytes];

// ---- panels and paths ----
int mainpanel, parapanel, ttpanel, datapanel, interfacepanel, recpanel, graphpanel, colbigpanel;
int linklogpanel;
char proj_dir[kPathBytes];
char file_name[kPathBytes];
char ipComboBoxFileName[kPathBytes];
char conSettingsFileName[kPathBytes];
int historyUnsaved;
char dialogFolder[kFileKinds][kPathBytes];

// ---- display ----
double rawBuf[kHistoryValues];
double densityBuf[kHistoryValues];
word source, scale;
std::uint32_t GpBufCnt[2];
word GpBufChL[2], GpBufChC[2], GpBufChR[2];
word GpBufDensity[2], GpBufSym1[2], GpBufSym2[2], GpBufTemp[2];
std::uint32_t graphcnt;
std::shared_ptr<const RecordData> gpRecord;
char gpRecordName[kPathBytes];

// ---- operator feedback ----
char szReason[kReasonBytes];
char szReasonTime[kClockBytes];
word stale;
char szFrameTime[kClockBytes];
word quitting;
int quitSignal;
word writing;
word syncedSet[kSetWords];
word unsentPara, unsentTeach, keepUnsent;

// ---- link log ----
word linkLogOpen;
unsigned linkRequests, linkReplies, linkTimeouts, linkEchoErrors;

// ---- recorder ----
double recstart;
word zeitint, reczeit, anzwerte, otcrec;
int reclost;
int recdropped;

void InitStateValues()
{
    anzpara = 202;
    anzframe = 18;
    anzdata = 16;
    anzVec = 31;
    anzOut = 5;
    tcpcon = 0;
    sync = 0x0055;
    order = 1;
    target = RAM;
    poll = 0;
    stale = 0;
    gpRecord.reset();
    gpRecordName[0] = '\0';
    szFrameTime[0] = '\0';
    quitting = 0;
    quitSignal = 0;
    writing = 0;
    keepUnsent = 0;
    linkPeer[0] = '\0';
    linkReplyLimitS = kReplyLimitS;
    linkIdLimitTcpS = kTestReplyLimitTcpS;
}

}  // namespace orvelle
