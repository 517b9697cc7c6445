#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// Milliseconds since the system started, including time asleep: GetTickCount64, which never
// wraps (the 32-bit GetTickCount does after 49.7 days).
class TickCount64Counter final : public TickCounter {
public:
    [[nodiscard]] std::uint64_t milliseconds() override;
};

// The scheduler's clock: the performance counter, finer than the 15.6 ms tick count and
// unaffected by changes of the wall clock.
class PerformanceCounterClock final : public MonotonicClock {
public:
    PerformanceCounterClock();
    [[nodiscard]] std::int64_t nowMs() override;

private:
    std::int64_t frequency_;
};

}  // namespace lwviz::win32
