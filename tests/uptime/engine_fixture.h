#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/dispatcher.h"
#include "core/scheduler.h"
#include "main_window/main_form.h"
#include "support/fakes.h"
#include "uptime/uptime_engine.h"

namespace lwviz::testing {

inline constexpr std::uint64_t kSecond = 1'000;
inline constexpr std::uint64_t kMinute = 60 * kSecond;
inline constexpr std::uint64_t kHour = 60 * kMinute;
inline constexpr std::uint64_t kDay = 24 * kHour;

// The uptime line for a count of milliseconds, by integer arithmetic.
inline std::string ExactLine(std::uint64_t ms) {
    return std::to_string(ms / kDay) + "d, " + std::to_string(ms % kDay / kHour) + "h, " +
           std::to_string(ms % kHour / kMinute) + "m, " + std::to_string(ms % kMinute / kSecond) +
           "s";
}

// A tick counter that reads whatever the test set.
class SetTicks final : public TickCounter {
public:
    [[nodiscard]] std::uint64_t milliseconds() override { return ms; }
    std::uint64_t ms = 0;
};

// The engine on a fresh main window, with the dispatcher's failure path. A round is one
// wake-up of the six engine timers: each handler as its own event, in the switching order, so
// a failure ends the round and the program there.
struct EngineRig {
    void round(std::uint64_t ms) {
        ticks.ms = ms;
        dispatcher.dispatch([this] { engine.UPTIME_TIMER_Timer(); });
        dispatcher.dispatch([this] { engine.DAY_UPTIME_TIMER_Timer(); });
        dispatcher.dispatch([this] { engine.HOUR_UPTIME_TIMER_Timer(); });
        dispatcher.dispatch([this] { engine.MINUTE_UPTIME_TIMER_Timer(); });
        dispatcher.dispatch([this] { engine.SECOND_UPTIME_TIMER_Timer(); });
        dispatcher.dispatch([this] { engine.LW_DISPLAY_UPDATE_TIMER_Timer(); });
    }

    Control& cell(std::string_view name) { return form.window.control(name); }
    const std::string& text(std::string_view name) { return cell(name).text(); }
    const std::string& line() { return text("LW_UPTIME_DISPLAY_TEXTBOX"); }

    MainForm form;
    SetTicks ticks;
    UptimeEngine engine{form, ticks};
    VirtualClock clock;
    Scheduler scheduler{clock};
    RecordingFailureReporter failures;
    Dispatcher dispatcher{scheduler, failures};
};

}  // namespace lwviz::testing
