#pragma once

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// A window's outer corner and size, in twips.
struct WindowPlace {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The least outer size with which a window's frame stays usable: both borders, and a title bar
// with room for its icon and two buttons.
inline constexpr float kLeastUsableWidth = 2 * 45 + 3 * 330;
inline constexpr float kLeastUsableHeight = 330 + 45;

// A restored window that could not be used takes its defaults instead: a width or height that
// leaves the frame unusable or is larger than all screens together takes the default size (a
// huge one would also cost its size in memory), and a window that would lie wholly outside
// every screen takes the default corner, so it never opens where nobody can reach it. With no
// screen information only the frame is checked.
void keepUsable(Window& window, ScreenLayout& screens, const WindowPlace& defaults);

// The user moved the window's outer corner to this pixel (at the window's dpi). A minimized
// window sits far off screen, which is no position to keep; a corner still on the pixel that
// the window's twips give keeps those exact twips, so a stored 1000 stays 1000.
void userMoved(Window& window, int leftPixel, int topPixel, bool minimized) noexcept;

}  // namespace lwviz
