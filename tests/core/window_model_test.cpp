#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/runtime_failure.h"
#include "core/test_window.h"
#include "core/window.h"

namespace lwviz {
namespace {

TEST(WindowModel, TickBoxRaisesClickOnEveryChangeAndRefusesBadValues) {
    Window w(testing::testWindowDefinition());
    Control& box = w.control("AUTOSTART");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(kTicked);
    box.setValue(kTicked);  // no change, no click
    box.setValue(kGreyed);
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(box.setValue(3), RuntimeFailure);
    EXPECT_EQ(box.value(), kGreyed);
}

TEST(WindowModel, ReportsEachChangedControlOnceAndOnlyRealChanges) {
    Window w(testing::testWindowDefinition());
    Control& status = w.control("STATUS");
    Control& display = w.control("DISPLAY");
    status.setCaption("READY...");  // unchanged
    display.setText("1d, 2h, 3m, 4s");
    display.setBackColor(kRed);
    status.setCaption("!!! STARTING !!!");
    std::vector<std::pair<std::string_view, int>> seen;
    w.drainChangedControls([&](Control& c) { seen.emplace_back(c.name(), c.changes()); });
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0],
              (std::pair<std::string_view, int>{"DISPLAY", kChangedText | kChangedBackColor}));
    EXPECT_EQ(seen[1].first, "STATUS");
    seen.clear();
    w.drainChangedControls([&](Control& c) { seen.emplace_back(c.name(), c.changes()); });
    EXPECT_TRUE(seen.empty());
}

TEST(WindowModel, RefusesSizesTheWindowCannotTake) {
    Window w(testing::testWindowDefinition());
    EXPECT_THROW(w.setWidth(-1), RuntimeFailure);
    EXPECT_THROW(w.control("TIMER").setInterval(-5), RuntimeFailure);
}

}  // namespace
}  // namespace lwviz
