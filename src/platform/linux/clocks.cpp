#include "platform/linux/clocks.h"

#include <ctime>

namespace lwviz::linux_os {
namespace {
std::int64_t millisecondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}
}  // namespace

std::uint64_t BootTimeTickCounter::milliseconds() {
    return static_cast<std::uint64_t>(millisecondsOf(CLOCK_BOOTTIME));
}

std::int64_t SteadyClock::nowMs() { return millisecondsOf(CLOCK_BOOTTIME); }

}  // namespace lwviz::linux_os
