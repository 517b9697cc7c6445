#include "core/window_layout.h"

#include <algorithm>

#include "core/window.h"

namespace lwviz {

PixelRect pixelBounds(const Control& control, unsigned dpi) noexcept {
    if (control.kind() != ControlKind::Line) {
        return toPixels(control.definition().rect, dpi);
    }
    const LinePoints& line = control.definition().line;
    const int left = twipsToPixels(std::min(line.x1, line.x2), dpi);
    const int top = twipsToPixels(std::min(line.y1, line.y2), dpi);
    return {left, top, twipsToPixels(std::max(line.x1, line.x2), dpi) + 1,
            twipsToPixels(std::max(line.y1, line.y2), dpi) + 1};
}

bool WindowLayout::fit(int clientWidth, int clientHeight, unsigned dpi) {
    dpi_ = dpi;
    std::vector<bool> drawn;
    drawn.reserve(window_.controls().size());
    for (const Control& control : window_.controls()) {
        const PixelRect r = pixelBounds(control, dpi);
        drawn.push_back(control.kind() != ControlKind::Timer && control.visible() &&
                        r.left < clientWidth && r.top < clientHeight && r.right > 0 &&
                        r.bottom > 0);
    }
    if (drawn == drawn_) {
        return false;
    }
    drawn_ = std::move(drawn);
    tabChain_.clear();
    for (Control& control : window_.controls()) {
        if (drawn_[control.index()] && takesFocus(control)) {
            tabChain_.push_back(&control);
        }
    }
    std::stable_sort(tabChain_.begin(), tabChain_.end(), [](const Control* a, const Control* b) {
        return a->definition().tabIndex < b->definition().tabIndex;
    });
    if (drawnChanged) {
        drawnChanged();
    }
    return true;
}

bool WindowLayout::drawn(const Control& control) const noexcept {
    return control.index() < drawn_.size() && drawn_[control.index()];
}

Control* WindowLayout::firstFocus() const noexcept {
    const auto first = std::find_if(tabChain_.begin(), tabChain_.end(),
                                    [](const Control* control) { return control->enabled(); });
    return first == tabChain_.end() ? nullptr : *first;
}

Control* WindowLayout::button(ButtonRole role) const noexcept {
    for (Control* control : tabChain_) {
        if (control->kind() == ControlKind::CommandButton && control->definition().role == role &&
            control->enabled()) {
            return control;
        }
    }
    return nullptr;
}

bool WindowLayout::takesFocus(const Control& control) noexcept {
    const ControlKind kind = control.kind();
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::TickBox;
}

}  // namespace lwviz
