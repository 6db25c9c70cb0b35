// The synchronous send: results come back in order from the UI thread, and
// a call that Qt drops because its target is gone still wakes the sender.
#include "platform/qt/SyncSend.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace halvane::testing {
namespace {

void RunEventsUntil(const std::atomic<int>& flag)
{
    while (flag.load() == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(SyncSend, RunsOnTheTargetThreadAndReturnsTheResult)
{
    QObject target;
    std::atomic<int> finished{0};
    long sum = 0;
    int onUiThread = 0;
    std::thread worker([&] {
        for (int i = 1; i <= 20000; ++i) {
            sum += platform::SendToUi(&target, [&, i] {
                onUiThread += QThread::currentThread() == target.thread();
                return i;
            });
        }
        platform::SendToUi(&target, [&] { finished = 1; });
    });
    RunEventsUntil(finished);
    worker.join();
    EXPECT_EQ(sum, 20000L * 20001 / 2);
    EXPECT_EQ(onUiThread, 20000);
    EXPECT_EQ(platform::SendToUi(&target, [] { return 5; }), 5) << "a direct call on the UI thread";
}

TEST(SyncSend, ADroppedCallWakesTheSenderWithTheDefault)
{
    auto* target = new QObject;
    std::atomic<int> sending{0};
    std::atomic<int> returned{0};
    int result = -1;
    std::thread worker([&] {
        sending = 1;
        result = platform::SendToUi(target, [] { return 7; });
        returned = 1;
    });
    while (sending.load() == 0)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    delete target;  // drops the posted call
    QCoreApplication::processEvents();
    worker.join();
    EXPECT_EQ(returned.load(), 1);
    EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace halvane::testing

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
