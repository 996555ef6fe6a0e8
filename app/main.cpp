// The process entry: starts the run-time (Qt) and hands over to WinMain.
#include <QApplication>

#include "app/orvelle.h"

int main(int argc, char **argv)
{
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvelle");
    return orvelle::WinMain();
}
