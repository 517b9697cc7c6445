#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/runtime_failure.h"
#include "logging/cycle_fixture.h"
#include "logging/logging_cycle.h"

namespace lwviz::testing {
namespace {

const std::string kSeparator(56, '=');

// The text split at CR LF; a text that ends in CR LF gives an empty last part.
std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

class LogWriterTest : public CycleTest {
protected:
    // Runs a manual cycle from the Ready phase up to the moment its entry is written and
    // returns the uptime line the display held then.
    std::string runManualCycleToTheEntry() {
        const std::size_t before = writes();
        h().click("START_STOP_BUTTON");
        const std::int64_t writeAt = h().platform.clock.now + 11000;
        h().runUntil(writeAt - 1);
        EXPECT_EQ(writes(), before);
        h().runUntil(writeAt);
        EXPECT_EQ(writes(), before + 1) << "the entry is due 11000 ms after the start";
        // Nothing else ticks at the very millisecond of the entry, so the display still holds
        // what the writer read.
        return h().text("LW_UPTIME_DISPLAY_TEXTBOX");
    }

    static std::string entry(const std::string& dateTime, const std::string& pcName,
                             const std::string& upTime) {
        return kSeparator + "\r\n- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -\r\n" + kSeparator +
               "\r\n" + dateTime + "\r\nPC Name = " + pcName + "\r\nCurrent UpTime = " + upTime +
               "\r\n" + kSeparator + "\r\n\r\n" + kSeparator;
    }
};

TEST_F(LogWriterTest, EntryIsNineCrLfLinesInTheBoxAndTheFile) {
    // Up 1 d 2 h 3 min 4 s at the start: the entry, 11 s later, holds the uptime of its own
    // moment, sampled by the round that runs just before the log timer's tick.
    h().platform.clock.bootOffsetMs = ((26ULL * 60 + 3) * 60 + 4) * 1000;
    startWith(false, false);
    const std::string upTime = runManualCycleToTheEntry();
    EXPECT_EQ(upTime, "1d, 2h, 3m, 15s");

    const std::string expected = entry("- 07/12/2026 - 10:11:12 -", "TESTPC", upTime);
    EXPECT_EQ(h().text("DATE_TIME_TEXTBOX"), "- 07/12/2026 - 10:11:12 -");
    EXPECT_EQ(h().text("OUTPUT_REPORT_TEXTBOX"), expected);
    EXPECT_EQ(h().platform.logFile.writes, std::vector<std::string>{kLogFile});
    EXPECT_EQ(logText(), expected + "\r\n");

    const std::vector<std::string> lines = splitCrLf(logText());
    ASSERT_EQ(lines.size(), 10U) << "nine lines, each ending in CR LF";
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[9], "");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a bare CR or LF: " << line;
    }
}

TEST_F(LogWriterTest, FileNameFollowsTheProgramAndTheTitlesFollowTheirCaptions) {
    h().platform.program.name = "Copy of LW";
    startWith(false, false);
    h().control("LW_TITLE_1").setCaption("A");
    h().control("LW_TITLE_2").setCaption("");
    runManualCycleToTheEntry();
    EXPECT_EQ(h().platform.logFile.writes, std::vector<std::string>{"Copy of LW.LOG"});
    EXPECT_EQ(splitCrLf(h().platform.logFile.files["Copy of LW.LOG"])[1], "- A -  - LW-VIZ -");
}

TEST_F(LogWriterTest, EmptyComputerNameLeavesTheLabelAlone) {
    h().platform.environment.name = "";
    startWith(false, false);
    runManualCycleToTheEntry();
    EXPECT_EQ(splitCrLf(logText())[4], "PC Name = ");
}

TEST_F(LogWriterTest, DateAndTimeAreTwoReadingsDateFirst) {
    startWith(false, false);
    FakeWallClock& clock = h().platform.wallClock;
    clock.date = "12/31/2026";
    clock.time = "23:59:59";
    // Midnight passes between the two readings.
    clock.onDateRead = [&clock] {
        clock.date = "01/01/2027";
        clock.time = "00:00:00";
    };
    runManualCycleToTheEntry();
    EXPECT_EQ(clock.reads, (std::vector<std::string>{"date", "time"}));
    EXPECT_EQ(h().text("DATE_TIME_TEXTBOX"), "- 12/31/2026 - 00:00:00 -");
    EXPECT_EQ(splitCrLf(logText())[3], "- 12/31/2026 - 00:00:00 -");
}

TEST_F(LogWriterTest, EachCycleReplacesTheWholeFile) {
    h().platform.logFile.files[kLogFile] =
        "an older and much longer log file\r\n" + std::string(1000, 'x') + "\r\n";
    startWith(false, false);
    EXPECT_EQ(h().text("OUTPUT_REPORT_TEXTBOX"), "!!! TIMERS DISABLED !!!\r\n");
    const std::string firstUpTime = runManualCycleToTheEntry();
    EXPECT_EQ(logText(), entry("- 07/12/2026 - 10:11:12 -", "TESTPC", firstUpTime) + "\r\n");

    h().runFor(10000);
    expectPhase(kDone);
    h().platform.wallClock.time = "10:11:34";
    const std::string secondUpTime = runManualCycleToTheEntry();
    EXPECT_EQ(writes(), 2U);
    const std::string second = entry("- 07/12/2026 - 10:11:34 -", "TESTPC", secondUpTime);
    EXPECT_EQ(h().text("OUTPUT_REPORT_TEXTBOX"), second);
    EXPECT_EQ(logText(), second + "\r\n");
    EXPECT_EQ(h().platform.logFile.files.size(), 1U);
}

TEST_F(LogWriterTest, FailedWriteEndsTheProgramAndKeepsThePreviousFile) {
    const std::string previous = entry("- 07/11/2026 - 09:00:00 -", "TESTPC", "1d, 2h, 3m, 4s");
    h().platform.logFile.files[kLogFile] = previous + "\r\n";
    h().platform.logFile.failure =
        RuntimeFailure(RuntimeFailure::kPermissionDenied,
                       "Permission denied: cannot replace LW-DODOZU-ZIDADA-V1.LOG (read-only)");
    startWith(true, true);
    h().runUntil(11000);

    ASSERT_EQ(h().platform.failures.reported.size(), 1U);
    EXPECT_EQ(h().platform.failures.reported[0].number(), RuntimeFailure::kPermissionDenied);
    EXPECT_NE(h().platform.failures.reported[0].description().find("LW-DODOZU-ZIDADA-V1.LOG"),
              std::string::npos);
    EXPECT_TRUE(h().app().ended());
    EXPECT_NE(h().app().exitStatus(), 0);
    EXPECT_EQ(logText(), previous + "\r\n");
    // The handler stopped at the write: no status change, no hold.
    EXPECT_EQ(h().text("CURRENT_STATUS_LABEL"), "!!! LOGGING UPTIME !!!");
    EXPECT_FALSE(h().control("AUTOCLOSE_TIMER").enabled());

    h().runUntil(60000);
    EXPECT_EQ(h().platform.failures.reported.size(), 1U);
    EXPECT_EQ(h().platform.host.events, (std::vector<std::string>{"show LW_VIZ_MAIN", "end 1"}))
        << "ended by the failure, not by the hold";
    EXPECT_EQ(logText(), previous + "\r\n");
}

TEST(LogFileName, IsTheProgramNameWithLogExtension) {
    EXPECT_EQ(LoggingCycle::logFileName("LW-DODOZU-ZIDADA-V1"), "LW-DODOZU-ZIDADA-V1.LOG");
}

}  // namespace
}  // namespace lwviz::testing
