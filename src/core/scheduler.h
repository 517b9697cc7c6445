#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// Runs the timers of the program's windows from one monotonic clock. A timer ticks once per
// interval while enabled with an interval other than 0, the first tick one interval after it
// was armed; ticks missed while a handler ran are merged into one. Timers due at the same
// wake-up fire in the order in which they were armed, so a group switched on together always
// runs in its switching order. The front-end needs a single toolkit timer: it sleeps until
// nextDueMs() and then calls fireDue().
class Scheduler final : public TimerObserver {
public:
    // Shorter intervals are raised to this: about the default timer resolution of Windows and
    // one frame of a 60 Hz screen, so every platform ticks alike and the CPU stays asleep.
    static constexpr int kMinimumIntervalMs = 15;

    explicit Scheduler(MonotonicClock& clock) : clock_(clock) {}

    void timerChanged(Control& timer) override;

    // When the earliest armed timer falls due, on the clock's scale; nothing when none is armed.
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const;

    // Fires every timer that is due now through `fire` (which dispatches the tick). A handler
    // may switch timers: one switched off before its turn does not fire, one switched on waits
    // a whole interval.
    template <typename Fire>
    void fireDue(Fire&& fire) {
        const std::int64_t now = clock_.nowMs();
        while (Armed* next = earliestDue(now)) {
            Control& timer = *next->timer;
            advancePast(*next, now);
            fire(timer);
        }
    }

    // Disarms every timer of the window (it is being unloaded) or of all windows.
    void forget(const Window& window);
    void stopAll() noexcept { armed_.clear(); }

    [[nodiscard]] bool isArmed(const Control& timer) const;

private:
    struct Armed {
        Control* timer;
        std::int64_t dueMs;
        std::int64_t periodMs;
        std::uint64_t arming;  // order of arming, for ties
    };

    Armed* earliestDue(std::int64_t now);
    static void advancePast(Armed& armed, std::int64_t now) noexcept;

    MonotonicClock& clock_;
    std::vector<Armed> armed_;
    std::uint64_t nextArming_ = 0;
};

}  // namespace lwviz
