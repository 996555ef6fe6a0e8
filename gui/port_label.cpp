#include "gui/port_label.h"

#include <cstdio>
#include <cstring>

namespace orvelle {

namespace {

constexpr int kWhatBytes = 3 * kComInfoTextBytes + 16;  // description, maker, serial number
constexpr const char *kNoDevice = "no device";
constexpr const char *kNoDeviceSet = "no device set";
constexpr const char *kUnnamedPort = "serial port";

// Appends ", text" (or text alone first) to out when text is not empty.
void AppendPart(char *out, int size, const char *prefix, const char *text)
{
    if (text[0] == '\0')
        return;
    const std::size_t used = std::strlen(out);
    std::snprintf(out + used, static_cast<std::size_t>(size) - used, "%s%s%s",
                  used > 0 ? ", " : "", prefix, text);
}

}  // namespace

void FormatComPortLabel(int port, const ComPortInfo &info, char *label, int size)
{
    if (info.device[0] == '\0') {
        std::snprintf(label, static_cast<std::size_t>(size), "COM%d  %s", port, kNoDeviceSet);
        return;
    }
    char what[kWhatBytes] = "";
    if (info.present) {
        AppendPart(what, sizeof what, "", info.description);
        AppendPart(what, sizeof what, "", info.manufacturer);
        AppendPart(what, sizeof what, "S/N ", info.serialNumber);
        if (what[0] == '\0')
            std::snprintf(what, sizeof what, "%s", kUnnamedPort);
    } else {
        std::snprintf(what, sizeof what, "%s", kNoDevice);
    }
    std::snprintf(label, static_cast<std::size_t>(size), "COM%d  %.*s  %.*s", port,
                  kComInfoTextBytes, info.device, kWhatBytes, what);
}

}  // namespace orvelle
