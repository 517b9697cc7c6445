#include "support/harness.h"

#include <algorithm>

namespace lwviz::testing {

void runVirtualTime(Application& app, VirtualClock& clock, std::int64_t until) {
    while (!app.ended()) {
        const std::optional<std::int64_t> due = app.nextDueMs();
        if (!due || *due > until) {
            break;
        }
        clock.now = std::max(clock.now, *due);  // late after a slow handler, never back
        app.wake();
    }
    clock.now = std::max(clock.now, until);
}

Application& Harness::start() {
    app_ = std::make_unique<Application>(platform.services);
    app_->start();
    return *app_;
}

}  // namespace lwviz::testing
