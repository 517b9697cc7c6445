#include "core/scheduler.h"

#include <algorithm>
#include <cstdlib>

namespace lwviz {

void Scheduler::timerChanged(Control& timer) {
    std::erase_if(armed_, [&](const Armed& armed) { return armed.timer == &timer; });
    if (!timer.enabled() || timer.interval() == 0) {
        return;
    }
    const std::int64_t period = std::max(timer.interval(), kMinimumIntervalMs);
    const bool paced =
        std::find(pacedGroup_.begin(), pacedGroup_.end(), &timer) != pacedGroup_.end();
    armed_.push_back(Armed{&timer, clock_.nowMs() + period, period, nextArming_++, paced});
}

std::optional<std::int64_t> Scheduler::nextDueMs() const {
    if (armed_.empty()) {
        return std::nullopt;
    }
    std::int64_t earliest = kNever;
    for (const Armed& armed : armed_) {
        earliest = std::min(earliest, dueOf(armed));
    }
    return earliest;
}

bool Scheduler::otherDue(std::int64_t now) const noexcept {
    return std::any_of(armed_.begin(), armed_.end(),
                       [&](const Armed& armed) { return !armed.paced && dueOf(armed) <= now; });
}

void Scheduler::joinRound(std::int64_t roundMs) noexcept {
    for (Armed& armed : armed_) {
        if (joinsRound(armed, roundMs)) {
            // Due at the round's moment, so its beat runs from there on.
            armed.dueMs = roundMs;
        }
    }
}

Scheduler::Armed* Scheduler::heldFrom(std::uint64_t arming) {
    Armed* first = nullptr;
    for (Armed& armed : armed_) {
        if (heldNow(armed) && armed.arming >= arming &&
            (first == nullptr || armed.arming < first->arming)) {
            first = &armed;
        }
    }
    return first;
}

Scheduler::Armed* Scheduler::earliestDue(std::int64_t now) {
    Armed* earliest = nullptr;
    for (Armed& armed : armed_) {
        const std::int64_t due = dueOf(armed);
        if (due > now) {
            continue;
        }
        if (earliest == nullptr || due < dueOf(*earliest) ||
            (due == dueOf(*earliest) && armed.arming < earliest->arming)) {
            earliest = &armed;
        }
    }
    return earliest;
}

void Scheduler::advancePast(Armed& armed, std::int64_t now) noexcept {
    armed.ticked = true;
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
