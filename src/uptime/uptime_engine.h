#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "main_window/main_form.h"

namespace lwviz {

// The uptime engine: six timer handlers that sample the tick counter into unit totals, break
// the uptime into whole days, hours, minutes and seconds and join the uptime line. Every value
// passes through a cell of the main window, written and read with '.' as the decimal point
// under every locale. The scheduler runs the six timers in their switching order, so each line
// comes from one sample.
class UptimeEngine {
public:
    UptimeEngine(MainForm& form, TickCounter& tickCounter);
    UptimeEngine(const UptimeEngine&) = delete;
    UptimeEngine& operator=(const UptimeEngine&) = delete;
    UptimeEngine(UptimeEngine&&) = delete;
    UptimeEngine& operator=(UptimeEngine&&) = delete;
    ~UptimeEngine() = default;

    // Sampling and unit totals; DaysCount.
    void UPTIME_TIMER_Timer();
    // The breakdown, one stage per unit.
    void DAY_UPTIME_TIMER_Timer();
    void HOUR_UPTIME_TIMER_Timer();
    void MINUTE_UPTIME_TIMER_Timer();
    void SECOND_UPTIME_TIMER_Timer();
    // The uptime line.
    void LW_DISPLAY_UPDATE_TIMER_Timer();

    // The six timers, in their switching order.
    [[nodiscard]] std::vector<const Control*> timers() const;
    // Whether a cell the engine reads or writes, other than the uptime line, is drawn: then
    // every round can be seen.
    [[nodiscard]] bool workingCellsDrawn(const WindowLayout& layout) const;
    // When the uptime line next changes, on the tick counter's scale: the whole second after the
    // last sample. Nothing before the first sample.
    [[nodiscard]] std::optional<std::uint64_t> nextDisplayChange() const;
    [[nodiscard]] std::uint64_t lastSample() const noexcept { return lastSample_.value_or(0); }

private:
    // A unit total and the cell holding its divisor.
    struct UnitTotal {
        Control* total;
        Control* divisor;
    };

    // The minute and second stages: the same steps one level apart. Returns the whole count.
    std::int32_t subdivide(const Control& factor, const Control& fractionAbove,
                           const Control& wholeAbove, Control& fractionScaled, Control& wholeScaled,
                           Control& difference, double millisecondsPerUnit);
    // A cell's text read as a number. Most reads find the text of the read before (the divisors
    // and factors; the sample, read once per unit), so each cell keeps its last reading.
    double read(const Control& cell);
    void writeNumber(Control& cell, double value);
    void writeWhole(Control& cell, std::int64_t value);

    MainForm& form_;
    TickCounter& tickCounter_;

    // Years first, seconds last: the order in which a run writes them.
    std::array<UnitTotal, 7> units_;
    // Number texts and the line are built here, so a round allocates nothing once warm.
    std::string scratch_;
    // The last text read from each cell, by control index, and what it read as.
    struct Reading {
        std::string text;
        double value = 0;  // what an empty text reads as
    };
    std::vector<Reading> readings_;
    std::optional<std::uint64_t> lastSample_;
};

}  // namespace lwviz
