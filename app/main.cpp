// The process entry: answers --version and --help on the terminal, else
// starts the run-time (Qt) and hands over to WinMain.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/command_line.h"
#include "app/orvelle.h"
#include "platform/userint/toolkit_guard.h"

namespace {
constexpr int kStartFailed = -1;  // WinMain's result when the run-time cannot start
}

int main(int argc, char **argv)
{
    if (const int code = orvelle::AnswerCommandLine(argc, argv, stdout); code >= 0)
        return code;
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // No display: one line on the terminal and the entry point's -1.
    BeginToolkitStartGuard("orvelle", kStartFailed);
    QApplication application(argc, argv);
    EndToolkitStartGuard();
    QApplication::setApplicationName("Orvelle");
    // The desktop entry's name: lets the desktop match the window to its
    // entry and icon (Wayland's app id); the icon comes from the theme once
    // installed.
    QGuiApplication::setDesktopFileName("orvelle");
    QApplication::setWindowIcon(QIcon::fromTheme("orvelle"));
    return orvelle::WinMain();
}
