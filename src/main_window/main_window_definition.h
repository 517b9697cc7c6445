#pragma once

#include "core/window.h"

namespace lwviz {

// LW_VIZ_MAIN as designed: the control panel the user works with, and the working area of
// cells, captions and a line that only a larger window shows.
[[nodiscard]] const WindowDefinition& mainWindowDefinition();

// The outer size the load gives the window when nothing is stored: the control panel only.
inline constexpr float kMainDefaultLeft = 1000;
inline constexpr float kMainDefaultTop = 1000;
inline constexpr float kMainDefaultWidth = 4380;
inline constexpr float kMainDefaultHeight = 2325;

}  // namespace lwviz
