// Utility services of the run-time: time, the program directory, strings,
// thread locks and deferred calls, and the kernel's Sleep.
#pragma once

#include <cstddef>

#include "platform/events/events.h"

using DeferredCallbackPtr = void (*)(void *callbackData);

// Error codes.
constexpr int kUtilInvalidArgument = -1;   // null pointer, unknown lock or thread
constexpr int kUtilNotLockOwner = -2;      // releasing a lock this thread does not hold
constexpr int kUtilBufferTooSmall = -3;    // the text does not fit the buffer
constexpr int kUtilCannotCreate = -4;      // a folder could not be made
constexpr int kUtilNotFound = -5;          // no such folder

constexpr std::size_t kUtilPathMax = 4096;  // longest path the folder calls handle

// Monotonic seconds, as a double.
double Timer();
// The directory of the executable, without a trailing separator. Returns 0, or
// kUtilBufferTooSmall (the buffer then holds "").
int GetProjectDir(char *directory, std::size_t size);
template <std::size_t N> int GetProjectDir(char (&directory)[N])
{
    return GetProjectDir(directory, N);
}
// Makes GetProjectDir answer `directory` instead (tests and benchmarks give
// each run a private directory); nullptr restores the executable's.
void SetProjectDirOverride(const char *directory);
// The user's own data folder for a program: $XDG_DATA_HOME/folderName, or
// ~/.local/share/folderName, made with its parents when missing. Returns 0,
// kUtilInvalidArgument (empty name or one with a separator),
// kUtilBufferTooSmall (nothing made, buffer holds "") or kUtilCannotCreate.
int GetUserDataDir(const char *folderName, char *directory, std::size_t size);
template <std::size_t N> int GetUserDataDir(const char *folderName, char (&directory)[N])
{
    return GetUserDataDir(folderName, directory, N);
}
// The shared-files folder of an installed program, <program dir>/../share/
// package, when it exists. Returns 0, kUtilNotFound (not installed that way),
// kUtilInvalidArgument or kUtilBufferTooSmall.
int GetInstalledDataDir(const char *package, char *directory, std::size_t size);
template <std::size_t N> int GetInstalledDataDir(const char *package, char (&directory)[N])
{
    return GetInstalledDataDir(package, directory, N);
}
// 1 when this process can create a file in directory right now (tried with a
// file that is removed again), else 0.
int DirectoryTakesFiles(const char *directory);
// The platform's path separator as a text ("/").
const char *PathSeparator();
// Local date "MM-DD-YYYY" and time "HH:MM:SS", never localised.
const char *DateStr();
const char *TimeStr();
void StringUpperCase(char *text);
// Copies n bytes (n -1: to the terminator) of source from sourceIndex into
// target at targetIndex, and terminates the target.
void CopyString(char *target, int targetIndex, const char *source, int sourceIndex, int n);

int CmtNewLock(const char *lockName, int options, int *lockHandle);
int CmtGetLock(int lockHandle);
int CmtReleaseLock(int lockHandle);
int CmtDiscardLock(int lockHandle);
unsigned CmtGetCurrentThreadID();
int PostDeferredCallToThread(DeferredCallbackPtr function, void *callbackData, unsigned threadId);

// Suspends the thread for the given milliseconds; events wait meanwhile.
void Sleep(unsigned milliseconds);

// Termination signals (SIGTERM, SIGINT) as an ordinary event: handler gets
// the signal number on the thread that installed it, from its event
// processing (a waiting loop's included), never from inside the signal. A
// second termination signal ends the process at once, as the system would.
// nullptr gives the signals back to the system.
void SetTerminationHandler(void (*handler)(int signal));
