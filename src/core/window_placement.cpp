#include "core/window_placement.h"

#include <algorithm>
#include <vector>

#include "core/twips.h"

namespace lwviz {

void keepUsable(Window& window, ScreenLayout& screens, const WindowPlace& defaults) {
    const std::vector<ScreenRect> areas = screens.screens();
    double allLeft = 0;
    double allTop = 0;
    double allRight = 0;
    double allBottom = 0;
    if (!areas.empty()) {
        allLeft = areas.front().left;
        allTop = areas.front().top;
        allRight = allLeft;
        allBottom = allTop;
        for (const ScreenRect& s : areas) {
            allLeft = std::min(allLeft, s.left);
            allTop = std::min(allTop, s.top);
            allRight = std::max(allRight, s.left + s.width);
            allBottom = std::max(allBottom, s.top + s.height);
        }
    }
    const auto usable = [&areas](float size, float least, double all) {
        return size >= least && (areas.empty() || size <= all);
    };
    if (!usable(window.width(), kLeastUsableWidth, allRight - allLeft)) {
        window.setWidth(defaults.width);
    }
    if (!usable(window.height(), kLeastUsableHeight, allBottom - allTop)) {
        window.setHeight(defaults.height);
    }
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
        window.setLeft(defaults.left);
        window.setTop(defaults.top);
    }
}

FrameMargins designFrame(unsigned dpi) noexcept {
    const int border = twipsToPixels(kDesignBorderTwips, dpi);
    return {border, twipsToPixels(kDesignTitleBarTwips, dpi), border, border};
}

PixelRect clientArea(const Window& window, unsigned dpi) noexcept {
    const FrameMargins frame = designFrame(dpi);
    return {0, 0, std::max(1, twipsToPixels(window.width(), dpi) - frame.left - frame.right),
            std::max(1, twipsToPixels(window.height(), dpi) - frame.top - frame.bottom)};
}

PixelRect clientOnScreen(const Window& window, const FrameMargins& real, unsigned dpi) noexcept {
    const PixelRect client = clientArea(window, dpi);
    const int left = twipsToPixels(window.left(), dpi) + real.left;
    const int top = twipsToPixels(window.top(), dpi) + real.top;
    return {left, top, left + client.width(), top + client.height()};
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
