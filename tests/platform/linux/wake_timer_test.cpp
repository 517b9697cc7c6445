#include "platform/linux/wake_timer.h"

#include <gtest/gtest.h>
#include <poll.h>

#include "platform/linux/clocks.h"

namespace lwviz::linux_os {
namespace {

bool readableWithin(const WakeTimer& timer, int milliseconds) {
    pollfd watched{timer.descriptor(), POLLIN, 0};
    return poll(&watched, 1, milliseconds) == 1;
}

// The timer and the scheduler's clock agree on what a moment is: it falls due when the clock
// reads it, not before; disarmed, it stays quiet.
TEST(WakeTimer, FallsDueAtTheMomentOfTheSchedulersClock) {
    WakeTimer timer;
    ASSERT_GE(timer.descriptor(), 0);
    SteadyClock clock;
    const std::int64_t due = clock.nowMs() + 30;
    timer.armAt(due);
    EXPECT_FALSE(readableWithin(timer, 0));
    ASSERT_TRUE(readableWithin(timer, 5'000));
    EXPECT_GE(clock.nowMs(), due);
    EXPECT_TRUE(timer.takeExpiry());
    EXPECT_FALSE(timer.takeExpiry());

    timer.armAt(clock.nowMs() + 20);
    timer.disarm();
    EXPECT_FALSE(readableWithin(timer, 60));
}

}  // namespace
}  // namespace lwviz::linux_os
