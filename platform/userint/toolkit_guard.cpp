// Messages are held while the application object is built: the toolkit
// reports a missing display as several warnings followed by a fatal
// message, which would otherwise abort the process with a core dump.
#include "platform/userint/toolkit_guard.h"

#include <QMessageLogger>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Held {
    QtMsgType type;
    const char *category;  // the toolkit's categories are static strings
    QString text;
};

QtMessageHandler previous = nullptr;
std::vector<Held> held;
const char *program = "";
int failCode = 1;

QString FirstLine(const QString &text)
{
    return text.section('\n', 0, 0).trimmed();
}

void Guard(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    // The first warning names the cause ("could not connect to display");
    // the fatal message only says that no platform could start.
    QString reason = FirstLine(text);
    for (const Held &h : held) {
        if (h.type == QtWarningMsg || h.type == QtCriticalMsg) {
            reason = FirstLine(h.text);
            break;
        }
    }
    std::fprintf(stderr, "%s: cannot open a window: %s\n", program, qUtf8Printable(reason));
    std::fflush(stderr);
    std::_Exit(failCode);
}

}  // namespace

void BeginToolkitStartGuard(const char *programName, int exitCode)
{
    program = programName ? programName : "";
    failCode = exitCode;
    held.clear();
    previous = qInstallMessageHandler(Guard);
}

void EndToolkitStartGuard()
{
    qInstallMessageHandler(previous);
    for (const Held &h : held) {
        QMessageLogger log(nullptr, 0, nullptr, h.category);
        switch (h.type) {
        case QtDebugMsg: log.debug("%s", qUtf8Printable(h.text)); break;
        case QtInfoMsg: log.info("%s", qUtf8Printable(h.text)); break;
        case QtCriticalMsg: log.critical("%s", qUtf8Printable(h.text)); break;
        default: log.warning("%s", qUtf8Printable(h.text)); break;
        }
    }
    held.clear();
}
