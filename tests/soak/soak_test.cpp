// Sixty days of uptime in virtual time: one logging cycle per hour, each run wake-up by
// wake-up from START to its end, with the machine's uptime jumping ahead between cycles (as
// if it slept or simply ran on unwatched). Every uptime line shown is checked against integer
// arithmetic on the sample it came from, and every log entry byte for byte. Cycles also run
// across the 24.8-day (2^31 ms) and 49.7-day (2^32 ms) marks, where a 32-bit tick count
// would have turned negative or wrapped.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "support/harness.h"

namespace lwviz {
namespace {

using testing::FakePlatform;
using testing::runVirtualTime;

constexpr std::uint64_t kSecondMs = 1000;
constexpr std::uint64_t kMinuteMs = 60 * kSecondMs;
constexpr std::uint64_t kHourMs = 60 * kMinuteMs;
constexpr std::uint64_t kDayMs = 24 * kHourMs;
constexpr std::uint64_t kSoakDays = 60;
constexpr std::int64_t kWarmUpMs = 10'000;
constexpr std::int64_t kLogAfterMs = 11'000;
constexpr std::int64_t kCycleMs = 21'000;
constexpr const char* kLogFile = "LW-DODOZU-ZIDADA-V1.LOG";

// The uptime line by integer arithmetic alone.
std::string expectedLine(std::uint64_t ms) {
    char line[64];
    std::snprintf(line, sizeof line, "%llud, %lluh, %llum, %llus",
                  static_cast<unsigned long long>(ms / kDayMs),
                  static_cast<unsigned long long>(ms / kHourMs % 24),
                  static_cast<unsigned long long>(ms / kMinuteMs % 60),
                  static_cast<unsigned long long>(ms / kSecondMs % 60));
    return line;
}

std::string expectedEntry(const std::string& date, const std::string& time,
                          const std::string& pcName, const std::string& uptimeLine) {
    const std::string separator(56, '=');
    std::string entry;
    const auto line = [&entry](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) {
            entry += part;
        }
        entry += "\r\n";
    };
    line({separator});
    line({"- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -"});
    line({separator});
    line({"- ", date, " - ", time, " -"});
    line({"PC Name = ", pcName});
    line({"Current UpTime = ", uptimeLine});
    line({separator});
    line({});
    line({separator});
    return entry;
}

// The tick counter of the fakes, remembering what each reading gave: the line shown after a
// wake-up must come from that wake-up's one reading.
class SampledTicks final : public TickCounter {
public:
    explicit SampledTicks(testing::VirtualClock& clock) : clock_(clock) {}
    [[nodiscard]] std::uint64_t milliseconds() override {
        last = clock_.milliseconds();
        ++reads;
        return last;
    }
    std::uint64_t last = 0;
    std::uint64_t reads = 0;

private:
    testing::VirtualClock& clock_;
};

// A machine booted at midnight on 1 January 2026: the wall clock follows the uptime, so each
// entry's date and time differ.
void setWallClock(testing::FakeWallClock& wallClock, std::uint64_t uptimeMs) {
    using namespace std::chrono;
    const year_month_day date{sys_days{2026y / January / 1} + days(uptimeMs / kDayMs)};
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    wallClock.date = text;
    const std::uint64_t inDay = uptimeMs % kDayMs;
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu",
                  static_cast<unsigned long long>(inDay / kHourMs),
                  static_cast<unsigned long long>(inDay / kMinuteMs % 60),
                  static_cast<unsigned long long>(inDay / kSecondMs % 60));
    wallClock.time = text;
}

class SoakTest : public ::testing::Test {
protected:
    FakePlatform platform;
    SampledTicks ticks{platform.clock};
    Services services = platform.servicesWith({.tickCounter = &ticks});
    std::optional<Application> app;

    std::uint64_t wakeUps = 0;
    std::uint64_t linesChecked = 0;

    Control& control(const char* name) { return app->mainWindow().control(name); }
    const std::string& caption(const char* name) { return control(name).caption(); }
    // Looked up once: the wake-up loop reads it two million times.
    const std::string& display() { return display_->text(); }
    Control* display_ = nullptr;
    std::string lineBefore_;

    // One wake-up of the scheduler; afterwards the line must come from this wake-up's sample,
    // or be unchanged when no engine timer was due.
    void wakeUp() {
        const std::optional<std::int64_t> due = app->nextDueMs();
        ASSERT_TRUE(due.has_value()) << "nothing armed at " << platform.clock.now;
        lineBefore_ = display();
        const std::uint64_t readsBefore = ticks.reads;
        runVirtualTime(*app, platform.clock, *due);
        ++wakeUps;
        ASSERT_TRUE(platform.failures.reported.empty())
            << platform.failures.reported.front().description();
        ASSERT_LE(ticks.reads - readsBefore, 1U) << "one line from several samples";
        if (ticks.reads != readsBefore) {
            ASSERT_EQ(ticks.last, platform.clock.milliseconds());
            ASSERT_EQ(display(), expectedLine(ticks.last)) << "uptime " << ticks.last << " ms";
            ++linesChecked;
        } else {
            ASSERT_EQ(display(), lineBefore_);
        }
    }

    // One cycle from START, the machine having been up `uptimeMs` when it is pressed; ends in
    // Done with the engine still running.
    void cycle(std::uint64_t uptimeMs) {
        ASSERT_GE(uptimeMs, platform.clock.milliseconds()) << "uptime never runs backwards";
        platform.clock.bootOffsetMs = uptimeMs - static_cast<std::uint64_t>(platform.clock.now);
        const std::size_t writesBefore = platform.logFile.writes.size();
        const std::int64_t start = platform.clock.now;

        ASSERT_EQ(caption("START_STOP_BUTTON"), "START");
        app->click(control("START_STOP_BUTTON"));
        ASSERT_EQ(caption("CURRENT_STATUS_LABEL"), "!!! STARTING !!!");
        ASSERT_EQ(caption("START_STOP_BUTTON"), "STOP");

        while (platform.clock.now < start + kWarmUpMs) {
            ASSERT_NO_FATAL_FAILURE(wakeUp());
        }
        ASSERT_EQ(platform.clock.now, start + kWarmUpMs);
        ASSERT_EQ(caption("CURRENT_STATUS_LABEL"), "!!! LOGGING UPTIME !!!");

        while (platform.logFile.writes.size() == writesBefore) {
            ASSERT_LT(platform.clock.now, start + kLogAfterMs) << "no entry on time";
            ASSERT_NO_FATAL_FAILURE(wakeUp());
        }
        ASSERT_EQ(platform.clock.now, start + kLogAfterMs);
        ASSERT_EQ(platform.logFile.writes.size(), writesBefore + 1);
        // The entry carries the line of its own moment, sampled just before the log timer.
        ASSERT_EQ(ticks.last, platform.clock.milliseconds());
        ASSERT_EQ(platform.logFile.files[kLogFile],
                  expectedEntry(platform.wallClock.date, platform.wallClock.time,
                                platform.environment.name, expectedLine(ticks.last)));

        while (caption("START_STOP_BUTTON") != "START") {
            ASSERT_LE(platform.clock.now, start + kCycleMs) << "the hold did not end";
            ASSERT_NO_FATAL_FAILURE(wakeUp());
        }
        ASSERT_EQ(platform.clock.now, start + kCycleMs);
        ASSERT_EQ(caption("CURRENT_STATUS_LABEL"), "READY...");
        ASSERT_FALSE(control("LOG_TIMER").enabled());
        ASSERT_FALSE(control("AUTOCLOSE_TIMER").enabled());
        ASSERT_FALSE(app->ended());
    }
};

TEST_F(SoakTest, SixtyDaysOfHourlyCyclesShowAndLogEveryUptimeExactly) {
    platform.environment.name = "SOAK-PC";
    app.emplace(services);
    app->start();
    display_ = &control("LW_UPTIME_DISPLAY_TEXTBOX");
    ASSERT_EQ(caption("CURRENT_STATUS_LABEL"), "READY...");

    // Each cycle starts 5 s before an hour (every 24th before a day) and shifted by a few
    // milliseconds, so the wake-ups meet the second, minute, hour and day boundaries at every
    // phase; two more run across the old 32-bit marks.
    std::vector<std::uint64_t> starts;
    for (std::uint64_t hour = 1; hour <= kSoakDays * 24; ++hour) {
        starts.push_back(hour * kHourMs - 5 * kSecondMs + hour % 15);
    }
    for (const std::uint64_t mark : {std::uint64_t{1} << 31, std::uint64_t{1} << 32}) {
        starts.push_back(mark - 5 * kSecondMs);
    }
    std::sort(starts.begin(), starts.end());

    for (const std::uint64_t uptime : starts) {
        setWallClock(platform.wallClock, uptime + kLogAfterMs);
        ASSERT_NO_FATAL_FAILURE(cycle(uptime)) << "cycle starting at " << expectedLine(uptime);
    }

    EXPECT_EQ(platform.logFile.writes.size(), starts.size());
    EXPECT_GE(ticks.last, kSoakDays * kDayMs);
    EXPECT_EQ(display().substr(0, 13), "60d, 0h, 0m, ");
    // Only the uptime line is drawn, so the engine runs at each of the 21 seconds a cycle shows
    // and before each other timer's tick, not on its 15 ms beat.
    EXPECT_GE(linesChecked, starts.size() * 21);
    EXPECT_LT(linesChecked, starts.size() * 21 * 3);
    std::printf("soak: %zu cycles, %llu wake-ups, %llu lines checked\n", starts.size(),
                static_cast<unsigned long long>(wakeUps),
                static_cast<unsigned long long>(linesChecked));

    app->closeWindow(app->mainWindow());
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(app->exitStatus(), 0);
    EXPECT_TRUE(platform.failures.reported.empty());
}

}  // namespace
}  // namespace lwviz
