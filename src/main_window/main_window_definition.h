#pragma once

#include "core/window.h"
#include "core/window_placement.h"

namespace lwviz {

// LW_VIZ_MAIN as designed: the control panel the user works with, and the working area of
// cells, captions and a line that only a larger window shows.
[[nodiscard]] const WindowDefinition& mainWindowDefinition();

// Where the load puts the window when nothing usable is stored; the size shows the control
// panel only.
inline constexpr WindowPlace kMainDefaultPlace{1000, 1000, 4380, 2325};

}  // namespace lwviz
