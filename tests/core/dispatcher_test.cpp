#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

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

// The event that unloaded a window may still run inside one of its controls.
TEST_F(DispatcherTest, WhatAnEventRetiredLivesUntilTheNextInput) {
    auto view = std::make_shared<int>(0);
    const std::weak_ptr<int> retired = view;
    dispatcher.dispatch([&] { dispatcher.retire(std::move(view)); });
    EXPECT_FALSE(retired.expired());
    dispatcher.input([] {});
    EXPECT_TRUE(retired.expired());
}

}  // namespace
}  // namespace lwviz
