#include "platform/win32/clocks.h"

#include <windows.h>

namespace lwviz::win32 {

std::uint64_t TickCount64Counter::milliseconds() { return GetTickCount64(); }

PerformanceCounterClock::PerformanceCounterClock() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);  // never fails on Windows XP and later
    frequency_ = frequency.QuadPart;
}

std::int64_t PerformanceCounterClock::nowMs() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    // Whole seconds and the remainder apart, so the product cannot overflow.
    const std::int64_t seconds = now.QuadPart / frequency_;
    const std::int64_t rest = now.QuadPart % frequency_;
    return seconds * 1000 + rest * 1000 / frequency_;
}

}  // namespace lwviz::win32
