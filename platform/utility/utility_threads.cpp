// Thread locks, thread ids and deferred calls.
//
// Locks are recursive: the combo box takes its lock in callbacks that can
// nest inside each other on the one event-loop thread. Releasing a lock that
// the thread does not hold is refused instead of corrupting it.
//
// A deferred call is posted to a small QObject that lives in the target
// thread (made when that thread first asks for its id), so it runs in that
// thread's event processing, after the code that posted it has returned.
#include "platform/utility/utility.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Lock {
    std::mutex m;
    std::condition_variable freed;
    std::thread::id owner;
    int depth = 0;
};

std::mutex g_locksGuard;
std::map<int, std::shared_ptr<Lock>> g_locks;
int g_nextLock = 1;

std::shared_ptr<Lock> FindLock(int handle)
{
    std::lock_guard<std::mutex> g(g_locksGuard);
    const auto it = g_locks.find(handle);
    return it == g_locks.end() ? nullptr : it->second;
}

// One anchor per thread that asked for its id; deferred calls go to it.
std::mutex g_threadsGuard;
std::map<unsigned, QObject *> g_anchors;   // erased before the anchor dies
std::atomic<unsigned> g_nextThreadId{1};

struct ThreadAnchor {
    unsigned id = g_nextThreadId.fetch_add(1);
    std::unique_ptr<QObject> anchor = std::make_unique<QObject>();
    ThreadAnchor()
    {
        std::lock_guard<std::mutex> g(g_threadsGuard);
        g_anchors[id] = anchor.get();
    }
    ~ThreadAnchor()
    {
        std::lock_guard<std::mutex> g(g_threadsGuard);
        g_anchors.erase(id);
    }
};

ThreadAnchor &ThisThread()
{
    thread_local ThreadAnchor self;
    return self;
}

}  // namespace

// Makes a recursive lock; its handle (> 0) goes to *lockHandle. The name and
// options are not used. Returns 0 or kUtilInvalidArgument.
int CmtNewLock(const char * /*lockName*/, int /*options*/, int *lockHandle)
{
    if (!lockHandle)
        return kUtilInvalidArgument;
    std::lock_guard<std::mutex> g(g_locksGuard);
    const int handle = g_nextLock++;
    g_locks[handle] = std::make_shared<Lock>();
    *lockHandle = handle;
    return 0;
}

// Takes the lock, waiting while another thread holds it; the holder may take
// it again. Returns 0 or kUtilInvalidArgument.
int CmtGetLock(int lockHandle)
{
    const std::shared_ptr<Lock> lock = FindLock(lockHandle);
    if (!lock)
        return kUtilInvalidArgument;
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock<std::mutex> u(lock->m);
    if (lock->depth > 0 && lock->owner == self) {
        ++lock->depth;
        return 0;
    }
    lock->freed.wait(u, [&] { return lock->depth == 0; });
    lock->owner = self;
    lock->depth = 1;
    return 0;
}

// Releases one take of the lock. Returns 0, kUtilNotLockOwner or
// kUtilInvalidArgument.
int CmtReleaseLock(int lockHandle)
{
    const std::shared_ptr<Lock> lock = FindLock(lockHandle);
    if (!lock)
        return kUtilInvalidArgument;
    std::lock_guard<std::mutex> g(lock->m);
    if (lock->depth == 0 || lock->owner != std::this_thread::get_id())
        return kUtilNotLockOwner;
    if (--lock->depth == 0) {
        lock->owner = std::thread::id();
        lock->freed.notify_one();
    }
    return 0;
}

// Forgets the lock; its handle is invalid afterwards. Refused while another
// thread holds it. Returns 0, kUtilNotLockOwner or kUtilInvalidArgument.
int CmtDiscardLock(int lockHandle)
{
    const std::shared_ptr<Lock> lock = FindLock(lockHandle);
    if (!lock)
        return kUtilInvalidArgument;
    {
        std::lock_guard<std::mutex> g(lock->m);
        if (lock->depth > 0 && lock->owner != std::this_thread::get_id())
            return kUtilNotLockOwner;
    }
    std::lock_guard<std::mutex> g(g_locksGuard);
    g_locks.erase(lockHandle);
    return 0;
}

// A small number (> 0) naming the calling thread, the same on every call.
unsigned CmtGetCurrentThreadID()
{
    return ThisThread().id;
}

// Runs function(callbackData) later in the event processing of the thread
// threadId names (a thread that called CmtGetCurrentThreadID and runs an
// event loop). Returns 0 or kUtilInvalidArgument.
int PostDeferredCallToThread(DeferredCallbackPtr function, void *callbackData, unsigned threadId)
{
    if (!function)
        return kUtilInvalidArgument;
    // Posting under the guard: the anchor leaves the map before it is deleted.
    std::lock_guard<std::mutex> g(g_threadsGuard);
    const auto it = g_anchors.find(threadId);
    if (it == g_anchors.end())
        return kUtilInvalidArgument;
    const bool posted = QMetaObject::invokeMethod(
        it->second, [function, callbackData] { function(callbackData); }, Qt::QueuedConnection);
    return posted ? 0 : kUtilInvalidArgument;
}
