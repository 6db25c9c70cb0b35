// The synchronous send from a worker to the UI thread: the call runs on the
// thread of `target` and the sender waits until it has returned, with its
// result. On the target's own thread it is a direct call.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>

namespace halvane::platform {

template <class F>
auto SendToUi(QObject* target, F&& f) -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    if (QThread::currentThread() == target->thread())
        return f();
    if constexpr (std::is_void_v<R>) {
        QMetaObject::invokeMethod(target, std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        R result{};
        QMetaObject::invokeMethod(target, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace halvane::platform
