#pragma once

#include <functional>
#include <optional>

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

    // Fires every timer that is due now, each tick as its own event.
    void fireDueTimers();

    // The program ends with this status once the current event is done.
    void endProgram(int status);
    [[nodiscard]] bool ended() const noexcept { return exitStatus_.has_value(); }
    [[nodiscard]] std::optional<int> exitStatus() const noexcept { return exitStatus_; }

    // Told once when the program ends (the front-end leaves its event loop).
    std::function<void(int status)> onEnd;

private:
    void fail(const RuntimeFailure& failure);

    Scheduler& scheduler_;
    FailureReporter& reporter_;
    std::optional<int> exitStatus_;
};

}  // namespace lwviz
