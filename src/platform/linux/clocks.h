#pragma once

#include "core/ports.h"

namespace lwviz::linux_os {

// Milliseconds since boot, including time asleep (CLOCK_BOOTTIME), the full 64-bit count.
class BootTimeTickCounter final : public TickCounter {
public:
    [[nodiscard]] std::uint64_t milliseconds() override;
};

// The scheduler's clock: CLOCK_BOOTTIME, unaffected by changes of the wall clock. The tick
// counter's clock, so that the moment the uptime line changes is a whole millisecond on it, and
// timers count time asleep as they do on Windows.
class SteadyClock final : public MonotonicClock {
public:
    [[nodiscard]] std::int64_t nowMs() override;
};

}  // namespace lwviz::linux_os
