#include "support/harness.h"

namespace lwviz::testing {

Application& Harness::start() {
    app_ = std::make_unique<Application>(platform.services);
    app_->start();
    return *app_;
}

void Harness::runUntil(std::int64_t ms) {
    while (!app_->ended()) {
        const std::optional<std::int64_t> due = app_->nextDueMs();
        if (!due || *due > ms) {
            break;
        }
        platform.clock.now = *due;
        app_->fireDueTimers();
    }
    if (platform.clock.now < ms) {
        platform.clock.now = ms;
    }
}

}  // namespace lwviz::testing
