#pragma once

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// A restored window that would lie wholly outside every screen goes to the default corner
// instead, so it never opens where nobody can see or reach it. With no screen information
// every position is kept.
void keepOnScreen(Window& window, ScreenLayout& screens, float defaultLeft, float defaultTop);

// The user moved the window's outer corner to this pixel (at the window's dpi). A minimized
// window sits far off screen, which is no position to keep; a corner still on the pixel that
// the window's twips give keeps those exact twips, so a stored 1000 stays 1000.
void userMoved(Window& window, int leftPixel, int topPixel, bool minimized) noexcept;

}  // namespace lwviz
