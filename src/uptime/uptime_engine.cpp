#include "uptime/uptime_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/conversions.h"
#include "core/runtime_failure.h"
#include "uptime/whole_count.h"

namespace lwviz {
namespace {

// The cells are program variables, not text for the user: one decimal point everywhere.
constexpr char kCellDecimalPoint = '.';

// A division as the run-time does it: a zero divisor is a division by zero, 0/0 an overflow.
double Quotient(double dividend, double divisor) {
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend)) {
            throw RuntimeFailure::overflow();
        }
        throw RuntimeFailure::divisionByZero();
    }
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) {
        throw RuntimeFailure::overflow();
    }
    return quotient;
}

// A product or difference that left the double range (or had no value) stops the run.
double Checked(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeFailure::overflow();
    }
    return value;
}

double Read(const Control& cell) { return conv::ValOfText(cell.text()); }

}  // namespace

UptimeEngine::UptimeEngine(MainForm& form, TickCounter& tickCounter)
    : form_(form),
      tickCounter_(tickCounter),
      UPTIME_TIMER(form.window.control("UPTIME_TIMER")),
      DAY_UPTIME_TIMER(form.window.control("DAY_UPTIME_TIMER")),
      HOUR_UPTIME_TIMER(form.window.control("HOUR_UPTIME_TIMER")),
      MINUTE_UPTIME_TIMER(form.window.control("MINUTE_UPTIME_TIMER")),
      SECOND_UPTIME_TIMER(form.window.control("SECOND_UPTIME_TIMER")),
      LW_DISPLAY_UPDATE_TIMER(form.window.control("LW_DISPLAY_UPDATE_TIMER")),
      START_TB(form.window.control("START_TB")),
      TOTAL_MIL_SEC(form.window.control("TOTAL_MIL_SEC")),
      TOTAL_MIL_MIN(form.window.control("TOTAL_MIL_MIN")),
      TOTAL_MIL_HOUR(form.window.control("TOTAL_MIL_HOUR")),
      TOTAL_MIL_DAY(form.window.control("TOTAL_MIL_DAY")),
      TOTAL_MIL_WEEK(form.window.control("TOTAL_MIL_WEEK")),
      TOTAL_MIL_MONTH(form.window.control("TOTAL_MIL_MONTH")),
      TOTAL_MIL_YEAR(form.window.control("TOTAL_MIL_YEAR")),
      SECS_TB(form.window.control("SECS_TB")),
      MINS_TB(form.window.control("MINS_TB")),
      HOURS_TB(form.window.control("HOURS_TB")),
      DAYS_TB(form.window.control("DAYS_TB")),
      WEEKS_TB(form.window.control("WEEKS_TB")),
      MONTHS_TB(form.window.control("MONTHS_TB")),
      YEARS_TB(form.window.control("YEARS_TB")),
      DAYS_MIRROR_TB(form.window.control("DAYS_MIRROR_TB")),
      DAYS_ROUNDED_TB(form.window.control("DAYS_ROUNDED_TB")),
      HOURS_24_TB(form.window.control("HOURS_24_TB")),
      HOURS_FULL(form.window.control("HOURS_FULL")),
      HOURS_LEFT_TB(form.window.control("HOURS_LEFT_TB")),
      HOURS_ROUNDED_TB(form.window.control("HOURS_ROUNDED_TB")),
      MINS_60_TB(form.window.control("MINS_60_TB")),
      MINUTES_LEFT_X_60_TB(form.window.control("MINUTES_LEFT_X_60_TB")),
      MINUTES_ROUNDED_X_60_TB(form.window.control("MINUTES_ROUNDED_X_60_TB")),
      MINUTES_DIFFERENCE_LEFT_TB(form.window.control("MINUTES_DIFFERENCE_LEFT_TB")),
      MINUTES_DIFFERENCE_ROUNDED_TB(form.window.control("MINUTES_DIFFERENCE_ROUNDED_TB")),
      SECS_60_TB(form.window.control("SECS_60_TB")),
      SECONDS_LEFT_TB(form.window.control("SECONDS_LEFT_TB")),
      SECONDS_ROUNDED_TB(form.window.control("SECONDS_ROUNDED_TB")),
      SECONDS_DIFFERENCE_TB(form.window.control("SECONDS_DIFFERENCE_TB")),
      SECONDS_DIFFERENCE_ROUNDED_TB(form.window.control("SECONDS_DIFFERENCE_ROUNDED_TB")),
      LW_UPTIME_DISPLAY_TEXTBOX(form.window.control("LW_UPTIME_DISPLAY_TEXTBOX")),
      units_{{{&YEARS_TB, &TOTAL_MIL_YEAR},
              {&MONTHS_TB, &TOTAL_MIL_MONTH},
              {&WEEKS_TB, &TOTAL_MIL_WEEK},
              {&DAYS_TB, &TOTAL_MIL_DAY},
              {&HOURS_TB, &TOTAL_MIL_HOUR},
              {&MINS_TB, &TOTAL_MIL_MIN},
              {&SECS_TB, &TOTAL_MIL_SEC}}} {
    // The longest line: four 32-bit counts with signs and the unit texts.
    scratch_.reserve(64);
    UPTIME_TIMER.onTimer = [this] { UPTIME_TIMER_Timer(); };
    DAY_UPTIME_TIMER.onTimer = [this] { DAY_UPTIME_TIMER_Timer(); };
    HOUR_UPTIME_TIMER.onTimer = [this] { HOUR_UPTIME_TIMER_Timer(); };
    MINUTE_UPTIME_TIMER.onTimer = [this] { MINUTE_UPTIME_TIMER_Timer(); };
    SECOND_UPTIME_TIMER.onTimer = [this] { SECOND_UPTIME_TIMER_Timer(); };
    LW_DISPLAY_UPDATE_TIMER.onTimer = [this] { LW_DISPLAY_UPDATE_TIMER_Timer(); };
}

void UptimeEngine::UPTIME_TIMER_Timer() {
    // The full 64-bit count: it never wraps, so the totals never turn negative. Only a broken
    // counter reaches past the signed range (some 292 million years); such a count is pinned
    // there, and DaysCount then reports the overflow.
    const std::uint64_t ticks = std::min<std::uint64_t>(
        tickCounter_.milliseconds(),
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
    writeWhole(START_TB, static_cast<std::int64_t>(ticks));

    for (const UnitTotal& unit : units_) {
        // Both read afresh for every unit: an edited divisor counts from this run on.
        const double divisor = Read(*unit.divisor);
        const double dividend = Read(START_TB);
        writeNumber(*unit.total, Quotient(dividend, divisor));
    }
    DAYS_MIRROR_TB.setText(DAYS_TB.text());
    form_.DaysCount = WholeCount(DAYS_TB.text(), kMillisecondsPerDay);
}

void UptimeEngine::DAY_UPTIME_TIMER_Timer() { writeWhole(DAYS_ROUNDED_TB, form_.DaysCount); }

void UptimeEngine::HOUR_UPTIME_TIMER_Timer() {
    const double factor = Read(HOURS_24_TB);
    writeNumber(HOURS_FULL, Checked(Read(DAYS_ROUNDED_TB) * factor));
    const double fullHours = Read(HOURS_FULL);
    writeNumber(HOURS_LEFT_TB, Checked(Read(HOURS_TB) - fullHours));
    form_.HoursCount = WholeCount(HOURS_LEFT_TB.text(), kMillisecondsPerHour);
    writeWhole(HOURS_ROUNDED_TB, form_.HoursCount);
}

void UptimeEngine::MINUTE_UPTIME_TIMER_Timer() {
    form_.MinutesCount =
        subdivide(MINS_60_TB, HOURS_LEFT_TB, HOURS_ROUNDED_TB, MINUTES_LEFT_X_60_TB,
                  MINUTES_ROUNDED_X_60_TB, MINUTES_DIFFERENCE_LEFT_TB, kMillisecondsPerMinute);
    writeWhole(MINUTES_DIFFERENCE_ROUNDED_TB, form_.MinutesCount);
}

void UptimeEngine::SECOND_UPTIME_TIMER_Timer() {
    form_.SecondsCount = subdivide(
        SECS_60_TB, MINUTES_DIFFERENCE_LEFT_TB, MINUTES_DIFFERENCE_ROUNDED_TB, SECONDS_LEFT_TB,
        SECONDS_ROUNDED_TB, SECONDS_DIFFERENCE_TB, kMillisecondsPerSecond);
    writeWhole(SECONDS_DIFFERENCE_ROUNDED_TB, form_.SecondsCount);
}

void UptimeEngine::LW_DISPLAY_UPDATE_TIMER_Timer() {
    // The counts as their cells hold them, no conversion.
    scratch_.clear();
    scratch_.append(DAYS_ROUNDED_TB.text())
        .append("d, ")
        .append(HOURS_ROUNDED_TB.text())
        .append("h, ")
        .append(MINUTES_DIFFERENCE_ROUNDED_TB.text())
        .append("m, ")
        .append(SECONDS_DIFFERENCE_ROUNDED_TB.text())
        .append("s");
    LW_UPTIME_DISPLAY_TEXTBOX.setText(scratch_);
}

std::int32_t UptimeEngine::subdivide(const Control& factor, const Control& fractionAbove,
                                     const Control& wholeAbove, Control& fractionScaled,
                                     Control& wholeScaled, Control& difference,
                                     double millisecondsPerUnit) {
    double scale = Read(factor);
    writeNumber(fractionScaled, Checked(Read(fractionAbove) * scale));
    scale = Read(factor);
    writeNumber(wholeScaled, Checked(Read(wholeAbove) * scale));
    const double wholePart = Read(wholeScaled);
    writeNumber(difference, Checked(Read(fractionScaled) - wholePart));
    return WholeCount(difference.text(), millisecondsPerUnit);
}

void UptimeEngine::writeNumber(Control& cell, double value) {
    conv::DoubleToText(value, scratch_, kCellDecimalPoint);
    cell.setText(scratch_);
}

void UptimeEngine::writeWhole(Control& cell, std::int64_t value) {
    conv::LongToText(value, scratch_);
    cell.setText(scratch_);
}

}  // namespace lwviz
