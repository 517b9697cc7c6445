#pragma once

#include <string>
#include <string_view>

#include "core/runtime_failure.h"

namespace lwviz {

// How a run-time failure is told to the user: the same title and words on every platform.
inline constexpr std::string_view kFailureReportTitle = "LW-DODOZU-ZIDADA";

[[nodiscard]] inline std::string failureReportText(const RuntimeFailure& failure) {
    return "Run-time error '" + std::to_string(failure.number()) + "':\n\n" + failure.description();
}

}  // namespace lwviz
