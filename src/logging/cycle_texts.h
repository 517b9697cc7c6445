#pragma once

#include <string_view>

namespace lwviz {

// What the logging cycle shows: the status line, the button captions and the display text
// while the uptime engine is stopped.
inline constexpr std::string_view kStatusReady = "READY...";
inline constexpr std::string_view kStatusStarting = "!!! STARTING !!!";
inline constexpr std::string_view kStatusAutostarting = "!!! AUTOSTARTING !!!";
inline constexpr std::string_view kStatusLogging = "!!! LOGGING UPTIME !!!";
inline constexpr std::string_view kStatusAutoclosing = "!!! AUTOCLOSING !!!";
inline constexpr std::string_view kStatusAborted = "!!! ABORTED !!!";

// The button's caption is the cycle's state: exactly this text starts, anything else stops.
inline constexpr std::string_view kCaptionStart = "START";
inline constexpr std::string_view kCaptionStop = "STOP";

inline constexpr std::string_view kTimersDisabled = "TIMERS DISABLED";

}  // namespace lwviz
