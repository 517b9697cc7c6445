#include "core/accessibility.h"

#include <algorithm>
#include <tuple>

namespace lwviz {

const Control* captionOf(const Control& control) noexcept {
    for (const Control& other : control.window().controls()) {
        if (other.definition().accessible.labelFor == control.name()) {
            return &other;
        }
    }
    return nullptr;
}

const Control* namedBy(const Control& caption) noexcept {
    const std::string_view target = caption.definition().accessible.labelFor;
    if (target.empty()) {
        return nullptr;
    }
    for (const Control& other : caption.window().controls()) {
        if (other.name() == target) {
            return &other;
        }
    }
    return nullptr;
}

std::string accessibleName(const Control& control) {
    if (const std::string_view own = control.definition().accessible.name; !own.empty()) {
        return std::string(own);
    }
    const Control* caption = captionOf(control);
    if (caption == nullptr) {
        return {};
    }
    std::string_view text = caption->text();
    if (!text.empty() && text.back() == ':') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

ShownColours shownColours(const Control& control, bool highContrast) noexcept {
    if (highContrast) {
        return {};
    }
    return {control.definition().foreColor, control.backColor()};
}

std::vector<const Control*> readingOrder(const Window& window) {
    std::vector<const Control*> order;
    for (const Control& control : window.controls()) {
        if (window.layout().drawn(control) && control.kind() != ControlKind::Line) {
            order.push_back(&control);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const Rect& ra = a->definition().rect;
        const Rect& rb = b->definition().rect;
        return std::tie(ra.top, ra.left) < std::tie(rb.top, rb.left);
    });
    return order;
}

}  // namespace lwviz
