#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/linux/wake_timer.h"

namespace lwviz::qt {

// The event loop's one wake-up, at a moment of the scheduler's clock: the timer descriptor,
// watched by the loop, or a precise QTimer where the system gives no descriptor.
class QtWakeUp {
public:
    explicit QtWakeUp(std::function<void()> wake);

    // Nothing: no wake-up. `nowMs` is the clock's reading, for the QTimer's span.
    void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs);

private:
    std::function<void()> wake_;
    linux_os::WakeTimer timer_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
};

}  // namespace lwviz::qt
