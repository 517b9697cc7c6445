#include "uptime/uptime_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/conversions.h"
#include "core/runtime_failure.h"
#include "core/window_layout.h"
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

}  // namespace

UptimeEngine::UptimeEngine(MainForm& form, TickCounter& tickCounter)
    : form_(form),
      tickCounter_(tickCounter),
      units_{{{&form.YEARS_TB, &form.TOTAL_MIL_YEAR},
              {&form.MONTHS_TB, &form.TOTAL_MIL_MONTH},
              {&form.WEEKS_TB, &form.TOTAL_MIL_WEEK},
              {&form.DAYS_TB, &form.TOTAL_MIL_DAY},
              {&form.HOURS_TB, &form.TOTAL_MIL_HOUR},
              {&form.MINS_TB, &form.TOTAL_MIL_MIN},
              {&form.SECS_TB, &form.TOTAL_MIL_SEC}}},
      readings_(form.window.controls().size()) {
    // The longest line: four 32-bit counts with signs and the unit texts.
    scratch_.reserve(64);
    form.UPTIME_TIMER.onTimer = [this] { UPTIME_TIMER_Timer(); };
    form.DAY_UPTIME_TIMER.onTimer = [this] { DAY_UPTIME_TIMER_Timer(); };
    form.HOUR_UPTIME_TIMER.onTimer = [this] { HOUR_UPTIME_TIMER_Timer(); };
    form.MINUTE_UPTIME_TIMER.onTimer = [this] { MINUTE_UPTIME_TIMER_Timer(); };
    form.SECOND_UPTIME_TIMER.onTimer = [this] { SECOND_UPTIME_TIMER_Timer(); };
    form.LW_DISPLAY_UPDATE_TIMER.onTimer = [this] { LW_DISPLAY_UPDATE_TIMER_Timer(); };
}

void UptimeEngine::UPTIME_TIMER_Timer() {
    // The full 64-bit count: it never wraps, so the totals never turn negative. Only a broken
    // counter reaches past the signed range (some 292 million years); such a count is pinned
    // there, and DaysCount then reports the overflow.
    const std::uint64_t ticks = std::min<std::uint64_t>(
        tickCounter_.milliseconds(),
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
    lastSample_ = ticks;
    writeWhole(form_.START_TB, static_cast<std::int64_t>(ticks));

    for (const UnitTotal& unit : units_) {
        // Both read afresh for every unit: an edited divisor counts from this run on.
        const double divisor = read(*unit.divisor);
        const double dividend = read(form_.START_TB);
        writeNumber(*unit.total, Quotient(dividend, divisor));
    }
    form_.DAYS_MIRROR_TB.setText(form_.DAYS_TB.text());
    form_.DaysCount = WholeCount(form_.DAYS_TB.text(), kMillisecondsPerDay);
}

void UptimeEngine::DAY_UPTIME_TIMER_Timer() { writeWhole(form_.DAYS_ROUNDED_TB, form_.DaysCount); }

void UptimeEngine::HOUR_UPTIME_TIMER_Timer() {
    const double factor = read(form_.HOURS_24_TB);
    writeNumber(form_.HOURS_FULL, Checked(read(form_.DAYS_ROUNDED_TB) * factor));
    const double fullHours = read(form_.HOURS_FULL);
    writeNumber(form_.HOURS_LEFT_TB, Checked(read(form_.HOURS_TB) - fullHours));
    form_.HoursCount = WholeCount(form_.HOURS_LEFT_TB.text(), kMillisecondsPerHour);
    writeWhole(form_.HOURS_ROUNDED_TB, form_.HoursCount);
}

void UptimeEngine::MINUTE_UPTIME_TIMER_Timer() {
    form_.MinutesCount = subdivide(form_.MINS_60_TB, form_.HOURS_LEFT_TB, form_.HOURS_ROUNDED_TB,
                                   form_.MINUTES_LEFT_X_60_TB, form_.MINUTES_ROUNDED_X_60_TB,
                                   form_.MINUTES_DIFFERENCE_LEFT_TB, kMillisecondsPerMinute);
    writeWhole(form_.MINUTES_DIFFERENCE_ROUNDED_TB, form_.MinutesCount);
}

void UptimeEngine::SECOND_UPTIME_TIMER_Timer() {
    form_.SecondsCount =
        subdivide(form_.SECS_60_TB, form_.MINUTES_DIFFERENCE_LEFT_TB,
                  form_.MINUTES_DIFFERENCE_ROUNDED_TB, form_.SECONDS_LEFT_TB,
                  form_.SECONDS_ROUNDED_TB, form_.SECONDS_DIFFERENCE_TB, kMillisecondsPerSecond);
    writeWhole(form_.SECONDS_DIFFERENCE_ROUNDED_TB, form_.SecondsCount);
}

void UptimeEngine::LW_DISPLAY_UPDATE_TIMER_Timer() {
    // The counts as their cells hold them, no conversion.
    scratch_.clear();
    scratch_.append(form_.DAYS_ROUNDED_TB.text())
        .append("d, ")
        .append(form_.HOURS_ROUNDED_TB.text())
        .append("h, ")
        .append(form_.MINUTES_DIFFERENCE_ROUNDED_TB.text())
        .append("m, ")
        .append(form_.SECONDS_DIFFERENCE_ROUNDED_TB.text())
        .append("s");
    form_.LW_UPTIME_DISPLAY_TEXTBOX.setText(scratch_);
}

std::vector<const Control*> UptimeEngine::timers() const {
    return {&form_.UPTIME_TIMER,        &form_.DAY_UPTIME_TIMER,    &form_.HOUR_UPTIME_TIMER,
            &form_.MINUTE_UPTIME_TIMER, &form_.SECOND_UPTIME_TIMER, &form_.LW_DISPLAY_UPDATE_TIMER};
}

bool UptimeEngine::workingCellsDrawn(const WindowLayout& layout) const {
    const std::array<const Control*, 17> cells{&form_.START_TB,
                                               &form_.DAYS_MIRROR_TB,
                                               &form_.DAYS_ROUNDED_TB,
                                               &form_.HOURS_24_TB,
                                               &form_.HOURS_FULL,
                                               &form_.HOURS_LEFT_TB,
                                               &form_.HOURS_ROUNDED_TB,
                                               &form_.MINS_60_TB,
                                               &form_.MINUTES_LEFT_X_60_TB,
                                               &form_.MINUTES_ROUNDED_X_60_TB,
                                               &form_.MINUTES_DIFFERENCE_LEFT_TB,
                                               &form_.MINUTES_DIFFERENCE_ROUNDED_TB,
                                               &form_.SECS_60_TB,
                                               &form_.SECONDS_LEFT_TB,
                                               &form_.SECONDS_ROUNDED_TB,
                                               &form_.SECONDS_DIFFERENCE_TB,
                                               &form_.SECONDS_DIFFERENCE_ROUNDED_TB};
    const auto drawn = [&layout](const Control* cell) { return layout.drawn(*cell); };
    return std::any_of(cells.begin(), cells.end(), drawn) ||
           std::any_of(units_.begin(), units_.end(), [&](const UnitTotal& unit) {
               return drawn(unit.total) || drawn(unit.divisor);
           });
}

std::optional<std::uint64_t> UptimeEngine::nextDisplayChange() const {
    if (!lastSample_) {
        return std::nullopt;
    }
    constexpr std::uint64_t kSecond = 1000;
    return (*lastSample_ / kSecond + 1) * kSecond;
}

std::int32_t UptimeEngine::subdivide(const Control& factor, const Control& fractionAbove,
                                     const Control& wholeAbove, Control& fractionScaled,
                                     Control& wholeScaled, Control& difference,
                                     double millisecondsPerUnit) {
    double scale = read(factor);
    writeNumber(fractionScaled, Checked(read(fractionAbove) * scale));
    scale = read(factor);
    writeNumber(wholeScaled, Checked(read(wholeAbove) * scale));
    const double wholePart = read(wholeScaled);
    writeNumber(difference, Checked(read(fractionScaled) - wholePart));
    return WholeCount(difference.text(), millisecondsPerUnit);
}

double UptimeEngine::read(const Control& cell) {
    Reading& last = readings_[cell.index()];
    if (last.text != cell.text()) {
        last.text = cell.text();
        last.value = conv::ValOfText(last.text);
    }
    return last.value;
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
