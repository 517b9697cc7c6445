#pragma once

#include <cstddef>
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

// The same fit for `lineCount` lines, measured one at a time: `lineExtent(points, line)` gives
// the width and height of one line at that size. The text's extent is its widest line by all
// lines' heights, so every front-end measures the same way.
[[nodiscard]] double pointsToFitLines(
    double designPoints, TextExtent room, std::size_t lineCount,
    const std::function<TextExtent(double points, std::size_t line)>& lineExtent);

}  // namespace lwviz
