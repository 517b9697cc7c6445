#include "platform/linux/wake_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <ctime>

namespace lwviz::linux_os {

// The scheduler's clock (SteadyClock), so that a moment on it is one on the timer.
WakeTimer::WakeTimer() : descriptor_(timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {}

WakeTimer::~WakeTimer() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

void WakeTimer::armAt(std::int64_t dueMs) const noexcept {
    // 0 would disarm it: a moment at or before the clock's start is due at once all the same.
    const std::int64_t due = dueMs > 0 ? dueMs : 1;
    itimerspec spec{};
    spec.it_value.tv_sec = static_cast<time_t>(due / 1000);
    spec.it_value.tv_nsec = static_cast<long>(due % 1000) * 1'000'000L;
    timerfd_settime(descriptor_, TFD_TIMER_ABSTIME, &spec, nullptr);
}

void WakeTimer::disarm() const noexcept {
    const itimerspec none{};
    timerfd_settime(descriptor_, 0, &none, nullptr);
}

bool WakeTimer::takeExpiry() const noexcept {
    std::uint64_t expiries = 0;
    return read(descriptor_, &expiries, sizeof(expiries)) == sizeof(expiries) && expiries > 0;
}

}  // namespace lwviz::linux_os
