#pragma once

#include <cmath>

namespace lwviz::win32 {

// 1440 twips to the inch: 15 per pixel at 96 dpi, 10 at 144 dpi (150 %).
inline constexpr int kTwipsPerInch = 1440;

[[nodiscard]] inline int twipsToPixels(double twips, unsigned dpi) noexcept {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

[[nodiscard]] inline float pixelsToTwips(long pixels, unsigned dpi) noexcept {
    return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

}  // namespace lwviz::win32
