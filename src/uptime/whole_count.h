#pragma once

#include <cstdint>
#include <string_view>

namespace lwviz {

// Milliseconds in each unit of the breakdown, whole numbers. They tell WholeCount how fine the
// quantity of a stage really is: every quantity the engine counts is a whole number of
// milliseconds.
inline constexpr double kMillisecondsPerDay = 86'400'000.0;
inline constexpr double kMillisecondsPerHour = 3'600'000.0;
inline constexpr double kMillisecondsPerMinute = 60'000.0;
inline constexpr double kMillisecondsPerSecond = 1'000.0;

// The uptime engine's rule for whole counts. The quantity in `text` (strict reading, '.' as the
// decimal point) is rounded to the nearest millisecond of its unit, which removes the noise the
// 15-digit cell texts add, and the count is the largest whole number not above it. A quantity
// beyond the double range or a count beyond 32 bits is RuntimeFailure overflow.
[[nodiscard]] std::int32_t WholeCount(std::string_view text, double millisecondsPerUnit);

}  // namespace lwviz
