#pragma once

#include <cstdint>
#include <optional>

#include "app/application.h"
#include "app/view_list.h"
#include "core/window_host.h"

namespace lwviz {

// What every front-end's window host does the same way, over its own view type: it finds the
// view of a window, hands a control's changes and the window's geometry to it, gives its
// system handle, and retires it when the window is unloaded. A front-end adds showing, its
// timer and its event loop, and says how a view is taken off the screen.
template <typename View>
class ViewHost : public WindowHost {
public:
    // The view of a window while it is on the screen, else nullptr.
    [[nodiscard]] View* view(const Window& window) const { return views_.find(window); }

    void apply(Control& control, std::uint8_t changes) override {
        if (View* shown = view(control.window())) {
            shown->apply(control, changes);
        }
    }

    void place(Window& window) override {
        if (View* shown = view(window)) {
            shown->place();
        }
    }

    // The system's handle of the window's view; 0 while it has none.
    [[nodiscard]] NativeWindow nativeHandle(const Window& window) override {
        const View* shown = view(window);
        return shown == nullptr ? 0 : shown->nativeWindow();
    }

    void unloaded(Window& window) override {
        views_.retire(window, *app_, [this](View& shown) { takeDown(shown); });
    }

protected:
    // Hides or destroys the view of a window just unloaded.
    virtual void takeDown(View& view) = 0;

    Application* app_ = nullptr;
    ViewList<View> views_;
    std::optional<int> exitStatus_;  // once the program has ended
};

}  // namespace lwviz
