#pragma once

#include <functional>
#include <vector>

#include "core/control.h"
#include "core/twips.h"

namespace lwviz {

class Window;

// What a front-end shows of a window at the size of its client area: which controls are drawn,
// the order that Tab follows, where the focus starts, and which buttons Enter and Escape press.
// Every front-end draws by these rules; none decides them itself.
class WindowLayout {
public:
    explicit WindowLayout(Window& window) : window_(window) {}

    // Fits the layout to a client area of that many pixels at that dpi. True when the set of
    // drawn controls changed; drawnChanged then runs first, before the front-end draws.
    bool fit(int clientWidth, int clientHeight, unsigned dpi);
    [[nodiscard]] unsigned dpi() const noexcept { return dpi_; }

    // Drawn: visible, no timer, and reaching into the client area. The cells of the working
    // area become widgets only in a window large enough to show them.
    [[nodiscard]] bool drawn(const Control& control) const noexcept;

    // The drawn controls that take the focus, in TabIndex order. Tab passes over the disabled
    // ones, as every toolkit does.
    [[nodiscard]] const std::vector<Control*>& tabChain() const noexcept { return tabChain_; }
    // Where the focus goes when the window opens: the first enabled control of the chain.
    [[nodiscard]] Control* firstFocus() const noexcept;
    // The drawn, enabled command button that carries the role, or nullptr.
    [[nodiscard]] Control* button(ButtonRole role) const noexcept;

    // Text boxes, buttons and tick boxes take the focus; labels and lines lie under them.
    [[nodiscard]] static bool takesFocus(const Control& control) noexcept;

    std::function<void()> drawnChanged;

private:
    Window& window_;
    unsigned dpi_ = kStandardDpi;
    std::vector<bool> drawn_;  // by control index; empty until the first fit
    std::vector<Control*> tabChain_;
};

}  // namespace lwviz
