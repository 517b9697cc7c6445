#pragma once

#include "core/window.h"

namespace lwviz {

// LW_VIZ_ABOUT as designed: name, version and author of the program above a copy of the last
// log entry, and the OK button.
[[nodiscard]] const WindowDefinition& aboutWindowDefinition();

// Where and how large the window opens when nothing is stored: the design client area plus the
// window frame, at the main window's default corner.
inline constexpr float kAboutDefaultLeft = 1000;
inline constexpr float kAboutDefaultTop = 1000;
inline constexpr float kAboutDefaultWidth = 5745;   // 5655 + 2 * 45
inline constexpr float kAboutDefaultHeight = 4890;  // 4515 + 330 + 45

}  // namespace lwviz
