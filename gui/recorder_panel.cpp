// The recorder panel: the controls of each mode, the expected duration, the
// choice of the record file, the manual record and the account of lines
// that could not be written.
#include <cstdio>

#include "app/state.h"
#include "gui/data_folder.h"
#include "gui/graph_panel.h"
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

// Empties a confirmed existing file and writes the header: 0, or -1 when
// the file cannot be emptied or written.
int StartRecordFile(bool existing)
{
    if (existing && DeleteFile(file_name) < 0)
        return -1;
    return WriteFileHeader() < 0 ? -1 : 0;
}

void ReportUnwritableFile()
{
    char text[kMessageBytes];
    std::snprintf(text, sizeof text,
                  "The record file cannot be written:\n%s\nChoose another file or folder.",
                  file_name);
    MessagePopup(kRecTitle, text);
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
    const int chosen = FileSelectPopup(proj_dir, kRecordFileName, "*.dat", "FILENAME!",
                                       VAL_OK_BUTTON, 0, 0, 1, 1, file_name);
    if (chosen != VAL_EXISTING_FILE_SELECTED && chosen != VAL_NEW_FILE_SELECTED) {
        MessagePopup(kRecTitle, kRecNoFileText);
        return;
    }
    const bool existing = chosen == VAL_EXISTING_FILE_SELECTED;
    if (existing) {
        if (ConfirmPopup(kRecTitle, kRecFileExistsText) == 0)
            return;
        MessagePopup(kRecTitle, kRecNotOpenedText);
    }
    // The box changes only for a file that took its header.
    if (StartRecordFile(existing) < 0) {
        ReportUnwritableFile();
        return;
    }
    ResetTextBox(recpanel, RECP_DispRecFile, file_name);
}

void ReadRecordFileName()
{
    if (GetTextBoxLine(recpanel, RECP_DispRecFile, 0, file_name, sizeof file_name) < 0)
        file_name[0] = '\0';
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
    char note[kNoteBytes];
    std::snprintf(note, sizeof note, "LINES LOST: %d", reclost);
    SetCtrlVal(recpanel, RECP_DispLostLines, note);
    SetCtrlAttribute(recpanel, RECP_DispLostLines, ATTR_VISIBLE, 1);
}

void ResetLostLines()
{
    reclost = 0;
    SetCtrlAttribute(recpanel, RECP_DispLostLines, ATTR_VISIBLE, 0);
}

void ShowRecordEnd()
{
    if (reclost == 0) {
        MessagePopup(kRecSavedTitle, kRecSavedText);
        return;
    }
    char text[kMessageBytes];
    std::snprintf(text, sizeof text,
                  "File has not been saved completely!\n%s\n%d %s could not be written.",
                  file_name, reclost, reclost == 1 ? "line" : "lines");
    MessagePopup(kRecTitle, text);
}

void RecordManually()
{
    ReadRecordFileName();
    SetPanelGraphData();
    WriteRecordLine();
    ++otcrec;
    SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
}

}  // namespace orvelle
