#pragma once

#include <cstdint>
#include <optional>

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// What a front-end does with the program's windows on the program's behalf. After every event
// the program calls it to bring the screen up to date: windows shown or gone, changed
// properties drawn, the one toolkit timer armed, the end of the program.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Puts a loaded window on the screen as the model holds it now, and fits its layout to the
    // client area. With an owner it is modal: the owner takes no input until the window is
    // unloaded, and the program goes on running.
    virtual void show(Window& window, Window* owner) = 0;
    // Draws what the handlers changed of a control: the properties flagged in `changes`.
    virtual void apply(Control& control, std::uint8_t changes) = 0;
    // The handlers moved or resized the window.
    virtual void place(Window& window) = 0;
    // The window has been unloaded: take it off the screen.
    virtual void unloaded(Window& window) = 0;
    // Wake the program when the scheduler's clock reads `dueMs` (which may have passed);
    // nothing: no timer is armed. `nowMs` is what it reads now, for a toolkit that can only wait
    // a span.
    virtual void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) = 0;
    // The program has ended with this exit status: leave the event loop.
    virtual void end(int status) = 0;
    // The window's native handle for the window manager; 0 while it has none.
    [[nodiscard]] virtual NativeWindow nativeHandle(const Window& window) = 0;
};

}  // namespace lwviz
