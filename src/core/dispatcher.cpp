#include "core/dispatcher.h"

namespace lwviz {

void Dispatcher::fireDueTimers() {
    retired_.clear();
    scheduler_.fireDue([this](Control& timer) { dispatch([&timer] { timer.raiseTimer(); }); });
}

void Dispatcher::runHeldRound() {
    scheduler_.fireHeldRound(
        [this](Control& timer) { dispatch([&timer] { timer.raiseTimer(); }); });
}

void Dispatcher::endProgram(int status) {
    if (exitStatus_) {
        return;
    }
    exitStatus_ = status;
    scheduler_.stopAll();
}

void Dispatcher::fail(const RuntimeFailure& failure) {
    if (exitStatus_) {
        return;
    }
    // Ended first: no timer ticks while the report is on the screen.
    endProgram(kFailureExitStatus);
    reporter_.report(failure);
}

}  // namespace lwviz
