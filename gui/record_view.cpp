#include "gui/record_view.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/state.h"
#include "gui/graph_panel.h"
#include "gui/record_range.h"
#include "gui/record_reader.h"
#include "gui/record_view_files.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

struct RecordSignal {
    int show;         // its switch
    int value;        // its value at the cursor
    const char *name;
    int color;        // 0xRRGGBB, those of the recorded frames' graphs
};

// In the order of the record file's columns.
const RecordSignal kRecordSignals[kRecordValues] = {
    {GRAPHP_ShowChL, GRAPHP_ValChL, "CH_L", 0xFF0000},
    {GRAPHP_ShowChC, GRAPHP_ValChC, "CH_C", 0x00FF00},
    {GRAPHP_ShowChR, GRAPHP_ValChR, "CH_R", 0x0000FF},
    {GRAPHP_ShowDensity, GRAPHP_ValDensity, "DENS", 0xFF8000},
    {GRAPHP_ShowSym1, GRAPHP_ValSym1, "SYM1", 0xFF0080},
    {GRAPHP_ShowSym2, GRAPHP_ValSym2, "SYM2", 0x008000},
    {GRAPHP_ShowVector, GRAPHP_ValVector, "VECTOR", 0x800080},
    {GRAPHP_ShowTemp, GRAPHP_ValTemp, "TEMP", 0x008080},
};

// The recorded frames' controls; their graphs are shown by SetGraphVisible.
const int kFrameCtrls[] = {GRAPHP_EditSignal,   GRAPHP_DispChL,  GRAPHP_DispChC,
                           GRAPHP_DispChR,      GRAPHP_DispDensity, GRAPHP_DispSym1,
                           GRAPHP_DispSym2,     GRAPHP_DispTemp};
const int kFrameGraphs[] = {GRAPHP_GraphChL,  GRAPHP_GraphChC,  GRAPHP_GraphChR, GRAPHP_GraphDensity,
                            GRAPHP_GraphSym1, GRAPHP_GraphSym2, GRAPHP_GraphTemp};
const int kFileCtrls[] = {GRAPHP_ButtonLive,        GRAPHP_TextRecord,      GRAPHP_TextCursor,
                          GRAPHP_ButtonSavePicture, GRAPHP_ButtonSaveLines, GRAPHP_GraphRecord};

constexpr int kListedLines = 10;  // bad lines named by number, the rest counted
constexpr int kMessageBytes = 2 * kPathBytes + 400;
constexpr int kTextBytes = 160;

void SetFileView(bool on)
{
    for (int c : kFrameCtrls)
        SetCtrlAttribute(graphpanel, c, ATTR_VISIBLE, on ? 0 : 1);
    for (int c : kFileCtrls)
        SetCtrlAttribute(graphpanel, c, ATTR_VISIBLE, on ? 1 : 0);
    for (const RecordSignal &s : kRecordSignals) {
        SetCtrlAttribute(graphpanel, s.show, ATTR_VISIBLE, on ? 1 : 0);
        SetCtrlAttribute(graphpanel, s.value, ATTR_VISIBLE, on ? 1 : 0);
    }
    if (on) {
        for (int g : kFrameGraphs)
            SetCtrlAttribute(graphpanel, g, ATTR_VISIBLE, 0);
    } else {
        SetGraphVisible();
    }
}

const char *BaseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// The numbers of the lines left out, "2, 17, 25 and 3 more".
std::string BadLineList(const RecordData &d)
{
    std::string list;
    const std::size_t named = std::min<std::size_t>(d.bad.size(), kListedLines);
    for (std::size_t i = 0; i < named; ++i)
        list += (i ? ", " : "") + std::to_string(d.bad[i]);
    if (d.bad.size() > named)
        list += " and " + std::to_string(d.bad.size() - named) + " more";
    return list;
}

void ReportLeftOut(const RecordData &d, const char *path)
{
    if (d.bad.empty() && !d.truncated)
        return;
    char text[kMessageBytes] = "";
    const bool one = d.bad.size() == 1;
    if (!d.bad.empty())
        std::snprintf(text, sizeof text, "%zu %s of\n%s\n%s left out: %s.", d.bad.size(),
                      one ? "line" : "lines", path,
                      one ? "is not a record line and is" : "are not record lines and are",
                      BadLineList(d).c_str());
    if (d.truncated) {
        const std::size_t n = std::strlen(text);
        std::snprintf(text + n, sizeof text - n, "%sOnly the first %zu lines of\n%s\nare shown.",
                      n ? "\n" : "", kRecordMaxLines, path);
    }
    MessagePopup(kViewTitle, text);
}

// The range of x over the whole file, a second wide for a file of one line.
void WholeRecording(const RecordData &d, double *lo, double *hi)
{
    const auto [a, b] = std::minmax_element(d.x.begin(), d.x.end());
    *lo = *a;
    *hi = *b;
    if (*hi <= *lo) {
        *lo -= 0.5;
        *hi += 0.5;
    }
}

void ShowRecordName(const RecordData &d, const char *path)
{
    char text[kTextBytes];
    if (d.bad.empty())
        std::snprintf(text, sizeof text, "%.60s\n%zu LINES", BaseName(path), d.lines());
    else
        std::snprintf(text, sizeof text, "%.60s\n%zu LINES, %zu NOT READ", BaseName(path),
                      d.lines(), d.bad.size());
    SetCtrlVal(graphpanel, GRAPHP_TextRecord, text);
}

// The file shown's name with another extension ("record.png"), for a dialog.
void ProposedName(const char *extension, char (&name)[kPathBytes])
{
    std::snprintf(name, sizeof name, "%s", BaseName(gpRecordName));
    if (char *dot = std::strrchr(name, '.'))
        *dot = '\0';
    const std::size_t n = std::strlen(name);
    std::snprintf(name + n, sizeof name - n, "%s", extension);
}

void ReportSaveFailure(const char *path, const char *reason)
{
    char text[kMessageBytes];
    std::snprintf(text, sizeof text, "The file cannot be written:\n%s\n%s", path, reason);
    MessagePopup(kViewTitle, text);
}

}  // namespace

void OpenRecordView()
{
    char path[kPathBytes];
    if (ChooseRecordToOpen(path))
        ShowRecordFile(path);
}

int ShowRecordFile(const char *path)
{
    auto data = std::make_shared<RecordData>();
    char reason[kReasonBytes];
    const int wait = SetWaitCursor(1);
    const int rc = ReadRecordFile(path, data.get(), reason, sizeof reason);
    SetWaitCursor(wait);
    char text[kMessageBytes];
    if (rc < 0) {
        std::snprintf(text, sizeof text, "The record file cannot be read:\n%s\n%s.", path, reason);
        MessagePopup(kViewTitle, text);
        return -1;
    }
    if (data->lines() == 0) {
        std::snprintf(text, sizeof text, "The file holds no record lines:\n%s%s%s", path,
                      data->bad.empty() ? "" : "\nNot record lines: ", BadLineList(*data).c_str());
        MessagePopup(kViewTitle, text);
        return -1;
    }
    // The plots of the file shown before let go of it first.
    DeleteGraphPlot(graphpanel, GRAPHP_GraphRecord, -1, VAL_DELAYED_DRAW);
    gpRecord = data;
    std::snprintf(gpRecordName, sizeof gpRecordName, "%s", path);
    double lo = 0, hi = 0;
    WholeRecording(*data, &lo, &hi);
    SetGraphAttribute(graphpanel, GRAPHP_GraphRecord, ATTR_XFORMAT, VAL_ABSOLUTE_TIME_FORMAT);
    SetGraphAttribute(graphpanel, GRAPHP_GraphRecord, ATTR_ENABLE_ZOOM_AND_PAN, 1);
    SetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, VAL_MANUAL, lo, hi);
    SetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    ShowRecordName(*data, path);
    SetFileView(true);
    ShowRecordSignals();
    int mode = 0;
    double ylo = 0, yhi = 0;
    GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_LEFT_YAXIS, &mode, &ylo, &yhi);
    SetGraphCursor(graphpanel, GRAPHP_GraphRecord, 1, data->x.front(), (ylo + yhi) / 2);
    ShowRecordCursor();
    ReportLeftOut(*data, path);
    return 0;
}

void ShowRecordedFrames()
{
    DeleteGraphPlot(graphpanel, GRAPHP_GraphRecord, -1, VAL_DELAYED_DRAW);
    gpRecord.reset();
    gpRecordName[0] = '\0';
    SetFileView(false);
}

void ShowRecordSignals()
{
    DeleteGraphPlot(graphpanel, GRAPHP_GraphRecord, -1, VAL_DELAYED_DRAW);
    if (!gpRecord)
        return;
    const RecordData &d = *gpRecord;
    for (int k = 0; k < kRecordValues; ++k) {
        const RecordSignal &s = kRecordSignals[k];
        int on = 0;
        GetCtrlVal(graphpanel, s.show, &on);
        SetCtrlAttribute(graphpanel, s.value, ATTR_DIMMED, on ? 0 : 1);
        if (!on)
            continue;
        const int plot = PlotSharedXY(graphpanel, GRAPHP_GraphRecord, gpRecord, d.x.data(),
                                      d.values[k].data(), VAL_UNSIGNED_SHORT_INTEGER, d.lines(),
                                      s.color);
        if (plot > 0)
            SetPlotAttribute(graphpanel, GRAPHP_GraphRecord, plot, ATTR_PLOT_LG_TEXT, s.name);
    }
}

void ShowRecordCursor()
{
    if (!gpRecord)
        return;
    const RecordData &d = *gpRecord;
    double x = 0, y = 0;
    GetGraphCursor(graphpanel, GRAPHP_GraphRecord, 1, &x, &y);
    const std::size_t i = NearestLine(d, x);
    SetGraphCursor(graphpanel, GRAPHP_GraphRecord, 1, d.x[i], y);
    for (int k = 0; k < kRecordValues; ++k)
        SetCtrlVal(graphpanel, kRecordSignals[k].value, d.values[k][i]);
    char date[kRecordDateChars + 1], time[kRecordTimeChars + 1], text[kTextBytes];
    RecordDateTime(std::int64_t(std::floor(d.x[i])), date, time);
    std::snprintf(text, sizeof text, "%s  %s   LINE %u", date, time, unsigned(RecordFileLine(d, i)));
    SetCtrlVal(graphpanel, GRAPHP_TextCursor, text);
}

void SaveRecordPicture()
{
    if (!gpRecord)
        return;
    char proposed[kPathBytes], path[kPathBytes];
    ProposedName(".png", proposed);
    if (!ChooseSaveTarget(kPictureFiles, proposed, "*.png", path))
        return;
    char text[kMessageBytes];
    if (SaveGraphImageFile(graphpanel, GRAPHP_GraphRecord, path) < 0) {
        ReportSaveFailure(path, std::strerror(errno));
        return;
    }
    std::snprintf(text, sizeof text, "The picture has been saved:\n%s", path);
    MessagePopup(kViewDoneTitle, text);
}

void SaveRecordLines()
{
    if (!gpRecord)
        return;
    int mode = 0;
    double lo = 0, hi = 0;
    GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, &lo, &hi);
    if (VisibleLines(*gpRecord, lo, hi).count == 0) {
        MessagePopup(kViewTitle, "No line of the file lies in the view; nothing was saved.");
        return;
    }
    char proposed[kPathBytes], path[kPathBytes];
    ProposedName("-part.dat", proposed);
    if (!ChooseSaveTarget(kRecordFiles, proposed, "*.dat", path))
        return;
    std::size_t written = 0;
    char reason[kReasonBytes], text[kMessageBytes];
    if (WriteRecordRange(path, *gpRecord, lo, hi, &written, reason, sizeof reason) < 0) {
        ReportSaveFailure(path, reason);
        return;
    }
    std::snprintf(text, sizeof text, "%zu %s been saved:\n%s", written,
                  written == 1 ? "line has" : "lines have", path);
    MessagePopup(kViewDoneTitle, text);
}

}  // namespace orvelle
