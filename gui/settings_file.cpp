#include "gui/settings_file.h"

#include <climits>
#include <cstdio>

#include "app/state.h"
#include "gui/data_folder.h"
#include "platform/formatio/formatio.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {

constexpr int kNumberLineBytes = 100;
constexpr int kDefaultComPort = 1;
constexpr int kProtocolRs232 = 0;
constexpr int kProtocolTcp = 1;

// Reads one line into buf (at most maxBytes); a missing line reads as empty.
void ReadSettingsLine(int file, char *buf, int maxBytes)
{
    if (ReadLine(file, buf, maxBytes) < 0)
        buf[0] = '\0';
}

// The file the settings are read from: the one of the data folder, or,
// where it holds none, the one beside the program (a provisioned default of
// an installed program). "" when neither exists.
void SettingsToRead(char (&path)[kPathBytes])
{
    long size = 0;
    std::snprintf(path, sizeof path, "%s", conSettingsFileName);
    if (GetFileInfo(path, &size) == 1)
        return;
    char programDir[kPathBytes] = "";
    if (GetProjectDir(programDir) < 0 || DataFilePath(programDir, kComSettingsFile, path) < 0 ||
        GetFileInfo(path, &size) != 1)
        path[0] = '\0';
}

const char *ProtocolName(int protocol)
{
    return protocol == kProtocolTcp ? "TCP/IP" : "RS-232";
}

// The protocol line of the settings file path into comprotocol. A code
// other than 0 or 1 opens neither transport: it is named in
// szSettingsProblem and keptProtocol is kept. Returns whether the line held
// a known code.
bool TakeProtocolLine(const char *line, const char *path, int keptProtocol)
{
    const int protocol = ParseLeadingInt(line);
    if (protocol == kProtocolRs232 || protocol == kProtocolTcp) {
        comprotocol = static_cast<word>(protocol);
        return true;
    }
    comprotocol = static_cast<word>(keptProtocol);
    std::snprintf(szSettingsProblem, sizeof szSettingsProblem,
                  "protocol \"%.20s\" in line 1 of %.100s is neither 0 (RS-232) nor 1 (TCP/IP); "
                  "%s kept",
                  line, path, ProtocolName(comprotocol));
    return false;
}

}  // namespace

int ParseLeadingInt(const char *text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
           *text == '\v')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

int ReadConnectionSettings(int keptProtocol)
{
    szSettingsProblem[0] = '\0';
    char path[kPathBytes];
    SettingsToRead(path);
    const int file = path[0] == '\0' ? -1 : OpenFile(path, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0) {
        comprotocol = 0;
        comport = kDefaultComPort;
        return kSettingsNone;
    }
    char line[kNumberLineBytes + 1];
    ReadSettingsLine(file, line, kNumberLineBytes);
    const bool protocolKnown = TakeProtocolLine(line, path, keptProtocol);
    ReadSettingsLine(file, line, kNumberLineBytes);
    comport = static_cast<word>(ParseLeadingInt(line));
    ReadSettingsLine(file, ipBuf, kIpBufBytes - 1);
    ReadSettingsLine(file, portNumStr, kPortStrBytes - 1);
    CloseFile(file);
    return protocolKnown ? kSettingsRead : kSettingsBadProtocol;
}

}  // namespace orvelle
