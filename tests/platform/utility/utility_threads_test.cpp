// Locks, thread ids and deferred calls.
#include "platform/utility/utility.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <thread>

namespace {

constexpr int kRounds = 20000;

TEST(UtilityLocks, ALockIsRecursiveForItsHolderAndOnlyTheHolderReleasesIt)
{
    int lock = 0;
    ASSERT_EQ(CmtNewLock(nullptr, 0, &lock), 0);
    EXPECT_GT(lock, 0);
    EXPECT_EQ(CmtGetLock(lock), 0);
    EXPECT_EQ(CmtGetLock(lock), 0);   // nested callbacks take it again
    int fromOther = 0;
    std::thread([&] { fromOther = CmtReleaseLock(lock); }).join();
    EXPECT_EQ(fromOther, kUtilNotLockOwner);
    EXPECT_EQ(CmtReleaseLock(lock), 0);
    EXPECT_EQ(CmtReleaseLock(lock), 0);
    EXPECT_EQ(CmtReleaseLock(lock), kUtilNotLockOwner);
    EXPECT_EQ(CmtDiscardLock(lock), 0);
    EXPECT_EQ(CmtGetLock(lock), kUtilInvalidArgument);
    EXPECT_EQ(CmtDiscardLock(lock), kUtilInvalidArgument);
    EXPECT_EQ(CmtNewLock("x", 0, nullptr), kUtilInvalidArgument);
}

TEST(UtilityLocks, ALockExcludesOtherThreads)
{
    int lock = 0;
    ASSERT_EQ(CmtNewLock("count", 0, &lock), 0);
    long counter = 0;   // not atomic: only the lock protects it
    auto work = [&] {
        for (int i = 0; i < kRounds; ++i) {
            CmtGetLock(lock);
            counter = counter + 1;
            CmtReleaseLock(lock);
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(counter, 2L * kRounds);
    CmtDiscardLock(lock);
}

TEST(UtilityThreads, ThreadIdsAreStablePerThreadAndDistinct)
{
    const unsigned mine = CmtGetCurrentThreadID();
    EXPECT_GT(mine, 0u);
    EXPECT_EQ(CmtGetCurrentThreadID(), mine);
    unsigned other = 0;
    std::thread([&] { other = CmtGetCurrentThreadID(); }).join();
    EXPECT_GT(other, 0u);
    EXPECT_NE(other, mine);
    // That thread has ended: nothing can be posted to it any more.
    EXPECT_EQ(PostDeferredCallToThread([](void *) {}, nullptr, other), kUtilInvalidArgument);
}

struct CallRecord {
    int calls = 0;
    QThread *ranIn = nullptr;
};

void Record(void *data)
{
    auto *r = static_cast<CallRecord *>(data);
    ++r->calls;
    r->ranIn = QThread::currentThread();
}

TEST(UtilityThreads, DeferredCallRunsLaterInTheTargetThreadsEventProcessing)
{
    CallRecord record;
    const unsigned mine = CmtGetCurrentThreadID();
    ASSERT_EQ(PostDeferredCallToThread(Record, &record, mine), 0);
    EXPECT_EQ(record.calls, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(record.calls, 1);
    EXPECT_EQ(record.ranIn, QThread::currentThread());

    // Posted from another thread, it still runs here.
    int posted = -1;
    std::thread([&] { posted = PostDeferredCallToThread(Record, &record, mine); }).join();
    EXPECT_EQ(posted, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(record.calls, 2);
    EXPECT_EQ(record.ranIn, QThread::currentThread());

    EXPECT_EQ(PostDeferredCallToThread(nullptr, nullptr, mine), kUtilInvalidArgument);
    EXPECT_EQ(PostDeferredCallToThread(Record, &record, 0), kUtilInvalidArgument);
}

}  // namespace
