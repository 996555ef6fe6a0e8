// Termination signals turned into an event of the event loop: the signal
// handler only writes the signal's number into a pipe, which a socket
// notifier reads on the thread that installed the handler.
#include "platform/utility/utility.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

int pipeEnds[2] = {-1, -1};           // read end, write end
QSocketNotifier *notifier = nullptr;  // watches the read end
void (*onSignal)(int) = nullptr;

void WriteSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // Nothing else may be done in a signal handler; a full pipe already
    // holds a signal to act on.
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &number, 1);
    errno = saved;
}

void Handle(int signal, void (*action)(int))
{
    struct sigaction sa {};
    sa.sa_handler = action;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(signal, &sa, nullptr);
}

void ReadSignals()
{
    unsigned char number = 0;
    while (::read(pipeEnds[0], &number, 1) == 1) {
        // The next one is the system's again: an operator who asks twice
        // gets the program ended at once.
        Handle(number, SIG_DFL);
        if (onSignal)
            onSignal(number);
    }
}

void Uninstall()
{
    for (int s : kSignals)
        Handle(s, SIG_DFL);
    delete notifier;
    notifier = nullptr;
    for (int &fd : pipeEnds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

}  // namespace

void SetTerminationHandler(void (*handler)(int signal))
{
    Uninstall();
    onSignal = handler;
    if (!handler)
        return;
    if (::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;  // the signals stay the system's
    }
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [] { ReadSignals(); });
    for (int s : kSignals)
        Handle(s, WriteSignal);
}
