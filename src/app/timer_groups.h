#pragma once

#include <array>
#include <string_view>

namespace lwviz {

// The six timers of the uptime engine, always switched together and in this order.
inline constexpr std::array<std::string_view, 6> kEngineTimers = {
    "UPTIME_TIMER",        "DAY_UPTIME_TIMER",    "HOUR_UPTIME_TIMER",
    "MINUTE_UPTIME_TIMER", "SECOND_UPTIME_TIMER", "LW_DISPLAY_UPDATE_TIMER"};

}  // namespace lwviz
