#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "support/harness.h"

namespace lwviz::testing {

// The main window in virtual time, with helpers to set the tick boxes a run starts with and
// to check which phase of the logging cycle the controls show.
class CycleTest : public ::testing::Test {
protected:
    static constexpr const char* kSection = "LW-DODOZU-ZIDADA-V1";
    static constexpr const char* kLogFile = "LW-DODOZU-ZIDADA-V1.LOG";

    // Starts the program as a run that stored these tick boxes would.
    void startWith(bool autoStart, bool autoClose) {
        h().platform.settings.put(kSection, "AUTOSTART_TICKBOX", autoStart ? "1" : "0");
        h().platform.settings.put(kSection, "AUTOCLOSE_TICKBOX", autoClose ? "1" : "0");
        h().start();
    }

    [[nodiscard]] bool engineOn() {
        int on = 0;
        for (const Control* timer : h().app().mainForm().engineTimers) {
            on += timer->enabled() ? 1 : 0;
        }
        EXPECT_TRUE(on == 0 || on == 6) << on << " of the six engine timers are on";
        return on == 6;
    }

    // The one cycle timer that is on, or "" when none is.
    [[nodiscard]] std::string cycleTimerOn() {
        std::string on;
        for (const char* timer : {"AUTOSTART_TIMER", "LOG_TIMER", "AUTOCLOSE_TIMER"}) {
            if (h().control(timer).enabled()) {
                on += on.empty() ? timer : std::string("+") + timer;
            }
        }
        return on;
    }

    struct Phase {
        std::string_view caption;
        std::string_view status;
        bool engine;
        std::string_view cycleTimer;
        Colour display;
        bool autoCloseEnabled;
    };

    void expectPhase(const Phase& phase) {
        EXPECT_EQ(h().text("START_STOP_BUTTON"), phase.caption);
        EXPECT_EQ(h().text("CURRENT_STATUS_LABEL"), phase.status);
        EXPECT_EQ(engineOn(), phase.engine);
        EXPECT_EQ(cycleTimerOn(), phase.cycleTimer);
        EXPECT_EQ(h().control("LW_UPTIME_DISPLAY_TEXTBOX").backColor(), phase.display);
        EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").enabled(), phase.autoCloseEnabled);
        if (!phase.engine) {
            EXPECT_EQ(h().text("LW_UPTIME_DISPLAY_TEXTBOX"), "TIMERS DISABLED");
        }
    }

    static constexpr Phase kWarmUp{"STOP", "!!! STARTING !!!", true, "AUTOSTART_TIMER", kBlack,
                                   true};
    static constexpr Phase kAutoWarmUp{
        "STOP", "!!! AUTOSTARTING !!!", true, "AUTOSTART_TIMER", kBlack, true};
    static constexpr Phase kLogging{"STOP", "!!! LOGGING UPTIME !!!", true, "LOG_TIMER", kBlack,
                                    true};
    static constexpr Phase kHoldToClose{
        "STOP", "!!! AUTOCLOSING !!!", true, "AUTOCLOSE_TIMER", kBlack, true};
    static constexpr Phase kHoldToRest{
        "STOP", "!!! LOGGING UPTIME !!!", true, "AUTOCLOSE_TIMER", kBlack, true};
    static constexpr Phase kDone{"START", "READY...", true, "", kBlack, true};
    static constexpr Phase kAborted{"START", "!!! ABORTED !!!", false, "", kRed, false};
    static constexpr Phase kReady{"START", "READY...", false, "", kRed, false};

    [[nodiscard]] std::size_t writes() { return h().platform.logFile.writes.size(); }
    [[nodiscard]] std::string logText() { return h().platform.logFile.files[kLogFile]; }

    Harness& h() { return *harness_; }
    // A new program run on new fakes, for tests that go through several cases.
    void restart() { harness_ = std::make_unique<Harness>(); }

private:
    std::unique_ptr<Harness> harness_ = std::make_unique<Harness>();
};

}  // namespace lwviz::testing
