#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>
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
//
// One group of timers can be paced: while held, a group that has ticked once waits for the
// moment given to pace() instead of its own beat, and runs as one round at that moment or just
// before any other timer ticks (the program runs it before any input, too). Rounds whose result
// nobody can see are not run; nothing that reads the group's output sees it staler.
//
// A poll (a timer of a second or more that has ticked and stayed on) due within half a second
// of a held round ticks with that round, on a beat of its own from then on: the rounds come at
// whole seconds, so the poll joins their wake-ups instead of waking the machine in between.
// Each of its intervals stays between half and one and a half of its own; the timers that switch
// themselves off at their first tick keep their exact moment.
class Scheduler final : public TimerObserver {
public:
    // Shorter intervals are raised to this: about the default timer resolution of Windows and
    // one frame of a 60 Hz screen, so every platform ticks alike and the CPU stays asleep.
    static constexpr int kMinimumIntervalMs = 15;
    // A poll's shortest interval, and how far it may move to tick with a held round.
    static constexpr std::int64_t kPollMinimumMs = 1000;
    static constexpr std::int64_t kPollJoinMs = kPollMinimumMs / 2;

    explicit Scheduler(MonotonicClock& clock) : clock_(clock) {}

    void timerChanged(Control& timer) override;

    // The timers that pace() holds, in any order.
    void setPacedGroup(std::vector<const Control*> group) { pacedGroup_ = std::move(group); }
    // Holds the paced group until that moment on the clock; nothing: the group runs on its beat.
    void pace(std::optional<std::int64_t> untilMs) noexcept {
        held_ = untilMs.has_value();
        heldUntilMs_ = untilMs.value_or(0);
    }
    [[nodiscard]] bool held() const noexcept { return held_; }

    // While held, fires the paced group now as one round in its arming order, each tick
    // through `fire`; the group then waits for the next pace().
    template <typename Fire>
    void fireHeldRound(Fire&& fire) {
        if (!held_) {
            return;
        }
        heldUntilMs_ = kNever;
        const std::int64_t now = clock_.nowMs();
        std::uint64_t from = 0;
        while (Armed* next = heldFrom(from)) {
            from = next->arming + 1;
            Control& timer = *next->timer;
            advancePast(*next, now);
            fire(timer);
        }
    }

    // When the earliest armed timer falls due, on the clock's scale; nothing when none is armed.
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const;

    // Fires every timer that is due now through `fire` (which dispatches the tick). A handler
    // may switch timers: one switched off before its turn does not fire, one switched on waits
    // a whole interval.
    template <typename Fire>
    void fireDue(Fire&& fire) {
        const std::int64_t now = clock_.nowMs();
        const bool roundDue = held_ && heldUntilMs_ <= now;
        const std::int64_t roundMs = heldUntilMs_;
        if (held_ && (roundDue || otherDue(now))) {
            fireHeldRound(fire);
        }
        if (roundDue) {
            joinRound(roundMs);
        }
        while (Armed* next = earliestDue(now)) {
            Control& timer = *next->timer;
            if (next->paced && !next->ticked) {
                // A group just switched on: its first round paces it afresh.
                heldUntilMs_ = kNever;
            }
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
        bool paced;
        bool ticked = false;
    };
    static constexpr std::int64_t kNever = INT64_MAX;

    [[nodiscard]] bool heldNow(const Armed& armed) const noexcept {
        return held_ && armed.paced && armed.ticked;
    }
    // A poll due within half a second of a round, on either side, ticks with it.
    [[nodiscard]] static bool joinsRound(const Armed& armed, std::int64_t roundMs) noexcept {
        const bool poll = !armed.paced && armed.ticked && armed.periodMs >= kPollMinimumMs;
        return poll && std::abs(armed.dueMs - roundMs) <= kPollJoinMs;
    }
    // A poll due shortly before the held round waits for it.
    [[nodiscard]] bool waitsForRound(const Armed& armed) const noexcept {
        return held_ && heldUntilMs_ != kNever && armed.dueMs < heldUntilMs_ &&
               joinsRound(armed, heldUntilMs_);
    }
    [[nodiscard]] std::int64_t dueOf(const Armed& armed) const noexcept {
        return heldNow(armed) || waitsForRound(armed) ? heldUntilMs_ : armed.dueMs;
    }
    // After the held round of that moment: the polls due within half a second of it tick now.
    void joinRound(std::int64_t roundMs) noexcept;
    [[nodiscard]] bool otherDue(std::int64_t now) const noexcept;
    // The held timer armed first from that arming on.
    Armed* heldFrom(std::uint64_t arming);
    Armed* earliestDue(std::int64_t now);
    static void advancePast(Armed& armed, std::int64_t now) noexcept;

    MonotonicClock& clock_;
    std::vector<Armed> armed_;
    std::uint64_t nextArming_ = 0;
    std::vector<const Control*> pacedGroup_;
    bool held_ = false;
    std::int64_t heldUntilMs_ = 0;
};

}  // namespace lwviz
