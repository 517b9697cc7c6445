#pragma once

#include <QMargins>
#include <QWindow>
#include <optional>

namespace lwviz::qt {

// The frame the X11 window manager will draw around a window that is not shown yet, asked of
// it ahead (_NET_REQUEST_FRAME_EXTENTS), so that the window opens where it belongs rather than
// moving once its real frame is known. Nothing where the window manager does not offer the
// request, does not answer within a moment, or off X11.
[[nodiscard]] std::optional<QMargins> frameExtentsAhead(QWindow& window);

}  // namespace lwviz::qt
