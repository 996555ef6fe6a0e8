// Serial port services on QSerialPort. One QSerialPort per COM number, made
// on first use and kept; everything runs on the event-loop thread.
//
// A device that vanishes makes QSerialPort report read errors again and again
// while the port stays open, at full processor load. The first such error
// closes the port here; later calls get kRs232PortNotOpen until the port is
// opened again.
#include "platform/rs232/rs232.h"
#include "platform/rs232/read_wake.h"
#include "platform/rs232/serial_port_table.h"
#include "platform/events/event_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr double kDefaultTimeoutS = 10.0;   // until SetComTime says otherwise
constexpr int kMaxDrainRounds = 64;         // bounds the discard loop at open
constexpr int kMaxWakeCount = 255;          // the largest count the system's line setting holds

struct ComPort {
    QPointer<QSerialPort> serial;
    double timeoutS = kDefaultTimeoutS;
    std::string errorText;
    ComCallbackPtr callback = nullptr;  // InstallComCallback
    int eventMask = 0;
    void *callbackData = nullptr;
    unsigned opens = 0;                 // counts opens and closes: a late report finds it changed
    QPointer<serial::ReadWake> wake;    // made with the QSerialPort
    int wakeCount = 1;                  // SetComWakeCount
    cc_t systemMin = 0;                 // the line's own minimum read count, as opened
};

std::array<ComPort, kComPortMax + 1> g_ports;   // index 0 unused

// What a port keeps between calls goes at every open and close.
void ForgetPortState(ComPort &p)
{
    if (p.wake)
        p.wake->disarm();
    p.wakeCount = 1;
    p.callback = nullptr;
    p.eventMask = 0;
    p.callbackData = nullptr;
    ++p.opens;
}

// Tells the port's callback that the device failed, once control is back in
// the event loop, unless the port was opened or closed meanwhile.
void ReportFailure(int port)
{
    const unsigned opens = g_ports[port].opens;
    QTimer::singleShot(0, QCoreApplication::instance(), [port, opens] {
        ComPort &p = g_ports[port];
        if (p.opens == opens && p.callback && (p.eventMask & LWRS_ERR))
            p.callback(port, LWRS_ERR, p.callbackData);
    });
}

bool ValidPort(int port)
{
    return port >= 1 && port <= kComPortMax;
}

// Errors after which the device is gone or unusable.
bool IsFatal(QSerialPort::SerialPortError e)
{
    switch (e) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::NotOpenError:
    case QSerialPort::OpenError:
    case QSerialPort::UnsupportedOperationError:
        return false;
    default:
        return true;
    }
}

// The device behind the open port failed: the port is closed and its
// callback told, with why as the reason.
void LoseDevice(int port, QSerialPort *sp, const std::string &why)
{
    g_ports[port].errorText = "lost " + sp->portName().toStdString() + ": " + why;
    sp->close();
    ReportFailure(port);
}

// The port's QSerialPort, made on first use; it closes itself at the first
// fatal error.
QSerialPort *SerialOf(int port)
{
    ComPort &p = g_ports[port];
    if (!p.serial) {
        p.serial = new QSerialPort(QCoreApplication::instance());
        QSerialPort *sp = p.serial;
        QObject::connect(sp, &QSerialPort::errorOccurred, sp, [port, sp](QSerialPort::SerialPortError e) {
            if (!IsFatal(e) || !sp->isOpen())
                return;
            LoseDevice(port, sp, sp->errorString().toStdString());
        });
        p.wake = new serial::ReadWake(sp, [port, sp](const char *why) { LoseDevice(port, sp, why); });
    }
    return p.serial;
}

// The open QSerialPort of a port, or nullptr.
QSerialPort *OpenSerial(int port)
{
    if (!ValidPort(port) || !g_ports[port].serial || !g_ports[port].serial->isOpen())
        return nullptr;
    return g_ports[port].serial;
}

// The open port behind a number, or the code for a bad number (-2) or a port
// that is not open (-3).
int OpenPortOrCode(int port, QSerialPort **sp)
{
    if (!ValidPort(port))
        return kRs232InvalidPortNumber;
    *sp = OpenSerial(port);
    return *sp ? 0 : kRs232PortNotOpen;
}

int RemainingMs(const QDeadlineTimer &deadline)
{
    const qint64 ms = deadline.remainingTime();
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

QDeadlineTimer DeadlineOf(int port)
{
    return QDeadlineTimer(static_cast<qint64>(g_ports[port].timeoutS * 1000.0));
}

// Bytes the system holds for the port beyond what QSerialPort has taken,
// whatever the wake count; -1 when the device is gone (the port is then
// closed and its callback told).
int SystemQueued(int port, QSerialPort *sp)
{
    const int n = serial::SystemQueued(sp);
    if (n < 0)
        LoseDevice(port, sp, std::strerror(errno));
    return n;
}

// While it lives, the port wakes at every byte again, so that waiting for
// fewer bytes than the wake count ends as soon as they have come.
class EveryByte {
public:
    EveryByte(int port, QSerialPort *sp) : p_(g_ports[port]), sp_(sp)
    {
        if (p_.wakeCount > 1)
            serial::SetSystemMin(sp_, p_.systemMin);
    }
    ~EveryByte()
    {
        if (p_.wakeCount > 1 && sp_->isOpen())
            p_.wake->arm(p_.wakeCount, p_.systemMin);
    }
    EveryByte(const EveryByte &) = delete;
    EveryByte &operator=(const EveryByte &) = delete;

private:
    ComPort &p_;
    QSerialPort *sp_;
};

// Why the device could not be opened, in words that name it.
std::string OpenFailureText(QSerialPort::SerialPortError e, const std::string &device,
                            const std::string &systemText)
{
    switch (e) {
    case QSerialPort::DeviceNotFoundError: return "no device at " + device;
    case QSerialPort::PermissionError: return "no permission to open " + device + " (" + systemText + ")";
    default: return device + ": " + systemText;
    }
}

bool ApplyLineSettings(QSerialPort *sp, long baudRate, int parity, int dataBits, int stopBits)
{
    static constexpr QSerialPort::Parity kParity[] = {
        QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
        QSerialPort::MarkParity, QSerialPort::SpaceParity};
    return sp->setBaudRate(static_cast<qint32>(baudRate))
        && sp->setParity(kParity[parity])
        && sp->setDataBits(static_cast<QSerialPort::DataBits>(dataBits))
        && sp->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
        && sp->setFlowControl(QSerialPort::NoFlowControl);
}

bool ValidLineSettings(long baudRate, int parity, int dataBits, int stopBits)
{
    return baudRate > 0 && baudRate <= INT_MAX && parity >= 0 && parity <= 4
        && dataBits >= 5 && dataBits <= 8 && (stopBits == 1 || stopBits == 2);
}

// Throws away whatever the device held before we opened it: Qt's buffer, the
// kernel's queue, and bytes that were already on their way.
void DiscardInput(QSerialPort *sp)
{
    sp->clear(QSerialPort::Input);
    for (int i = 0; i < kMaxDrainRounds && sp->isOpen() && sp->waitForReadyRead(0); ++i)
        sp->readAll();
    if (sp->isOpen()) {
        sp->clear(QSerialPort::Input);
        sp->clearError();
    }
}

}  // namespace

// Opens the port with the given line settings (parity 0 none, 1 odd, 2 even,
// 3 mark, 4 space). An open port is closed first. inputQueueSize bounds the
// bytes held unread (0: no bound); outputQueueSize is left to the system.
// Input that was waiting before the open is discarded; the time-out is reset
// to 10 s. Returns 0 or kRs232InvalidPortNumber, kRs232InvalidParameter,
// kRs232NoPortFound (no device for the number), kRs232CannotOpenPort.
int OpenComConfig(int port, const char *deviceName, long baudRate, int parity, int dataBits,
                  int stopBits, int inputQueueSize, int /*outputQueueSize*/)
{
    if (!ValidPort(port))
        return kRs232InvalidPortNumber;
    if (!ValidLineSettings(baudRate, parity, dataBits, stopBits))
        return kRs232InvalidParameter;
    const std::string device = (deviceName && *deviceName) ? deviceName : serial::ResolveDevice(port);
    ComPort &p = g_ports[port];
    ForgetPortState(p);
    if (device.empty()) {
        p.errorText = "no device for COM" + std::to_string(port);
        return kRs232NoPortFound;
    }
    QSerialPort *sp = SerialOf(port);
    if (sp->isOpen())
        sp->close();
    sp->setPortName(QString::fromStdString(device));
    if (!sp->open(QIODevice::ReadWrite)) {
        p.errorText = OpenFailureText(sp->error(), device, sp->errorString().toStdString());
        return kRs232CannotOpenPort;
    }
    if (!ApplyLineSettings(sp, baudRate, parity, dataBits, stopBits)) {
        p.errorText = device + ": " + sp->errorString().toStdString();
        sp->close();
        return kRs232CannotOpenPort;
    }
    sp->setReadBufferSize(inputQueueSize > 0 ? inputQueueSize : 0);
    p.systemMin = serial::SystemMin(sp);
    DiscardInput(sp);
    if (!sp->isOpen())
        return kRs232CannotOpenPort;
    p.timeoutS = kDefaultTimeoutS;
    p.errorText.clear();
    return 0;
}

// Closes the port; harmless when it is not open. Unsent output is dropped.
int CloseCom(int port)
{
    if (!ValidPort(port))
        return kRs232InvalidPortNumber;
    ForgetPortState(g_ports[port]);
    if (QSerialPort *sp = OpenSerial(port))
        sp->close();
    return 0;
}

int InstallComCallback(int port, int eventMask, int, int, ComCallbackPtr callback,
                       void *callbackData)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    ComPort &p = g_ports[port];
    p.callback = eventMask ? callback : nullptr;
    p.eventMask = callback ? eventMask : 0;
    p.callbackData = callbackData;
    return 0;
}

// Sets the longest wait of ComRd and ComWrt, in seconds (0: no wait).
int SetComTime(int port, double timeoutSeconds)
{
    if (!ValidPort(port))
        return kRs232InvalidPortNumber;
    if (!OpenSerial(port))
        return kRs232PortNotOpen;
    if (!(timeoutSeconds >= 0.0) || timeoutSeconds > INT_MAX / 1000.0)
        return kRs232InvalidParameter;
    g_ports[port].timeoutS = timeoutSeconds;
    return 0;
}

// Hardware handshake: LWRS_HWHANDSHAKE_OFF (0) or on (1, RTS/CTS).
int SetCTSMode(int port, int mode)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    if (mode != LWRS_HWHANDSHAKE_OFF && mode != 1)
        return kRs232InvalidParameter;
    const bool ok = sp->setFlowControl(mode == LWRS_HWHANDSHAKE_OFF ? QSerialPort::NoFlowControl
                                                                   : QSerialPort::HardwareControl);
    return ok ? 0 : kRs232UnknownIOError;
}

// Discards every byte received and not yet read.
int FlushInQ(int port)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    sp->clear(QSerialPort::Input);
    return sp->isOpen() ? 0 : kRs232PortNotOpen;
}

// Discards every byte written and not yet sent.
int FlushOutQ(int port)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    sp->clear(QSerialPort::Output);
    return sp->isOpen() ? 0 : kRs232PortNotOpen;
}

// Writes count bytes and waits up to the port's time-out until the system has
// taken them. Returns count, kRs232Timeout (the unsent rest is dropped, so no
// stale half frame goes out later), kRs232UnknownIOError (the device failed
// and the port was closed) or kRs232PortNotOpen.
int ComWrt(int port, const char *buffer, int count)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    if (count < 0 || (count > 0 && !buffer))
        return kRs232InvalidParameter;
    if (count == 0)
        return 0;
    if (sp->write(buffer, count) != count)
        return kRs232UnknownIOError;
    const QDeadlineTimer deadline = DeadlineOf(port);
    while (sp->isOpen() && sp->bytesToWrite() > 0 && !deadline.hasExpired())
        sp->waitForBytesWritten(RemainingMs(deadline));
    if (!sp->isOpen())
        return kRs232UnknownIOError;
    if (sp->bytesToWrite() > 0) {
        sp->clear(QSerialPort::Output);
        return kRs232Timeout;
    }
    plat::noteLinkActivity();
    return count;
}

// Reads up to count bytes, waiting up to the port's time-out until count have
// come, whatever the wake count. Returns the bytes read (short or 0 after the
// time-out), or kRs232UnknownIOError when the device failed before any byte
// was read (the port is then closed), or kRs232PortNotOpen.
int ComRd(int port, char *buffer, int count)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    if (count < 0 || (count > 0 && !buffer))
        return kRs232InvalidParameter;
    const QDeadlineTimer deadline = DeadlineOf(port);
    int got = 0;
    std::optional<EveryByte> everyByte;
    while (got < count) {
        const qint64 n = sp->read(buffer + got, count - got);
        if (n > 0)
            got += static_cast<int>(n);
        if (got == count || deadline.hasExpired())
            break;
        if (!everyByte)
            everyByte.emplace(port, sp);
        if (!sp->waitForReadyRead(RemainingMs(deadline)) && !sp->isOpen())
            return got > 0 ? got : kRs232UnknownIOError;
    }
    if (got > 0)
        plat::noteLinkActivity();
    return got;
}

// Bytes received and not yet read, also those the system still holds below
// the wake count. Pulls what the system reports readable first, so the count
// is current even when no events were processed.
int GetInQLen(int port)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    if (sp->waitForReadyRead(0))
        plat::noteLinkActivity();
    if (!sp->isOpen())
        return kRs232PortNotOpen;
    const int held = SystemQueued(port, sp);
    if (held < 0)
        return kRs232PortNotOpen;
    const qint64 n = sp->bytesAvailable() + held;
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

int SetComWakeCount(int port, int count)
{
    QSerialPort *sp = nullptr;
    if (const int rc = OpenPortOrCode(port, &sp); rc < 0)
        return rc;
    if (count < 1)
        return kRs232InvalidParameter;
    ComPort &p = g_ports[port];
    count = std::min(count, kMaxWakeCount);
    p.wakeCount = count;
    if (count == 1)
        p.wake->disarm();
    else
        p.wake->arm(count, p.systemMin);
    return 0;
}

// The device and the system's reason of the last failure on the port, ""
// when the last open succeeded.
const char *GetComErrorText(int port)
{
    if (!ValidPort(port))
        return "invalid port number";
    return g_ports[port].errorText.c_str();
}
