#include "uptime/whole_count.h"

#include <cmath>

#include "core/conversions.h"
#include "core/runtime_failure.h"

namespace lwviz {

std::int32_t WholeCount(std::string_view text, double millisecondsPerUnit) {
    const double milliseconds = conv::TextToDouble(text, '.') * millisecondsPerUnit;
    if (!std::isfinite(milliseconds)) {
        throw RuntimeFailure::overflow();
    }
    // Whole milliseconds, so the floor below is taken in exact arithmetic: in integers while
    // they hold the count (every uptime up to 292 million years), else by fmod, which is exact
    // too, leaving a multiple of the unit that divides without a remainder.
    const double whole = std::nearbyint(milliseconds);
    constexpr double kWholeInIntegers = 9.2e18;
    if (std::fabs(whole) < kWholeInIntegers) {
        const auto ms = static_cast<std::int64_t>(whole);
        const auto unit = static_cast<std::int64_t>(millisecondsPerUnit);
        const std::int64_t count = ms / unit - (ms % unit < 0 ? 1 : 0);
        return conv::ToLong(static_cast<double>(count));
    }
    const double rest = std::fmod(whole, millisecondsPerUnit);
    double count = (whole - rest) / millisecondsPerUnit;
    if (rest < 0) {
        count -= 1;
    }
    return conv::ToLong(count);
}

}  // namespace lwviz
