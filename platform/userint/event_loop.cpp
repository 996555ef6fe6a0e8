// The event loop: RunUserInterface until QuitUserInterface, and
// ProcessSystemEvents for the waiting loops that run inside callbacks.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/userint/ui_model.h"

namespace {

// Longest ProcessSystemEvents waits when nothing is pending, in ms: short
// enough to react at once, long enough that a loop around it idles.
constexpr int kIdleWaitMs = 2;

QEventLoop *runningLoop = nullptr;

}  // namespace

// Runs until QuitUserInterface; a quit requested inside a nested callback
// takes effect when that callback has returned to this loop.
int RunUserInterface()
{
    if (!qApp)
        return UIENotInUserInterface;
    plat::installInputFilter();
    // Panels close only when their callbacks discard them.
    QApplication::setQuitOnLastWindowClosed(false);
    QEventLoop loop;
    QEventLoop *outer = runningLoop;
    runningLoop = &loop;
    int code = loop.exec();
    runningLoop = outer;
    return code;
}

int QuitUserInterface(int returnCode)
{
    if (!runningLoop)
        return UIENotInUserInterface;
    runningLoop->exit(returnCode);
    return 0;
}

// Processes what is pending; when nothing is, waits for the next event or
// kIdleWaitMs, whichever comes first.
int ProcessSystemEvents()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return 0;
    if (dispatcher->processEvents(QEventLoop::AllEvents))
        return 0;
    static QTimer *wake = nullptr;
    if (!wake) {
        wake = new QTimer(qApp);
        wake->setSingleShot(true);
        wake->setTimerType(Qt::PreciseTimer);
    }
    wake->start(kIdleWaitMs);
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake->stop();
    return 0;
}

namespace plat {

void resetEventLoopState()
{
    if (runningLoop)
        runningLoop->exit(0);
}

}  // namespace plat
