#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/runtime_failure.h"
#include "core/window.h"
#include "main_window/main_window_definition.h"

namespace lwviz {
namespace {

TEST(WindowModel, TickBoxRaisesClickOnEveryChangeAndRefusesBadValues) {
    Window w(mainWindowDefinition());
    Control& box = w.control("AUTOSTART_TICKBOX");
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
    Window w(mainWindowDefinition());
    Control& status = w.control("CURRENT_STATUS_LABEL");
    Control& display = w.control("LW_UPTIME_DISPLAY_TEXTBOX");
    status.setCaption("READY...");  // unchanged
    display.setText("1d, 2h, 3m, 4s");
    display.setBackColor(kRed);
    status.setCaption("!!! STARTING !!!");
    std::vector<std::pair<std::string_view, int>> seen;
    w.drainChangedControls([&](Control& c) { seen.emplace_back(c.name(), c.changes()); });
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0], (std::pair<std::string_view, int>{"LW_UPTIME_DISPLAY_TEXTBOX",
                                                         kChangedText | kChangedBackColor}));
    EXPECT_EQ(seen[1].first, "CURRENT_STATUS_LABEL");
    seen.clear();
    w.drainChangedControls([&](Control& c) { seen.emplace_back(c.name(), c.changes()); });
    EXPECT_TRUE(seen.empty());
}

TEST(WindowModel, RefusesSizesTheWindowCannotTake) {
    Window w(mainWindowDefinition());
    EXPECT_THROW(w.setWidth(-1), RuntimeFailure);
    EXPECT_THROW(w.control("LOG_TIMER").setInterval(-5), RuntimeFailure);
}

}  // namespace
}  // namespace lwviz
