// Shared entry point of the test binaries: a QApplication on the offscreen
// platform, so widget code runs headless.
#include <QApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

// The offscreen platform's own screen is 800 x 800, smaller than the main
// window: the tests get a desktop screen, and beside it, to the right, the
// small screen of a panel PC (1024 x 600).
constexpr char kScreens[] =
    R"({"screens": [)"
    R"({"name": "desktop", "x": 0, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},)"
    R"({"name": "panel-pc", "x": 3840, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})"
    R"(]})";

}  // namespace

int main(int argc, char **argv)
{
    // The user's own data and settings folders are never written: every
    // binary gets folders of its own, removed at its end.
    QTemporaryDir userFolders;
    if (!userFolders.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", (userFolders.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (userFolders.path() + "/config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (userFolders.path() + "/cache").toLocal8Bit());
    // Unset, Qt makes a run-time folder in the temporary folder and leaves it.
    qputenv("XDG_RUNTIME_DIR", userFolders.path().toLocal8Bit());
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(kScreens);
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
