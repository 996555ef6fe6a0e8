// Replacing a file whole: the new bytes go to a temporary file beside it,
// which takes the old file's place only when every byte reached the disk.
// A crash, a full disk or a size limit half-way leaves the old file as it was.
#include "platform/formatio/format_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr mode_t kNewFileMode = 0666;   // narrowed by the umask
constexpr mode_t kModeBits = 07777;
constexpr const char *kTempSuffix = ".XXXXXX";

}  // namespace

namespace fmtio {

int CreateReplacement(const char *fileName, std::string *tempPath)
{
    if (!fileName || !*fileName || !tempPath)
        return -1;
    *tempPath = std::string(fileName) + kTempSuffix;
    const int fd = ::mkostemp(tempPath->data(), O_CLOEXEC);
    if (fd < 0) {
        tempPath->clear();
        return -1;
    }
    // The new file keeps the old one's permissions, or gets those a plain
    // creation would give.
    struct stat old {};
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    ::fchmod(fd, ::stat(fileName, &old) == 0 ? (old.st_mode & kModeBits)
                                             : (kNewFileMode & ~umaskNow));
    return fd;
}

bool CommitReplacement(int fd, bool written, const std::string &tempPath, const char *fileName)
{
    const bool synced = written && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (synced && closed && ::rename(tempPath.c_str(), fileName) == 0)
        return true;
    ::unlink(tempPath.c_str());
    return false;
}

bool WriteAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace fmtio
