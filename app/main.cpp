// The process entry: answers --version and --help on the terminal, else
// starts the run-time (Qt) and hands over to WinMain.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/command_line.h"
#include "app/orvelle.h"

int main(int argc, char **argv)
{
    if (const int code = orvelle::AnswerCommandLine(argc, argv, stdout); code >= 0)
        return code;
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvelle");
    // The desktop entry's name: lets the desktop match the window to its
    // entry and icon (Wayland's app id); the icon comes from the theme once
    // installed.
    QGuiApplication::setDesktopFileName("orvelle");
    QApplication::setWindowIcon(QIcon::fromTheme("orvelle"));
    return orvelle::WinMain();
}
