// Folders: the user's data folder, the program's installed data folder, and
// whether a folder takes new files.
#include "platform/utility/utility.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Where an installed program's shared files lie, relative to its binary.
constexpr const char *kInstalledShareDir = "/../share/";

// Copies text into directory (size bytes) or leaves "" there.
int CopyOut(const std::string &text, char *directory, std::size_t size)
{
    if (!directory || size == 0)
        return kUtilBufferTooSmall;
    if (text.size() >= size) {
        directory[0] = '\0';
        return kUtilBufferTooSmall;
    }
    std::memcpy(directory, text.c_str(), text.size() + 1);
    return 0;
}

}  // namespace

int GetUserDataDir(const char *folderName, char *directory, std::size_t size)
{
    if (!folderName || !*folderName || std::strchr(folderName, '/'))
        return kUtilInvalidArgument;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        return kUtilCannotCreate;
    const QString path = QDir::cleanPath(base + '/' + QString::fromLocal8Bit(folderName));
    const std::string text = path.toLocal8Bit().toStdString();
    // Check the size first: a folder the caller cannot name is not made.
    if (text.size() >= size || !directory)
        return CopyOut(text, directory, size);
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir())
        return kUtilCannotCreate;
    return CopyOut(text, directory, size);
}

int GetInstalledDataDir(const char *package, char *directory, std::size_t size)
{
    if (!package || !*package || std::strchr(package, '/'))
        return kUtilInvalidArgument;
    char exeDir[kUtilPathMax];
    if (GetProjectDir(exeDir) < 0)
        return kUtilNotFound;
    const QString path = QDir::cleanPath(QString::fromLocal8Bit(exeDir) + kInstalledShareDir +
                                         QString::fromLocal8Bit(package));
    if (!QFileInfo(path).isDir())
        return kUtilNotFound;
    return CopyOut(path.toLocal8Bit().toStdString(), directory, size);
}

int DirectoryTakesFiles(const char *directory)
{
    if (!directory || !*directory)
        return 0;
    // access() says yes to root in any folder that is not on a read-only
    // mount, even where creating fails; only a real file tells.
    std::string probe = std::string(directory) + "/.write-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return 0;
    ::close(fd);
    ::unlink(probe.c_str());
    return 1;
}
