#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "logging/cycle_fixture.h"

namespace lwviz::testing {
namespace {

using LoggingCycleTest = CycleTest;

TEST_F(LoggingCycleTest, UnattendedRunLogsOnceAndClosesAfterTheHold) {
    startWith(true, true);
    expectPhase(kAutoWarmUp);
    EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kTicked);

    h().runUntil(9999);
    expectPhase(kAutoWarmUp);
    h().runUntil(10000);
    expectPhase(kLogging);

    h().runUntil(10999);
    EXPECT_EQ(writes(), 0U);
    h().runUntil(11000);
    ASSERT_EQ(writes(), 1U);
    EXPECT_EQ(h().platform.logFile.writes[0], kLogFile);
    expectPhase(kHoldToClose);

    h().runUntil(20999);
    EXPECT_FALSE(h().app().ended());
    EXPECT_EQ(h().platform.host.events, std::vector<std::string>{"show LW_VIZ_MAIN"});
    h().runUntil(21000);
    EXPECT_EQ(h().text("CURRENT_STATUS_LABEL"), "!!! AUTOCLOSING !!!");
    EXPECT_TRUE(h().app().ended());
    EXPECT_EQ(h().app().exitStatus(), 0);
    EXPECT_EQ(h().platform.host.events,
              (std::vector<std::string>{"show LW_VIZ_MAIN", "unloaded LW_VIZ_MAIN", "end 0"}));
    EXPECT_TRUE(h().platform.failures.reported.empty());
    EXPECT_EQ(writes(), 1U);

    std::vector<std::string> saved = h().platform.settings.savedKeys;
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(saved, (std::vector<std::string>{"AUTOCLOSE_TICKBOX", "AUTOSTART_TICKBOX",
                                               "AlwaysOnTop_TICKBOX", "MAIN_Left", "MAIN_Top"}));
    EXPECT_EQ(h().platform.settings.value(kSection, "AUTOSTART_TICKBOX"), "1");
    EXPECT_EQ(h().platform.settings.value(kSection, "AUTOCLOSE_TICKBOX"), "1");
}

TEST_F(LoggingCycleTest, ManualCycleEndsAtRestWithTheEngineRunning) {
    startWith(false, false);
    expectPhase(kReady);
    h().runUntil(1000);

    h().click("START_STOP_BUTTON");
    // The start enables Auto Close even though Auto Start is not ticked.
    expectPhase(kWarmUp);
    h().runUntil(11000);
    expectPhase(kLogging);
    h().runUntil(11999);
    EXPECT_EQ(writes(), 0U);
    h().runUntil(12000);
    EXPECT_EQ(writes(), 1U);
    expectPhase(kHoldToRest);
    h().runUntil(21999);
    expectPhase(kHoldToRest);
    h().runUntil(22000);
    expectPhase(kDone);

    h().runUntil(60000);
    expectPhase(kDone);
    EXPECT_FALSE(h().app().ended());
    EXPECT_EQ(writes(), 1U);
}

TEST_F(LoggingCycleTest, StopAbortsEachPhaseAndKeepsWhatWasWritten) {
    struct Case {
        const char* phase;
        std::int64_t stopAt;
        std::size_t written;
    };
    for (const Case& c : {Case{"warm-up", 5000, 0}, Case{"logging", 10500, 0},
                          Case{"hold", 15000, 1}, Case{"last moment of the hold", 20999, 1}}) {
        SCOPED_TRACE(c.phase);
        restart();
        h().platform.logFile.files[kLogFile] = "old entry\r\n";
        startWith(true, true);

        h().runUntil(c.stopAt);
        const std::string before = logText();
        const std::string report = h().text("OUTPUT_REPORT_TEXTBOX");
        h().click("START_STOP_BUTTON");
        // The stop unticks Auto Close even with Auto Start ticked, and leaves Auto Start alone.
        expectPhase(kAborted);
        EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kClear);
        EXPECT_EQ(h().control("AUTOSTART_TICKBOX").value(), kTicked);

        h().runUntil(60000);
        expectPhase(kAborted);
        EXPECT_FALSE(h().app().ended());
        EXPECT_EQ(h().platform.host.events, std::vector<std::string>{"show LW_VIZ_MAIN"});
        EXPECT_EQ(writes(), c.written);
        EXPECT_EQ(logText(), before);
        EXPECT_EQ(h().text("OUTPUT_REPORT_TEXTBOX"), report);
        if (c.written == 0) {
            EXPECT_EQ(logText(), "old entry\r\n");
        }

        // A new start from Aborted: black at once, the old text until the display's next tick.
        h().click("START_STOP_BUTTON");
        expectPhase(kWarmUp);
        EXPECT_EQ(h().text("LW_UPTIME_DISPLAY_TEXTBOX"), "TIMERS DISABLED");
        EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kClear);
    }
}

TEST_F(LoggingCycleTest, OnlyTheExactCaptionStartStarts) {
    for (const char* caption : {"STOP", "start", "START ", " START", "Start", ""}) {
        SCOPED_TRACE(std::string("caption \"") + caption + "\"");
        restart();
        startWith(false, false);
        h().control("START_STOP_BUTTON").setCaption(caption);
        h().click("START_STOP_BUTTON");
        expectPhase(kAborted);
    }
}

TEST_F(LoggingCycleTest, AutoCloseIsDecidedAtTheEndOfTheHold) {
    {
        SCOPED_TRACE("ticked when written, unticked during the hold: stays open");
        startWith(true, true);
        h().runUntil(11000);
        expectPhase(kHoldToClose);
        h().runUntil(15000);
        h().click("AUTOCLOSE_TICKBOX");
        EXPECT_EQ(h().text("CURRENT_STATUS_LABEL"), "!!! AUTOCLOSING !!!");
        h().runUntil(21000);
        expectPhase(kDone);
        h().runUntil(40000);
        EXPECT_FALSE(h().app().ended());
        EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kClear);
    }
    {
        SCOPED_TRACE("unticked when written, ticked during the hold: closes");
        restart();
        startWith(true, false);
        h().runUntil(11000);
        expectPhase(kHoldToRest);
        h().runUntil(15000);
        h().click("AUTOCLOSE_TICKBOX");
        h().runUntil(20999);
        expectPhase(kHoldToRest);
        h().runUntil(21000);
        EXPECT_EQ(h().text("CURRENT_STATUS_LABEL"), "!!! AUTOCLOSING !!!");
        EXPECT_TRUE(h().app().ended());
        EXPECT_EQ(h().app().exitStatus(), 0);
        EXPECT_EQ(h().platform.host.events,
                  (std::vector<std::string>{"show LW_VIZ_MAIN", "unloaded LW_VIZ_MAIN", "end 0"}));
    }
    {
        SCOPED_TRACE("greyed counts as unticked, both when written and at the end");
        restart();
        startWith(true, true);
        h().runUntil(10500);
        h().control("AUTOCLOSE_TICKBOX").setValue(kGreyed);
        h().runUntil(11000);
        expectPhase(kHoldToRest);
        h().runUntil(21000);
        expectPhase(kDone);
        EXPECT_FALSE(h().app().ended());
    }
    {
        SCOPED_TRACE("a manual cycle with Auto Close ticked closes too");
        restart();
        startWith(false, false);
        h().click("START_STOP_BUTTON");
        h().click("AUTOCLOSE_TICKBOX");
        h().runUntil(11000);
        expectPhase(kHoldToClose);
        h().runUntil(21000);
        EXPECT_TRUE(h().app().ended());
        EXPECT_EQ(h().app().exitStatus(), 0);
        // Auto Start stays unticked in the saved settings: only this run was unattended at its end.
        EXPECT_EQ(h().platform.settings.value(kSection, "AUTOSTART_TICKBOX"), "0");
        EXPECT_EQ(h().platform.settings.value(kSection, "AUTOCLOSE_TICKBOX"), "1");
    }
}

TEST_F(LoggingCycleTest, AutoStartBoxDuringACycle) {
    startWith(true, true);
    h().runUntil(5000);
    h().click("AUTOSTART_TICKBOX");
    // Unticking Auto Start unticks and disables Auto Close; the cycle itself runs on.
    EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kClear);
    EXPECT_FALSE(h().control("AUTOCLOSE_TICKBOX").enabled());
    expectPhase({"STOP", "!!! AUTOSTARTING !!!", true, "AUTOSTART_TIMER", kBlack, false});
    h().runUntil(11000);
    EXPECT_EQ(writes(), 1U);
    expectPhase({"STOP", "!!! LOGGING UPTIME !!!", true, "AUTOCLOSE_TIMER", kBlack, false});
    h().runUntil(21000);
    expectPhase({"START", "READY...", true, "", kBlack, false});
    EXPECT_FALSE(h().app().ended());

    // Ticking it again enables Auto Close but starts nothing.
    h().click("AUTOSTART_TICKBOX");
    expectPhase(kDone);
    EXPECT_EQ(h().control("AUTOCLOSE_TICKBOX").value(), kClear);
    h().runUntil(60000);
    EXPECT_EQ(writes(), 1U);
    expectPhase(kDone);
}

}  // namespace
}  // namespace lwviz::testing
