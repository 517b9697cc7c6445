#pragma once

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// A restored window that would lie wholly outside every screen goes to the default corner
// instead, so it never opens where nobody can see or reach it. With no screen information
// every position is kept.
void keepOnScreen(Window& window, ScreenLayout& screens, float defaultLeft, float defaultTop);

}  // namespace lwviz
