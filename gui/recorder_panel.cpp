// The recorder panel: the controls of each mode, the expected duration, the
// choice of the record file, the manual record and the account of lines
// that could not be written.
#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "gui/data_folder.h"
#include "gui/file_folders.h"
#include "gui/graph_panel.h"
#include "gui/record_end.h"
#include "gui/record_file.h"
#include "gui/recorder.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr long long kSecondsPerHour = 3600;
constexpr long long kSecondsPerMinute = 60;
constexpr int kNoteBytes = 48;
constexpr int kMessageBytes = kPathBytes + 160;
// Room to see that a path typed into DispRecFile does not fit file_name.
constexpr int kBoxLineBytes = 4 * kPathBytes;

// Which modes show a control: bit m for mode m.
struct ModeView {
    int ctrl;
    unsigned modes;
};
constexpr unsigned kM0 = 1, kM1 = 2, kM2 = 4, kM3 = 8;
const ModeView kModeViews[] = {
    {RECP_EditInterval, kM0 | kM1},         {RECP_EditRecVal, kM0},
    {RECP_RecordTimeFrame, kM0},            {RECP_DispRecordDays, kM0},
    {RECP_DispRecordHours, kM0},            {RECP_DispRecordMinutes, kM0},
    {RECP_DispRecordSeconds, kM0},          {RECP_DispRecordedValues, kM0 | kM2},
    {RECP_DispRemaining, kM0},              {RECP_DispRecordCount, kM1 | kM3},
    {RECP_ButtonStartRecord, kM0 | kM1},    {RECP_ButtonStopRecord, kM0 | kM1},
    {RECP_ButtonStartTrigRec, kM3},         {RECP_ButtonStopTrigRec, kM3},
    {RECP_ButtonManualRecord, kM2},
};

// One part of the duration through reczeit into its field.
void ShowDurationPart(int ctrl, long long value)
{
    reczeit = static_cast<word>(value);
    SetCtrlVal(recpanel, ctrl, reczeit);
}

// A red note of the panel, "<label>: <count>", shown at once.
void ShowCountNote(int ctrl, const char *label, int count)
{
    char note[kNoteBytes];
    std::snprintf(note, sizeof note, "%s: %d", label, count);
    SetCtrlVal(recpanel, ctrl, note);
    SetCtrlAttribute(recpanel, ctrl, ATTR_VISIBLE, 1);
}

void ReportUnwritableFile()
{
    char text[kMessageBytes];
    std::snprintf(text, sizeof text,
                  "The record file cannot be written:\n%s\nChoose another file or folder.",
                  file_name);
    MessagePopup(kRecTitle, text);
}

void ShowBackupNote(const char *backup)
{
    const char *slash = std::strrchr(backup, '/');
    char note[kRecordBackupBytes + 24];
    std::snprintf(note, sizeof note, "OLD LINES KEPT IN\n%s", slash ? slash + 1 : backup);
    SetCtrlVal(recpanel, RECP_DispBackupNote, note);
    SetCtrlAttribute(recpanel, RECP_DispBackupNote, ATTR_VISIBLE, 1);
}

// A confirmed existing file starts anew, its lines kept in file_name.bak,
// with the header. 0, or -1 with the file as it was.
int StartRecordFile(bool existing)
{
    char backup[kRecordBackupBytes];
    const int started = StartRecordFileAt(file_name, existing ? 1 : 0, kRecordHeader, backup);
    if (started == kRecordNoBackup) {
        char text[kMessageBytes + kRecordBackupBytes];
        std::snprintf(text, sizeof text,
                      "The old lines could not be moved aside to\n%s\nThe record file %s "
                      "is unchanged.",
                      backup, file_name);
        MessagePopup(kRecTitle, text);
        return -1;
    }
    if (started == kRecordNoHeader) {
        ReportUnwritableFile();
        return -1;
    }
    if (existing)
        ShowBackupNote(backup);
    return 0;
}

}  // namespace

void InitRecordPanel()
{
    int mode = 0;
    GetCtrlVal(recpanel, RECP_EditSelectDataRec, &mode);
    if (mode < kRecFixedCount || mode > kRecTriggered)
        return;
    for (const ModeView &v : kModeViews)
        SetCtrlAttribute(recpanel, v.ctrl, ATTR_VISIBLE, (v.modes >> mode) & 1u ? 1 : 0);
}

void CalcRecTime()
{
    GetCtrlVal(recpanel, RECP_EditInterval, &zeitint);
    GetCtrlVal(recpanel, RECP_EditRecVal, &anzwerte);
    SetCtrlVal(recpanel, RECP_DispRecordedValues, static_cast<word>(0));
    SetCtrlVal(recpanel, RECP_DispRemaining, anzwerte);
    // 64 bits: 65535 s times 65535 lines does not fit a signed 32-bit count.
    long long t = static_cast<long long>(zeitint) * anzwerte;
    const long long days = t / kSecondsPerDay;
    t -= days * kSecondsPerDay;
    const long long hours = t / kSecondsPerHour;
    t -= hours * kSecondsPerHour;
    const long long minutes = t / kSecondsPerMinute;
    t -= minutes * kSecondsPerMinute;
    ShowDurationPart(RECP_DispRecordDays, days);
    ShowDurationPart(RECP_DispRecordHours, hours);
    ShowDurationPart(RECP_DispRecordMinutes, minutes);
    ShowDurationPart(RECP_DispRecordSeconds, t);
}

void SelRecFile()
{
    const int chosen = FileSelectPopup(DialogFolder(kRecordFiles), kRecordFileName, "*.dat",
                                       "FILENAME!", VAL_OK_BUTTON, 0, 0, 1, 1, file_name);
    if (chosen == VAL_PATH_TOO_LONG)
        return;  // the dialog said so
    if (chosen != VAL_EXISTING_FILE_SELECTED && chosen != VAL_NEW_FILE_SELECTED) {
        MessagePopup(kRecTitle, kRecNoFileText);
        return;
    }
    NoteChosenFile(kRecordFiles, file_name);
    // A folder, FIFO or device is no record file: asked nothing, moved nowhere.
    if (CheckFileAccess(file_name, 1) == kFmtNotAFile) {
        ReportUnwritableFile();
        return;
    }
    const bool existing = chosen == VAL_EXISTING_FILE_SELECTED;
    if (existing) {
        if (ConfirmPopup(kRecTitle, kRecFileExistsText) == 0)
            return;
        MessagePopup(kRecTitle, kRecNotOpenedText);
    }
    SetCtrlAttribute(recpanel, RECP_DispBackupNote, ATTR_VISIBLE, 0);
    // The box changes only for a file that took its header.
    if (StartRecordFile(existing) < 0)
        return;
    ResetTextBox(recpanel, RECP_DispRecFile, file_name);
}

int ReadRecordFileName()
{
    char line[kBoxLineBytes] = "";
    if (GetTextBoxLine(recpanel, RECP_DispRecFile, 0, line, sizeof line) < 0)
        line[0] = '\0';
    const std::size_t length = std::strlen(line);
    if (length >= sizeof file_name) {
        file_name[0] = '\0';
        PathTooLongPopup(length, sizeof file_name);
        return -1;
    }
    std::memcpy(file_name, line, length + 1);
    if (CheckFileAccess(file_name, 1) == kFmtNotAFile) {
        ReportUnwritableFile();
        return -1;
    }
    return 0;
}

void ProposeRecordFile()
{
    char path[kPathBytes];
    if (DataFilePath(proj_dir, kRecordFileName, path) == 0)
        ResetTextBox(recpanel, RECP_DispRecFile, path);
}

void WriteRecordLine()
{
    if (ToFile() == 0)
        return;
    ++reclost;
    SetCtrlAttribute(recpanel, RECP_DispBackupNote, ATTR_VISIBLE, 0);  // same place
    ShowCountNote(RECP_DispLostLines, "LINES LOST", reclost);
}

void ResetLostLines()
{
    reclost = 0;
    SetCtrlAttribute(recpanel, RECP_DispLostLines, ATTR_VISIBLE, 0);
}

void ShowDroppedFrames()
{
    ShowCountNote(RECP_DispDropped, "DROPPED", recdropped);
}

void ResetDroppedFrames()
{
    recdropped = 0;
    SetCtrlAttribute(recpanel, RECP_DispDropped, ATTR_VISIBLE, 0);
}

void ShowRecordEnd(const RecordEnd *end)
{
    char title[kNoteBytes];
    char text[kMessageBytes + kReasonBytes];
    FormatRecordEnd(end, file_name, title, sizeof title, text, sizeof text);
    if (quitSignal != 0)
        std::fprintf(stderr, "orvelle: %s\n", text);
    else
        MessagePopup(title, text);
}

void RecordManually()
{
    if (ReadRecordFileName() < 0)
        return;
    // Values of a link that has failed since are no new measurement.
    if (stale) {
        char text[kMessageBytes];
        if (szFrameTime[0] != '\0')
            std::snprintf(text, sizeof text, "Nothing was recorded: no frame since %s.",
                          szFrameTime);
        else
            std::snprintf(text, sizeof text, "Nothing was recorded: no frame received yet.");
        MessagePopup(kRecTitle, text);
        return;
    }
    SetPanelGraphData();
    WriteRecordLine();
    ++otcrec;
    SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
}

}  // namespace orvelle
