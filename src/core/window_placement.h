#pragma once

#include "core/ports.h"
#include "core/twips.h"
#include "core/window.h"

namespace lwviz {

// A window's outer corner and size, in twips.
struct WindowPlace {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The frame that the windows' outer sizes are designed for, in twips: a border of 45 at each
// side and below, a title bar of 330 (3 and 22 pixels at 96 dpi). The client area is the outer
// size less this frame on every desktop; the frame the desktop really draws adds to it, so what
// is drawn never depends on the window manager.
inline constexpr int kDesignBorderTwips = 45;
inline constexpr int kDesignTitleBarTwips = 330;

// The least outer size with which a window's frame stays usable: both borders, and a title bar
// with room for its icon and two buttons.
inline constexpr float kLeastUsableWidth = 2 * kDesignBorderTwips + 3 * kDesignTitleBarTwips;
inline constexpr float kLeastUsableHeight = kDesignTitleBarTwips + kDesignBorderTwips;

// A frame's width on each side of a client area, in pixels.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// The design's frame at that dpi.
[[nodiscard]] FrameMargins designFrame(unsigned dpi) noexcept;

// The client area the window draws at that dpi: its outer size less the design's frame, at
// least one pixel each way.
[[nodiscard]] PixelRect clientArea(const Window& window, unsigned dpi) noexcept;

// Where the client area's corner goes so that the outer corner of the frame the desktop really
// draws (`real`) lands on the window's place; the client area's size is clientArea's.
[[nodiscard]] PixelRect clientOnScreen(const Window& window, const FrameMargins& real,
                                       unsigned dpi) noexcept;

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
