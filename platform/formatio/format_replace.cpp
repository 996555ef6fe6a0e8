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
constexpr int kMaxLinkHops = 40;        // as the system's own lookup

std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// fileName with its symbolic links followed, also a link to a file not yet
// made; "" for a loop of links.
std::string LinkTarget(const char *fileName)
{
    std::string path = fileName;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size())
            return path;
        link.resize(static_cast<std::size_t>(n));
        path = link[0] == '/' ? link : FolderOf(path) + "/" + link;
    }
    errno = ELOOP;
    return {};
}

void SyncFolder(const std::string &file)
{
    const int dir = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

namespace fmtio {

bool CreateReplacement(const char *fileName, Replacement *r)
{
    if (!fileName || !*fileName || !r) {
        errno = EINVAL;
        return false;
    }
    *r = Replacement{};
    r->target = LinkTarget(fileName);
    if (r->target.empty())
        return false;
    struct stat old {};
    const bool exists = ::stat(r->target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && !S_ISREG(old.st_mode)) {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    // A file the user has made read-only stays as it is, whatever the
    // folder would allow.
    if (exists && ::access(r->target.c_str(), W_OK) != 0)
        return false;
    r->temp = r->target + kTempSuffix;
    r->fd = ::mkostemp(r->temp.data(), O_CLOEXEC);
    if (r->fd < 0) {
        r->temp.clear();
        // Only a folder that refuses new names; a full disk must not cost
        // the old content.
        if (!exists || (errno != EACCES && errno != EPERM))
            return false;
        r->fd = OpenRegular(r->target.c_str(), O_RDWR);
        if (r->fd < 0)
            r->fd = OpenRegular(r->target.c_str(), O_WRONLY);
        return r->fd >= 0;
    }
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    if (exists) {
        // Only root may give a file away; a group of the user's own is kept.
        if (::fchown(r->fd, old.st_uid, old.st_gid) != 0) {
            const int kept = ::fchown(r->fd, static_cast<uid_t>(-1), old.st_gid);
            (void)kept;
        }
    }
    ::fchmod(r->fd, exists ? (old.st_mode & kModeBits) : (kNewFileMode & ~umaskNow));
    return true;
}

bool CommitReplacement(Replacement &r, bool written)
{
    bool done = false;
    if (r.temp.empty()) {
        // In place: the old bytes past the new end go, then all to disk.
        const off_t end = ::lseek(r.fd, 0, SEEK_CUR);
        done = written && end >= 0 && ::ftruncate(r.fd, end) == 0 && ::fsync(r.fd) == 0;
        done = ::close(r.fd) == 0 && done;
    } else {
        const bool synced = written && ::fsync(r.fd) == 0;
        const bool closed = ::close(r.fd) == 0;
        done = synced && closed && ::rename(r.temp.c_str(), r.target.c_str()) == 0;
        if (done)
            SyncFolder(r.target);
        else
            ::unlink(r.temp.c_str());
    }
    r.fd = -1;
    return done;
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
