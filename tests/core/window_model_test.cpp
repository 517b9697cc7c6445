#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/runtime_failure.h"
#include "core/window.h"
#include "main_window/main_window_definition.h"

namespace lwviz {
namespace {

TEST(MainWindowDefinition, HasAllControlsInCreationOrderWithUniqueNames) {
    const WindowDefinition& main = mainWindowDefinition();
    ASSERT_EQ(main.controls.size(), 67U);
    EXPECT_EQ(main.controls[0].name, "DATE_TIME_TEXTBOX");
    EXPECT_EQ(main.controls[8].name, "START_STOP_BUTTON");
    EXPECT_EQ(main.controls[51].name, "AlwaysOnTop_TICKBOX");
    EXPECT_EQ(main.controls[66].name, "START_LABEL");
    std::set<std::string_view> names;
    std::set<int> tabIndexes;
    for (const ControlDefinition& c : main.controls) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.tabIndex >= 0) {
            EXPECT_TRUE(tabIndexes.insert(c.tabIndex).second) << c.name;
        }
    }
}

TEST(MainWindowDefinition, CreatedStateBeforeTheLoad) {
    Window w(mainWindowDefinition());
    EXPECT_EQ(w.control("AUTOCLOSE_TICKBOX").value(), kClear);
    EXPECT_FALSE(w.control("AUTOCLOSE_TICKBOX").enabled());
    EXPECT_EQ(w.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    EXPECT_EQ(w.control("AUTOSTART_TICKBOX").value(), kClear);
    EXPECT_EQ(w.control("TOP_BOTTOM_LOG_LINE").text(), std::string(56, '='));
    EXPECT_EQ(w.control("OUTPUT_REPORT_TEXTBOX").text(), "!!! TIMERS DISABLED !!!\r\n");
    EXPECT_EQ(w.control("TOTAL_MIL_YEAR").text(), "31536000000");
    EXPECT_EQ(w.control("HOURS_TB").text(), "HOURS_TB");
    for (const Control& c : w.controls()) {
        EXPECT_EQ(c.interval(), 0) << c.name();
    }
}

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
