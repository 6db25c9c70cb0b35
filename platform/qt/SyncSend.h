// The synchronous send from a worker to the UI thread: the call runs on the
// thread of `target` and the sender waits until it has returned, with its
// result. On the target's own thread it is a direct call.
//
// The call is posted as a queued call; the sender first spins for a few
// microseconds (a handler is usually done by then, and a spinning sender
// spares the kernel a sleep and a wake-up per message), then sleeps on a
// condition variable. The posted call owns the wake-up: it fires when the
// call has run, or when Qt drops it because target is gone; the result is
// then the default value. (Not std::atomic::wait: this library's notify can
// miss a waiter that is just going to sleep.)
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

namespace halvane::platform {

namespace detail {

struct SendState {
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable woken;
};

// Destroyed with the last copy of the posted call: wakes the sender.
class SendWakeUp {
public:
    explicit SendWakeUp(std::shared_ptr<SendState> state) : state_(std::move(state)) {}
    SendWakeUp(const SendWakeUp&) = delete;
    SendWakeUp& operator=(const SendWakeUp&) = delete;
    ~SendWakeUp()
    {
        {
            const std::lock_guard lock(state_->mutex);
            state_->done.store(1, std::memory_order_release);
        }
        state_->woken.notify_one();
    }

private:
    std::shared_ptr<SendState> state_;
};

inline void WaitForSend(SendState& state)
{
    static const bool spin = std::thread::hardware_concurrency() > 1;
    if (spin) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(60);
        while (state.done.load(std::memory_order_acquire) == 0 && std::chrono::steady_clock::now() < until) {
        }
    }
    std::unique_lock lock(state.mutex);
    state.woken.wait(lock, [&] { return state.done.load(std::memory_order_acquire) != 0; });
}

}  // namespace detail

template <class F>
auto SendToUi(QObject* target, F&& f) -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    if (QThread::currentThread() == target->thread())
        return f();
    auto state = std::make_shared<detail::SendState>();
    auto wakeUp = std::make_shared<detail::SendWakeUp>(state);
    if constexpr (std::is_void_v<R>) {
        QMetaObject::invokeMethod(target, [&f, wakeUp] { f(); }, Qt::QueuedConnection);
        wakeUp.reset();  // the posted call holds the last reference
        detail::WaitForSend(*state);
    } else {
        R result{};
        QMetaObject::invokeMethod(target, [&f, &result, wakeUp] { result = f(); }, Qt::QueuedConnection);
        wakeUp.reset();
        detail::WaitForSend(*state);
        return result;
    }
}

}  // namespace halvane::platform
