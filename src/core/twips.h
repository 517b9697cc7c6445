#pragma once

#include <cmath>

#include "core/control.h"

namespace lwviz {

// Twips are 1440 to the inch: 15 to the pixel at 96 dpi, 10 at 144 dpi (150 %). Toolkits that
// work in device-independent pixels (Qt) always pass kStandardDpi.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr unsigned kStandardDpi = 96;

[[nodiscard]] inline int twipsToPixels(double twips, unsigned dpi) noexcept {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

[[nodiscard]] inline float pixelsToTwips(long pixels, unsigned dpi) noexcept {
    return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

// A rectangle in pixels; right and bottom lie just outside it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    [[nodiscard]] int width() const noexcept { return right - left; }
    [[nodiscard]] int height() const noexcept { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Both edges are converted, so neighbouring controls keep their common edge at every dpi.
[[nodiscard]] inline PixelRect toPixels(const Rect& twips, unsigned dpi) noexcept {
    return {twipsToPixels(twips.left, dpi), twipsToPixels(twips.top, dpi),
            twipsToPixels(twips.left + twips.width, dpi),
            twipsToPixels(twips.top + twips.height, dpi)};
}

// Where a control lies on its window's client area. A line's box holds both of its ends, so it
// is at least one pixel wide and high.
[[nodiscard]] PixelRect pixelBounds(const Control& control, unsigned dpi) noexcept;

}  // namespace lwviz
