#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include "core/runtime_failure.h"
#include "core/timers_fixture.h"

namespace lwviz {
namespace {

using DispatcherTest = testing::TimersFixture;

TEST_F(DispatcherTest, FailureStopsEveryTimerReportsAndEndsNonZero) {
    timer("A").setInterval(100);
    timer("B").setInterval(100);
    timer("A").setEnabled(true);
    timer("B").setEnabled(true);
    timer("A").onTimer = [] { throw RuntimeFailure::divisionByZero(); };
    runUntil(1000);
    EXPECT_TRUE(ticks.empty());  // B was due in the same wake-up, after A
    ASSERT_EQ(reporter.reported.size(), 1U);
    EXPECT_EQ(reporter.reported[0].number(), 11);
    EXPECT_EQ(dispatcher.exitStatus(), Dispatcher::kFailureExitStatus);
    EXPECT_FALSE(scheduler.nextDueMs().has_value());
    // Nothing runs after the end.
    bool ran = false;
    dispatcher.dispatch([&] { ran = true; });
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace lwviz
