#pragma once

// How the window model's units become Qt's: twips to device-independent pixels, packed
// colours to QColor, the design fonts to fonts installed here.

#include <QColor>
#include <QFont>
#include <QRect>

#include "core/control.h"

namespace lwviz::qt {

// 1440 twips to the inch, 96 device-independent pixels to the inch.
inline constexpr double kTwipsPerPixel = 15.0;

[[nodiscard]] int twipsToPixels(double twips);
[[nodiscard]] float pixelsToTwips(int pixels);
[[nodiscard]] QRect toPixels(const Rect& twips);
// The bounding rectangle of a line, at least one pixel wide and high.
[[nodiscard]] QRect toPixels(const LinePoints& twips);

// 0x00BBGGRR as a QColor.
[[nodiscard]] QColor toQColor(Colour colour);

// The design face and size on this machine: "MS Sans Serif" and "Arial" become a metric-
// compatible installed face, and the size is fixed in pixels (points at 96 dpi) so the text
// fits the control rectangles whatever the screen's dpi setting.
[[nodiscard]] QFont toQFont(const Font& font);

}  // namespace lwviz::qt
