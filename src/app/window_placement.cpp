#include "app/window_placement.h"

#include <algorithm>
#include <vector>

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

}  // namespace lwviz
