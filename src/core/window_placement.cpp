#include "core/window_placement.h"

#include <algorithm>
#include <vector>

#include "core/twips.h"

namespace lwviz {

void keepOnScreen(Window& window, ScreenLayout& screens, float defaultLeft, float defaultTop) {
    const std::vector<ScreenRect> areas = screens.screens();
    if (areas.empty()) {
        return;
    }
    const double left = window.left();
    const double top = window.top();
    const double right = left + window.width();
    const double bottom = top + window.height();
    const bool visible = std::any_of(areas.begin(), areas.end(), [&](const ScreenRect& s) {
        return left < s.left + s.width && right > s.left && top < s.top + s.height &&
               bottom > s.top;
    });
    if (!visible) {
        window.setLeft(defaultLeft);
        window.setTop(defaultTop);
    }
}

void userMoved(Window& window, int leftPixel, int topPixel, bool minimized) noexcept {
    const unsigned dpi = window.layout().dpi();
    if (minimized || (leftPixel == twipsToPixels(window.left(), dpi) &&
                      topPixel == twipsToPixels(window.top(), dpi))) {
        return;
    }
    window.movedTo(pixelsToTwips(leftPixel, dpi), pixelsToTwips(topPixel, dpi));
}

}  // namespace lwviz
