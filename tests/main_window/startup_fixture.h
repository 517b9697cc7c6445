#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/harness.h"

namespace lwviz::testing {

// The section of the program as the fakes name it.
inline constexpr const char* kSection = "LW-DODOZU-ZIDADA-V1";

// The application on fake ports, with its main window's settings at hand.
class StartupFixture : public ::testing::Test {
protected:
    void store(const std::string& key, const std::string& text) {
        h.platform.settings.put(kSection, key, text);
    }
    std::optional<std::string> stored(const std::string& key) {
        return h.platform.settings.value(kSection, key);
    }
    bool armed(std::string_view timer) { return h.control(timer).enabled(); }

    void expectReadyPhase() {
        EXPECT_EQ(h.text("CURRENT_STATUS_LABEL"), "READY...");
        EXPECT_EQ(h.text("START_STOP_BUTTON"), "START");
        EXPECT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), "TIMERS DISABLED");
        EXPECT_EQ(h.control("LW_UPTIME_DISPLAY_TEXTBOX").backColor(), kRed);
        EXPECT_EQ(h.control("AUTOCLOSE_TICKBOX").value(), kClear);
        EXPECT_FALSE(h.control("AUTOCLOSE_TICKBOX").enabled());
        for (const char* timer : {"UPTIME_TIMER", "LW_DISPLAY_UPDATE_TIMER", "AUTOSTART_TIMER",
                                  "LOG_TIMER", "AUTOCLOSE_TIMER"}) {
            EXPECT_FALSE(armed(timer)) << timer;
        }
    }

    Harness h;
};

}  // namespace lwviz::testing
