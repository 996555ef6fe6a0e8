// File handles and line I/O of the run-time, on C streams (binary at the
// system level; the ASCII type only decides the line end that WriteLine adds).
#include "platform/formatio/formatio.h"
#include "platform/formatio/format_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr int kMaxOpenFiles = 64;
constexpr mode_t kNewFileMode = 0666;   // narrowed by the umask
constexpr char kCrLf[] = "\r\n";
constexpr char kLf[] = "\n";

enum class LastOp { None, Read, Write };

struct OpenFileEntry {
    std::FILE *stream = nullptr;
    bool ascii = false;
    LastOp lastOp = LastOp::None;
    // A file opened with VAL_TRUNCATE is written through a replacement that
    // takes effect at CloseFile, unless a write failed meanwhile.
    bool replacing = false;
    fmtio::Replacement replacement;
    bool writeFailed = false;
};

std::array<OpenFileEntry, kMaxOpenFiles + 1> g_files;   // index 0 unused

OpenFileEntry *EntryOf(int handle)
{
    if (handle < 1 || handle > kMaxOpenFiles || !g_files[handle].stream)
        return nullptr;
    return &g_files[handle];
}

// C streams need a seek between a read and a write on the same stream.
void SwitchTo(OpenFileEntry &f, LastOp op)
{
    if (f.lastOp != LastOp::None && f.lastOp != op)
        std::fseek(f.stream, 0, SEEK_CUR);
    f.lastOp = op;
}

}  // namespace

namespace fmtio {

int OpenRegular(const char *fileName, int flags)
{
    if (!fileName || !*fileName) {
        errno = ENOENT;
        return -1;
    }
    // Looked at before it is opened: opening a FIFO or a device could wait
    // for a peer, or set a device going.
    struct stat st {};
    if (::stat(fileName, &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
            return -1;
        }
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        return -1;
    }
    // Without blocking, in case it was swapped for something else meanwhile.
    const int fd = ::open(fileName, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, kNewFileMode);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::FILE *OpenStream(const char *fileName, int readWriteMode, int action)
{
    if (!fileName || !*fileName)
        return nullptr;
    int flags = 0;
    const char *streamMode = "rb";
    if (readWriteMode == VAL_READ_ONLY) {
        flags |= O_RDONLY;
    } else if (readWriteMode == VAL_WRITE_ONLY || readWriteMode == VAL_READ_WRITE) {
        const bool rw = readWriteMode == VAL_READ_WRITE;
        flags |= (rw ? O_RDWR : O_WRONLY) | O_CREAT;
        if (action == VAL_TRUNCATE)
            flags |= O_TRUNC;
        else if (action == VAL_APPEND)
            flags |= O_APPEND;
        else if (action != VAL_OPEN_AS_IS)
            return nullptr;
        streamMode = action == VAL_APPEND ? (rw ? "a+b" : "ab") : (rw ? "r+b" : "wb");
    } else {
        return nullptr;
    }
    const int fd = OpenRegular(fileName, flags);
    if (fd < 0)
        return nullptr;
    std::FILE *f = ::fdopen(fd, streamMode);
    if (!f)
        ::close(fd);
    return f;
}

}  // namespace fmtio

// Opens a file; fileType VAL_ASCII makes WriteLine end lines with CR LF.
// Only regular files are opened (OpenRegular). Writing with VAL_TRUNCATE
// replaces the file whole at CloseFile (CreateReplacement): a file the user
// may not write is refused. Returns a handle (> 0), or kFmtCannotOpen (also
// for a full handle table or an unknown mode or action).
int OpenFile(const char *fileName, int readWriteMode, int action, int fileType)
{
    int handle = 1;
    while (handle <= kMaxOpenFiles && g_files[handle].stream)
        ++handle;
    if (handle > kMaxOpenFiles)
        return kFmtCannotOpen;
    OpenFileEntry entry;
    entry.ascii = fileType == VAL_ASCII;
    const bool writing = readWriteMode == VAL_WRITE_ONLY || readWriteMode == VAL_READ_WRITE;
    if (writing && action == VAL_TRUNCATE) {
        if (!fmtio::CreateReplacement(fileName, &entry.replacement))
            return kFmtCannotOpen;
        // In place, a file the user may write but not read opens write-only.
        const bool readable = (::fcntl(entry.replacement.fd, F_GETFL) & O_ACCMODE) == O_RDWR;
        entry.stream = ::fdopen(entry.replacement.fd,
                                readWriteMode == VAL_READ_WRITE && readable ? "w+b" : "wb");
        if (!entry.stream) {
            fmtio::CommitReplacement(entry.replacement, false);
            return kFmtCannotOpen;
        }
        entry.replacing = true;
    } else {
        entry.stream = fmtio::OpenStream(fileName, readWriteMode, action);
    }
    if (!entry.stream)
        return kFmtCannotOpen;
    g_files[handle] = std::move(entry);
    return handle;
}

// Closes the file. Returns 0, or kFmtIOError for an unknown handle or when
// the last bytes could not be written. A file opened with VAL_TRUNCATE takes
// the old file's place now; after a failed write it does not, the old file
// stays and the result is kFmtIOError.
int CloseFile(int fileHandle)
{
    OpenFileEntry *f = EntryOf(fileHandle);
    if (!f)
        return kFmtIOError;
    if (!f->replacing) {
        const int rc = std::fclose(f->stream);
        *f = OpenFileEntry{};
        return rc == 0 ? 0 : kFmtIOError;
    }
    const bool flushed = std::fflush(f->stream) == 0 && !f->writeFailed;
    // The stream lets go of its descriptor; the replacement keeps a copy.
    f->replacement.fd = ::dup(::fileno(f->stream));
    const bool closed = std::fclose(f->stream) == 0;
    bool replaced = false;
    if (f->replacement.fd >= 0)
        replaced = fmtio::CommitReplacement(f->replacement, flushed && closed);
    else if (!f->replacement.temp.empty())
        ::unlink(f->replacement.temp.c_str());
    *f = OpenFileEntry{};
    return replaced ? 0 : kFmtIOError;
}

// Reads one line (ended by LF, CR LF, or the end of the file). Keeps at most
// maxBytes bytes in lineBuffer (which holds maxBytes + 1) and skips the rest
// of a longer line; the buffer is always terminated. NUL bytes inside the
// line are kept as they are. Returns the bytes kept, kFmtEndOfFile when the
// file ended before the line's first byte, or kFmtIOError.
int ReadLine(int fileHandle, char *lineBuffer, int maxBytes)
{
    OpenFileEntry *f = EntryOf(fileHandle);
    if (!f || !lineBuffer || maxBytes < 0)
        return kFmtIOError;
    SwitchTo(*f, LastOp::Read);
    long lineLength = 0;   // bytes before the LF, CR included
    int kept = 0;
    bool lastWasCr = false;
    int c;
    while ((c = std::getc(f->stream)) != EOF && c != '\n') {
        if (kept < maxBytes)
            lineBuffer[kept++] = static_cast<char>(c);
        lastWasCr = c == '\r';
        ++lineLength;
    }
    if (c == EOF && std::ferror(f->stream)) {
        std::clearerr(f->stream);
        lineBuffer[0] = '\0';
        return kFmtIOError;
    }
    if (c == EOF && lineLength == 0) {
        lineBuffer[0] = '\0';
        return kFmtEndOfFile;
    }
    // A CR that ends the line belongs to the line end; drop it if it was kept.
    if (lastWasCr && kept == lineLength)
        --kept;
    lineBuffer[kept] = '\0';
    return kept;
}

// Writes numberOfBytes bytes of lineBuffer (-1: up to its terminator) and the
// line end: CR LF for an ASCII file, LF for a binary one. Returns the bytes
// written with the line end, or kFmtIOError.
int WriteLine(int fileHandle, const char *lineBuffer, int numberOfBytes)
{
    OpenFileEntry *f = EntryOf(fileHandle);
    if (!f || numberOfBytes < -1 || (!lineBuffer && numberOfBytes != 0))
        return kFmtIOError;
    const std::size_t n = numberOfBytes == -1 ? std::strlen(lineBuffer) : static_cast<std::size_t>(numberOfBytes);
    const char *end = f->ascii ? kCrLf : kLf;
    const std::size_t endLength = std::strlen(end);
    SwitchTo(*f, LastOp::Write);
    if ((n > 0 && std::fwrite(lineBuffer, 1, n, f->stream) != n)
        || std::fwrite(end, 1, endLength, f->stream) != endLength) {
        std::clearerr(f->stream);
        f->writeFailed = true;
        return kFmtIOError;
    }
    return static_cast<int>(n + endLength);
}

// Writes numberOfBytes bytes as they are (-1: up to the terminator). Returns
// the count, or kFmtIOError.
int WriteFile(int fileHandle, const char *buffer, int numberOfBytes)
{
    OpenFileEntry *f = EntryOf(fileHandle);
    if (!f || numberOfBytes < -1 || (!buffer && numberOfBytes != 0))
        return kFmtIOError;
    const std::size_t n = numberOfBytes == -1 ? std::strlen(buffer) : static_cast<std::size_t>(numberOfBytes);
    SwitchTo(*f, LastOp::Write);
    if (n > 0 && std::fwrite(buffer, 1, n, f->stream) != n) {
        std::clearerr(f->stream);
        f->writeFailed = true;
        return kFmtIOError;
    }
    return static_cast<int>(n);
}

int AppendToFile(const char *fileName, const char *bytes, int numberOfBytes)
{
    if (!fileName || !*fileName || numberOfBytes < 0 || (!bytes && numberOfBytes > 0))
        return kFmtCannotOpen;
    const int fd = fmtio::OpenRegular(fileName, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0)
        return kFmtCannotOpen;
    struct stat before {};
    const bool sized = ::fstat(fd, &before) == 0;
    const auto n = static_cast<std::size_t>(numberOfBytes);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t w = ::write(fd, bytes + done, n - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            break;
        done += static_cast<std::size_t>(w);
    }
    bool whole = done == n;
    if (!whole && done > 0 && sized) {
        // Cut the piece off again: the file never ends in a broken line.
        const int cut = ::ftruncate(fd, before.st_size);
        (void)cut;
    }
    if (::close(fd) != 0)
        whole = false;
    return whole ? 0 : kFmtIOError;
}

// 1 and the size in bytes for an existing regular file; 0 (size 0) when there
// is none; kFmtIOError when the name is missing or the system refuses to say.
int GetFileInfo(const char *fileName, long *fileSize)
{
    if (fileSize)
        *fileSize = 0;
    if (!fileName)
        return kFmtIOError;
    struct stat st {};
    if (::stat(fileName, &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? 0 : kFmtIOError;
    if (!S_ISREG(st.st_mode))
        return 0;
    if (fileSize)
        *fileSize = static_cast<long>(st.st_size);
    return 1;
}

// Removes the file. Returns 0 or kFmtIOError.
int DeleteFile(const char *fileName)
{
    if (!fileName || ::unlink(fileName) != 0)
        return kFmtIOError;
    return 0;
}

int RenameFile(const char *existingFileName, const char *newFileName)
{
    if (!existingFileName || !newFileName || !*newFileName)
        return kFmtIOError;
    struct stat st {};
    if (::lstat(newFileName, &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return kFmtNotAFile;
    return ::rename(existingFileName, newFileName) == 0 ? 0 : kFmtIOError;
}

int CheckFileAccess(const char *fileName, int forWriting)
{
    if (!fileName || !*fileName)
        return kFmtCannotOpen;
    struct stat st {};
    if (::stat(fileName, &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return kFmtNotAFile;
        return ::access(fileName, forWriting ? W_OK : R_OK) == 0 ? 0 : kFmtCannotOpen;
    }
    if (errno != ENOENT || !forWriting)
        return kFmtCannotOpen;
    const char *slash = std::strrchr(fileName, '/');
    const std::string folder =
        !slash ? std::string(".") : slash == fileName ? std::string("/") : std::string(fileName, slash);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return kFmtCannotOpen;
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : kFmtCannotOpen;
}
