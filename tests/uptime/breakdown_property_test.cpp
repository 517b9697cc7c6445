#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <locale>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace lwviz::testing {
namespace {

constexpr std::uint64_t kHundredYears = 36'525 * kDay;

// Runs the engine on every count and compares its line with the integer breakdown. Stops at
// the first few mismatches so a broken rule does not flood the output.
void ExpectExactLines(EngineRig& e, const std::vector<std::uint64_t>& counts) {
    int mismatches = 0;
    for (std::uint64_t ms : counts) {
        e.round(ms);
        if (e.line() != ExactLine(ms) || e.text("START_TB") != std::to_string(ms)) {
            ADD_FAILURE() << ms << " ms: " << e.line() << " (START_TB " << e.text("START_TB")
                          << "), expected " << ExactLine(ms);
            if (++mismatches == 5) {
                return;
            }
        }
    }
    EXPECT_TRUE(e.failures.reported.empty());
}

// Every boundary of the unit, two milliseconds either side, for `count` boundaries from `first`.
void AddBoundaries(std::vector<std::uint64_t>& counts, std::uint64_t unit, std::uint64_t first,
                   std::uint64_t count) {
    for (std::uint64_t k = first; k < first + count; ++k) {
        for (std::uint64_t offset = 0; offset <= 4; ++offset) {
            if (k * unit + offset >= 2) {
                counts.push_back(k * unit + offset - 2);
            }
        }
    }
}

TEST(UptimeBreakdownProperty, EveryDayBoundaryUpToAHundredYearsIsExact) {
    std::vector<std::uint64_t> counts;
    AddBoundaries(counts, kDay, 0, kHundredYears / kDay + 1);
    EngineRig e;
    ExpectExactLines(e, counts);
}

TEST(UptimeBreakdownProperty, HourMinuteAndSecondBoundariesAreExact) {
    std::vector<std::uint64_t> counts;
    // Three days of hours, three hours of minutes, a quarter hour of seconds, at each end.
    constexpr std::uint64_t kHours = 72;
    constexpr std::uint64_t kMinutes = 180;
    constexpr std::uint64_t kSeconds = 900;
    AddBoundaries(counts, kHour, 0, kHours);
    AddBoundaries(counts, kHour, kHundredYears / kHour - kHours, kHours + 1);
    AddBoundaries(counts, kMinute, 0, kMinutes);
    AddBoundaries(counts, kMinute, kHundredYears / kMinute - kMinutes, kMinutes + 1);
    AddBoundaries(counts, kSecond, 0, kSeconds);
    AddBoundaries(counts, kSecond, kHundredYears / kSecond - kSeconds, kSeconds + 1);
    // The same units anywhere in the hundred years.
    std::mt19937_64 random(20'261'207);
    for (std::uint64_t unit : {kHour, kMinute, kSecond}) {
        std::uniform_int_distribution<std::uint64_t> boundary(1, kHundredYears / unit);
        for (int i = 0; i < 5'000; ++i) {
            AddBoundaries(counts, unit, boundary(random), 1);
        }
    }
    EngineRig e;
    ExpectExactLines(e, counts);
}

TEST(UptimeBreakdownProperty, RandomCountsUpToAHundredYearsAreExact) {
    std::mt19937_64 random(1'207'2026);
    std::uniform_int_distribution<std::uint64_t> anyCount(0, kHundredYears);
    std::uniform_int_distribution<std::uint64_t> firstWeek(0, 7 * kDay);
    std::vector<std::uint64_t> counts(80'000);
    const auto middle = counts.begin() + 60'000;
    std::generate(counts.begin(), middle, [&] { return anyCount(random); });
    std::generate(middle, counts.end(), [&] { return firstWeek(random); });
    EngineRig e;
    ExpectExactLines(e, counts);
}

// Switches the program's C and C++ locales for the test's lifetime.
class GlobalLocale {
public:
    explicit GlobalLocale(const std::locale& locale) {
        std::locale::global(locale);  // a named locale sets the C locale too
    }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;
    ~GlobalLocale() { std::locale::global(previous_); }

private:
    std::locale previous_;  // the global one at construction
};

// Every cell text of a round, in the window's order.
std::vector<std::string> CellTexts(EngineRig& e) {
    std::vector<std::string> texts;
    for (const Control& control : e.form.window.controls()) {
        if (control.kind() == ControlKind::TextBox) {
            texts.push_back(control.text());
        }
    }
    return texts;
}

TEST(UptimeBreakdownLocale, CommaLocaleGivesTheSameCellsAsTheCLocale) {
    const std::vector<std::uint64_t> counts = {90'061'500, 37'000, 86'400'000, 123'456'789'012,
                                               kHundredYears - 1};
    std::vector<std::vector<std::string>> inC;
    {
        EngineRig e;
        for (std::uint64_t ms : counts) {
            e.round(ms);
            inC.push_back(CellTexts(e));
        }
    }
    const char* const kCommaLocale = "de_DE.UTF-8";
    std::locale comma;
    try {
        comma = std::locale(kCommaLocale);
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << kCommaLocale << " is not installed (scripts/install-deps generates it)";
    }
    const GlobalLocale german(comma);
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    EngineRig e;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        e.round(counts[i]);
        EXPECT_EQ(CellTexts(e), inC[i]) << counts[i];
        EXPECT_EQ(e.line(), ExactLine(counts[i]));
    }
    EXPECT_TRUE(e.failures.reported.empty());
}

}  // namespace
}  // namespace lwviz::testing
