#include "core/dispatcher.h"

namespace lwviz {

void Dispatcher::fireDueTimers() {
    scheduler_.fireDue([this](Control& timer) { dispatch([&timer] { timer.raiseTimer(); }); });
}

void Dispatcher::endProgram(int status) {
    if (exitStatus_) {
        return;
    }
    exitStatus_ = status;
    scheduler_.stopAll();
    if (onEnd) {
        onEnd(status);
    }
}

void Dispatcher::fail(const RuntimeFailure& failure) {
    if (exitStatus_) {
        return;
    }
    scheduler_.stopAll();
    reporter_.report(failure);
    endProgram(kFailureExitStatus);
}

}  // namespace lwviz
