#include "gui/transfer_status.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kLineBytes = kReasonBytes + kPathBytes + 80;
constexpr int kFailedColor = 0xB00000;
constexpr int kDoneColor = 0x000000;

const char *TargetName()
{
    return target == EEPROM ? "EEPROM" : "RAM";
}

// The file's own name, without its folder.
const char *BaseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

}  // namespace

void ShowTransferStatus(const char *text, int failed)
{
    char line[kLineBytes];
    std::snprintf(line, sizeof line, "%s, %s", text, TimeStr());
    SetCtrlAttribute(mainpanel, MAINP_TransferStatus, ATTR_TEXT_COLOR,
                     failed ? kFailedColor : kDoneColor);
    SetCtrlVal(mainpanel, MAINP_TransferStatus, line);
}

void ReportSensorTransfer(int writing)
{
    char text[kLineBytes];
    if (comecho == 1)
        std::snprintf(text, sizeof text, "Parameters and teach table %s %s",
                      writing ? "written to" : "read from", TargetName());
    else
        std::snprintf(text, sizeof text, "%s %s failed: %s", writing ? "Writing to" : "Reading from",
                      TargetName(), szReason);
    ShowTransferStatus(text, comecho != 1);
}

void ReportFileTransfer(int writing, int ok, const char *problem)
{
    char text[kLineBytes];
    if (ok)
        std::snprintf(text, sizeof text, "Parameters and teach table %s %s",
                      writing ? "saved to" : "read from", BaseName(file_name));
    else
        std::snprintf(text, sizeof text, "%s %s failed%s%s", writing ? "Saving" : "Reading",
                      BaseName(file_name), problem ? ": " : "", problem ? problem : "");
    // A problem written as a sentence reads on as part of this one.
    const std::size_t n = std::strlen(text);
    if (n > 0 && text[n - 1] == '.')
        text[n - 1] = '\0';
    ShowTransferStatus(text, !ok);
}

}  // namespace orvelle
