#include "core/scheduler.h"

#include <algorithm>

namespace lwviz {

void Scheduler::timerChanged(Control& timer) {
    std::erase_if(armed_, [&](const Armed& armed) { return armed.timer == &timer; });
    if (!timer.enabled() || timer.interval() == 0) {
        return;
    }
    const std::int64_t period = std::max(timer.interval(), kMinimumIntervalMs);
    armed_.push_back(Armed{&timer, clock_.nowMs() + period, period, nextArming_++});
}

std::optional<std::int64_t> Scheduler::nextDueMs() const {
    if (armed_.empty()) {
        return std::nullopt;
    }
    return std::min_element(armed_.begin(), armed_.end(),
                            [](const Armed& a, const Armed& b) { return a.dueMs < b.dueMs; })
        ->dueMs;
}

Scheduler::Armed* Scheduler::earliestDue(std::int64_t now) {
    Armed* earliest = nullptr;
    for (Armed& armed : armed_) {
        if (armed.dueMs > now) {
            continue;
        }
        if (earliest == nullptr || armed.dueMs < earliest->dueMs ||
            (armed.dueMs == earliest->dueMs && armed.arming < earliest->arming)) {
            earliest = &armed;
        }
    }
    return earliest;
}

void Scheduler::advancePast(Armed& armed, std::int64_t now) noexcept {
    // Keep the timer on its own beat, but never owe it more than one tick.
    armed.dueMs += armed.periodMs;
    if (armed.dueMs <= now) {
        armed.dueMs += ((now - armed.dueMs) / armed.periodMs + 1) * armed.periodMs;
    }
}

void Scheduler::forget(const Window& window) {
    std::erase_if(armed_, [&](const Armed& armed) { return &armed.timer->window() == &window; });
}

bool Scheduler::isArmed(const Control& timer) const {
    return std::any_of(armed_.begin(), armed_.end(),
                       [&](const Armed& armed) { return armed.timer == &timer; });
}

}  // namespace lwviz
