#include "main_window/main_window_definition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/window.h"

namespace lwviz {
namespace {

// Whatever controls the definition gains, names and tab indexes stay unique, and the first and
// last created stay first and last.
TEST(MainWindowDefinition, CreationOrderWithUniqueNamesAndTabIndexes) {
    const WindowDefinition& main = mainWindowDefinition();
    ASSERT_FALSE(main.controls.empty());
    EXPECT_EQ(main.controls.front().name, "DATE_TIME_TEXTBOX");
    EXPECT_EQ(main.controls.back().name, "START_LABEL");
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

}  // namespace
}  // namespace lwviz

namespace lwviz {
namespace {

// The default size shows the control panel in its tab order, and nothing of the working area.
TEST(MainWindowDefinition, TheDefaultSizeDrawsTheControlPanelOnly) {
    Window main(mainWindowDefinition());
    main.setWidth(kMainDefaultPlace.width);
    main.setHeight(kMainDefaultPlace.height);
    const PixelRect client = clientArea(main, kStandardDpi);
    main.layout().fit(client.width(), client.height(), kStandardDpi);
    std::vector<std::string_view> chain;
    for (const Control* control : main.layout().tabChain()) {
        chain.push_back(control->name());
    }
    EXPECT_EQ(chain, (std::vector<std::string_view>{"START_STOP_BUTTON", "AUTOSTART_TICKBOX",
                                                    "AUTOCLOSE_TICKBOX", "AlwaysOnTop_TICKBOX",
                                                    "ABOUT_BUTTON", "LW_UPTIME_DISPLAY_TEXTBOX"}));
    EXPECT_FALSE(main.layout().drawn(main.control("START_TB")));
    EXPECT_FALSE(main.layout().drawn(main.control("Line1")));
}

}  // namespace
}  // namespace lwviz
