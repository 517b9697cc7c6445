#pragma once

#include <functional>

namespace lwviz {

// A text's size on the screen, or the room a box gives it, in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// The smallest size the fit below goes down to: still legible on every screen.
inline constexpr double kSmallestFittingPoints = 4;

// The font size at which a multi-line box shows its whole text, where it would otherwise wrap
// a line or hide the last ones: the design's size, or the largest smaller one in quarter
// points (not below kSmallestFittingPoints) at which the widest line fits the room's width and
// all lines its height. `measure(points)` gives the text's extent at that size.
[[nodiscard]] double pointsToFit(double designPoints, TextExtent room,
                                 const std::function<TextExtent(double points)>& measure);

}  // namespace lwviz
