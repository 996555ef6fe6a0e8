// What is plugged in behind each COM port number: the device the number maps
// to and, when the system knows a serial port there, its description, maker
// and serial number. A pseudo-terminal (the simulator's, a test's) is
// present without such details.
#include "platform/rs232/rs232.h"
#include "platform/rs232/serial_port_table.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QString>
#include <cstring>
#include <map>

namespace {

constexpr const char *kPtsDir = "/dev/pts/";
constexpr unsigned kFirstPtyMajor = 136;   // Unix98 pseudo-terminal slaves
constexpr unsigned kLastPtyMajor = 143;
constexpr const char *kPtyDescription = "pseudo-terminal";

void CopyText(char *target, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::size_t n = std::min<std::size_t>(bytes.size(), kComInfoTextBytes - 1);
    // Never end inside a UTF-8 sequence.
    while (n > 0 && n < static_cast<std::size_t>(bytes.size()) &&
           (static_cast<unsigned char>(bytes[static_cast<qsizetype>(n)]) & 0xC0) == 0x80)
        --n;
    std::memcpy(target, bytes.constData(), n);
    target[n] = '\0';
}

bool IsPseudoTerminal(const QString &canonical)
{
    if (canonical.startsWith(kPtsDir))
        return true;
    struct stat st {};
    const QByteArray path = canonical.toLocal8Bit();
    if (::stat(path.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    const unsigned major = ::major(st.st_rdev);
    return major >= kFirstPtyMajor && major <= kLastPtyMajor;
}

}  // namespace

// Fills infos[0 .. count-1] for COM1 onwards (at most kComPortMax), from one
// look at the system's serial ports. Returns the number filled, or
// kRs232InvalidParameter for a null array or a negative count.
int GetComPortInfos(ComPortInfo *infos, int count)
{
    if (!infos || count < 0)
        return kRs232InvalidParameter;
    std::map<QString, QSerialPortInfo> known;  // by canonical device path
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        const QString canonical = QFileInfo(port.systemLocation()).canonicalFilePath();
        if (!canonical.isEmpty())
            known.emplace(canonical, port);
    }
    const int n = std::min(count, kComPortMax);
    for (int i = 0; i < n; ++i) {
        ComPortInfo &info = infos[i];
        info = ComPortInfo{};
        const QString device = QString::fromStdString(serial::ResolveDevice(i + 1));
        CopyText(info.device, device);
        const QString canonical =
            device.isEmpty() ? QString() : QFileInfo(device).canonicalFilePath();
        if (canonical.isEmpty())
            continue;
        if (const auto it = known.find(canonical); it != known.end()) {
            info.present = 1;
            CopyText(info.description, it->second.description());
            CopyText(info.manufacturer, it->second.manufacturer());
            CopyText(info.serialNumber, it->second.serialNumber());
        } else if (IsPseudoTerminal(canonical)) {
            info.present = 1;
            CopyText(info.description, kPtyDescription);
        }
    }
    return n;
}
