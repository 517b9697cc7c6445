#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/ports.h"
#include "core/runtime_failure.h"
#include "core/scheduler.h"

namespace lwviz {

// Runs events one at a time. A run-time failure stops the handler at the failing step; the
// dispatcher then stops every timer, reports the failure and ends the program with a non-zero
// status. After the end, further events are ignored.
class Dispatcher {
public:
    static constexpr int kFailureExitStatus = 1;

    Dispatcher(Scheduler& scheduler, FailureReporter& reporter)
        : scheduler_(scheduler), reporter_(reporter) {}

    template <typename Handler>
    void dispatch(Handler&& handler) {
        if (exitStatus_) {
            return;
        }
        try {
            handler();
        } catch (const RuntimeFailure& failure) {
            fail(failure);
        }
    }

    // One input from the user, as one event, after a held round. What earlier inputs retired is
    // freed first.
    template <typename Handler>
    void input(Handler&& handler) {
        retired_.clear();
        runHeldRound();
        dispatch(std::forward<Handler>(handler));
    }

    // The paced group's round, now, while the scheduler holds it: what comes next reads cells
    // computed from a sample of this moment.
    void runHeldRound();

    // A wake-up: fires every timer that is due now, each tick as its own event.
    void fireDueTimers();

    // Keeps what an event took off the screen (an unloaded window, its view) until the next
    // input: the event that unloaded a window may still be running inside one of its controls.
    void retire(std::shared_ptr<void> retired) { retired_.push_back(std::move(retired)); }

    // The program ends with this status once the current event is done.
    void endProgram(int status);
    [[nodiscard]] bool ended() const noexcept { return exitStatus_.has_value(); }
    [[nodiscard]] std::optional<int> exitStatus() const noexcept { return exitStatus_; }

private:
    void fail(const RuntimeFailure& failure);

    Scheduler& scheduler_;
    FailureReporter& reporter_;
    std::optional<int> exitStatus_;
    std::vector<std::shared_ptr<void>> retired_;
};

}  // namespace lwviz
