#include "gui/link_log_window.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/link_log.h"
#include "gui/file_folders.h"
#include "gui/transfer_status.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/linklog_uir.h"

namespace orvelle {

namespace {

constexpr int kRateSamples = 5;          // four timer intervals: the rate over about a second
constexpr int kChunkBytes = 64 * 1024;   // lines go into view this many bytes at a time

struct RateSample {
    double atS;         // Timer, seconds
    unsigned replies;   // linkReplies then
};

unsigned long long shown = 0;            // number of the first line not yet in view
int viewLines = 0;                       // lines in view
RateSample samples[kRateSamples];
int sampleCount = 0;
char chunk[kChunkBytes];

// Appends the lines kept since the last time, at most the ring's worth.
void ShowNewLines()
{
    const unsigned long long total = LinkLogCount();
    if (total < shown || total - shown > kLinkLogLines) {
        ResetTextBox(linklogpanel, LINKLOGP_LogText, "");
        viewLines = 0;
        shown = total > kLinkLogLines ? total - kLinkLogLines : 0;
    }
    std::size_t at = 0;
    for (; shown < total; ++shown, ++viewLines) {
        const char *line = LinkLogLine(shown);
        const std::size_t n = std::strlen(line);
        if (at + n + 2 > sizeof chunk) {
            chunk[at] = '\0';
            SetCtrlVal(linklogpanel, LINKLOGP_LogText, chunk);
            at = 0;
        }
        std::memcpy(chunk + at, line, n);
        at += n;
        chunk[at++] = '\n';
    }
    if (at > 0) {
        chunk[at] = '\0';
        SetCtrlVal(linklogpanel, LINKLOGP_LogText, chunk);
    }
    if (viewLines > kLinkLogLines) {
        DeleteTextBoxLines(linklogpanel, LINKLOGP_LogText, 0, viewLines - kLinkLogLines);
        viewLines = kLinkLogLines;
    }
}

// Complete frames per second over the last samples.
double FrameRate()
{
    const RateSample now = {Timer(), linkReplies};
    if (sampleCount < kRateSamples) {
        samples[sampleCount++] = now;
    } else {
        std::memmove(samples, samples + 1, sizeof samples[0] * (kRateSamples - 1));
        samples[kRateSamples - 1] = now;
    }
    const RateSample &first = samples[0];
    const double span = now.atS - first.atS;
    return span > 0 ? (now.replies - first.replies) / span : 0.0;
}

}  // namespace

int LoadLinkLog()
{
    RegisterLinkLogResource();
    linklogpanel = LoadPanel(0, kLinkLogUirFile, LINKLOGP);
    if (linklogpanel > 0)
        SetCtrlAttribute(linklogpanel, LINKLOGP_LogText, ATTR_TEXT_FONT, VAL_EDITOR_META_FONT);
    shown = LinkLogCount();
    viewLines = 0;
    return linklogpanel;
}

void OpenLinkLog()
{
    if (!linkLogOpen) {
        linkLogOpen = 1;
        LogNote("log opened");
        sampleCount = 0;
    }
    DisplayPanel(linklogpanel);
    SetCtrlAttribute(linklogpanel, LINKLOGP_LogTimer, ATTR_ENABLED, 1);
    RefreshLinkLog();
}

void CloseLinkLog()
{
    linkLogOpen = 0;
    SetCtrlAttribute(linklogpanel, LINKLOGP_LogTimer, ATTR_ENABLED, 0);
    HidePanel(linklogpanel);
}

void RefreshLinkLog()
{
    if (!linkLogOpen)
        return;
    int paused = 0;
    GetCtrlVal(linklogpanel, LINKLOGP_ButtonPauseLog, &paused);
    if (!paused)
        ShowNewLines();
    SetCtrlVal(linklogpanel, LINKLOGP_DispRequests, linkRequests);
    SetCtrlVal(linklogpanel, LINKLOGP_DispReplies, linkReplies);
    SetCtrlVal(linklogpanel, LINKLOGP_DispTimeouts, linkTimeouts);
    SetCtrlVal(linklogpanel, LINKLOGP_DispEchoErrors, linkEchoErrors);
    SetCtrlVal(linklogpanel, LINKLOGP_DispFrameRate, FrameRate());
}

void SaveLinkLog()
{
    char path[kPathBytes] = "";
    if (FileSelectPopup(DialogFolder(kTextFiles), "LinkLog.txt", "*.txt", "Link log",
                        VAL_SAVE_BUTTON, 0, 0, 1, 1, path) <= 0)
        return;
    NoteChosenFile(kTextFiles, path);
    const unsigned long long total = LinkLogCount();
    const unsigned long long first = total > kLinkLogLines ? total - kLinkLogLines : 0;
    const int file = OpenFile(path, VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    bool ok = file > 0;
    for (unsigned long long n = first; ok && n < total; ++n)
        ok = WriteLine(file, LinkLogLine(n), -1) >= 0;
    if (file > 0)
        ok = CloseFile(file) >= 0 && ok;
    if (!ok) {
        char text[kPathBytes + 80];
        std::snprintf(text, sizeof text, "The link log could not be saved:\n%s", path);
        MessagePopup("ATTENTION!", text);
        return;
    }
    const char *slash = std::strrchr(path, '/');
    char done[kPathBytes + 40];
    std::snprintf(done, sizeof done, "Link log saved to %s", slash ? slash + 1 : path);
    ShowTransferStatus(done, 0);
}

}  // namespace orvelle
