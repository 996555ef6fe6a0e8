// Time, the program directory, date and time texts, strings, and Sleep.
#include "platform/utility/utility.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::size_t kDateChars = 10;   // MM-DD-YYYY
constexpr std::size_t kTimeChars = 8;    // HH:MM:SS
constexpr std::size_t kExePathMax = 4096;

char g_date[kDateChars + 1];
char g_time[kTimeChars + 1];

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

// Writes two digits of v (0..99) at out.
void TwoDigits(char *out, int v)
{
    out[0] = static_cast<char>('0' + (v / 10) % 10);
    out[1] = static_cast<char>('0' + v % 10);
}

// The executable's directory, from Qt when an application object exists,
// else from the kernel's link to the running binary.
std::string projectDirOverride;

std::string ExecutableDir()
{
    if (!projectDirOverride.empty())
        return projectDirOverride;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString();
    char path[kExePathMax];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string dir(path, static_cast<std::size_t>(n));
    const std::size_t slash = dir.rfind('/');
    return slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
}

}  // namespace

// Seconds on a monotonic clock (since an arbitrary start); differences are
// what counts.
double Timer()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int GetProjectDir(char *directory, std::size_t size)
{
    if (!directory || size == 0)
        return kUtilBufferTooSmall;
    std::string dir = ExecutableDir();
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    if (dir.size() >= size) {
        directory[0] = '\0';
        return kUtilBufferTooSmall;
    }
    std::memcpy(directory, dir.c_str(), dir.size() + 1);
    return 0;
}

void SetProjectDirOverride(const char *directory)
{
    projectDirOverride = directory ? directory : "";
}

const char *PathSeparator()
{
    return "/";
}

// The local date as "MM-DD-YYYY", digits only, whatever the locale. The text
// lives in a static buffer that the next call overwrites.
const char *DateStr()
{
    const std::tm t = LocalNow();
    TwoDigits(g_date, t.tm_mon + 1);
    g_date[2] = '-';
    TwoDigits(g_date + 3, t.tm_mday);
    g_date[5] = '-';
    const int year = t.tm_year + 1900;
    TwoDigits(g_date + 6, year / 100);
    TwoDigits(g_date + 8, year % 100);
    g_date[kDateChars] = '\0';
    return g_date;
}

// The local time as "HH:MM:SS" (24-hour clock), in a static buffer.
const char *TimeStr()
{
    const std::tm t = LocalNow();
    TwoDigits(g_time, t.tm_hour);
    g_time[2] = ':';
    TwoDigits(g_time + 3, t.tm_min);
    g_time[5] = ':';
    TwoDigits(g_time + 6, t.tm_sec);
    g_time[kTimeChars] = '\0';
    return g_time;
}

// Upper-cases the ASCII letters of text in place; other bytes stay.
void StringUpperCase(char *text)
{
    if (!text)
        return;
    for (char *p = text; *p; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
}

// Copies n bytes of source from sourceIndex (n -1: up to its terminator) to
// target at targetIndex and terminates the target. Never reads past the
// source's terminator (a start past it copies nothing); overlapping buffers are fine. The caller sizes target.
void CopyString(char *target, int targetIndex, const char *source, int sourceIndex, int n)
{
    if (!target || !source || targetIndex < 0 || sourceIndex < 0 || n < -1)
        return;
    // A start past the source's end copies nothing.
    const std::size_t start = static_cast<std::size_t>(sourceIndex);
    if (::strnlen(source, start) < start) {
        target[targetIndex] = '\0';
        return;
    }
    const char *from = source + start;
    std::size_t count = 0;
    if (n == -1)
        count = std::strlen(from);
    else
        while (count < static_cast<std::size_t>(n) && from[count] != '\0')
            ++count;
    std::memmove(target + targetIndex, from, count);
    target[targetIndex + count] = '\0';
}

// Suspends the calling thread; nothing else runs meanwhile.
void Sleep(unsigned milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
