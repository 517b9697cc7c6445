#include "uptime/whole_count.h"

#include <cmath>

#include "core/conversions.h"
#include "core/runtime_failure.h"

namespace lwviz {

std::int32_t WholeCount(std::string_view text, double millisecondsPerUnit) {
    // Whole milliseconds, so the floor below is taken exactly, in integers. A quantity past
    // what 64 bits hold (some 292 million years), or with no value, is far beyond 32 bits.
    const double whole = std::nearbyint(conv::TextToDouble(text, '.') * millisecondsPerUnit);
    constexpr double kWholeInIntegers = 9.2e18;
    if (!(std::fabs(whole) < kWholeInIntegers)) {
        throw RuntimeFailure::overflow();
    }
    const auto ms = static_cast<std::int64_t>(whole);
    const auto unit = static_cast<std::int64_t>(millisecondsPerUnit);
    const std::int64_t count = ms / unit - (ms % unit < 0 ? 1 : 0);
    return conv::ToLong(static_cast<double>(count));
}

}  // namespace lwviz
