// The event loop: RunUserInterface until QuitUserInterface. The waiting
// loops that run inside callbacks process events through platform/events.
#include <QApplication>
#include <QEventLoop>

#include "platform/events/event_wait.h"
#include "platform/userint/ui_model.h"
#include "platform/userint/userint.h"

namespace {

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

namespace plat {

void resetEventLoopState()
{
    resetEventWaitState();
    if (runningLoop)
        runningLoop->exit(0);
}

}  // namespace plat
