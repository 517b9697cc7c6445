#pragma once

#include <string_view>

#include "core/window.h"
#include "core/window_placement.h"

namespace lwviz {

// LW_VIZ_ABOUT as designed: name, version and author of the program above a copy of the last
// log entry, and the OK button.
[[nodiscard]] const WindowDefinition& aboutWindowDefinition();

// The author's address, which a double-click on the author line shows.
inline constexpr std::string_view kAuthorContact = "Quarn208@example.com";

// Where and how large the window opens when nothing is stored: the design client area plus the
// window frame, at the main window's default corner.
inline constexpr WindowPlace kAboutDefaultPlace{1000, 1000, 5655 + 2 * 45, 4515 + 330 + 45};

}  // namespace lwviz
