#pragma once

// How the window model's values become Qt's: packed colours to QColor, the design fonts to
// fonts installed here, pixel rectangles to QRect.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "core/control.h"
#include "core/twips.h"

namespace lwviz::qt {

[[nodiscard]] inline QRect toQRect(const PixelRect& r) {
    return {r.left, r.top, r.width(), r.height()};
}

[[nodiscard]] inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// 0x00BBGGRR as a QColor.
[[nodiscard]] QColor toQColor(Colour colour);

// The design face and size on this machine: "MS Sans Serif" and "Arial" become a metric-
// compatible installed face, and the size is fixed in pixels (points at 96 dpi) so the text
// fits the control rectangles whatever the screen's dpi setting.
[[nodiscard]] QFont toQFont(const Font& font);

}  // namespace lwviz::qt
