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
    // Whole milliseconds, so the floor below is taken in exact arithmetic: fmod is exact, and
    // the difference is a multiple of the unit that divides without a remainder.
    const double whole = std::nearbyint(milliseconds);
    const double rest = std::fmod(whole, millisecondsPerUnit);
    double count = (whole - rest) / millisecondsPerUnit;
    if (rest < 0) {
        count -= 1;
    }
    return conv::ToLong(count);
}

}  // namespace lwviz
