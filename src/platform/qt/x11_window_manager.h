#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/ports.h"

struct xcb_connection_t;

namespace lwviz::qt {

// Stacking on an X11 desktop through the window manager's EWMH protocol: the foreground window
// is the program's own focused window, else the root's _NET_ACTIVE_WINDOW, and topmost is the
// _NET_WM_STATE_ABOVE state, asked of the window manager for any program's window. Handles are X
// client window ids (QWidget::winId()).
class X11WindowManager final : public WindowManager {
public:
    // Uses Qt's own connection to the X server and the root window of its first screen.
    X11WindowManager(xcb_connection_t* connection, std::uint32_t root);

    [[nodiscard]] NativeWindow foregroundWindow() override;
    // Takes _NET_WM_STATE_ABOVE away and raises the window to the top of the normal windows.
    void removeTopmost(NativeWindow window) override;
    // Adds _NET_WM_STATE_ABOVE and raises the window to the top of the topmost windows.
    void makeTopmost(NativeWindow window) override;

private:
    enum Atom : std::uint8_t { kActiveWindow, kWmState, kWmStateAbove, kRestackWindow, kAtoms };

    void sendToRoot(std::uint32_t window, std::uint32_t type, std::array<std::uint32_t, 5> data);
    void setAbove(NativeWindow window, bool on);

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::array<std::uint32_t, kAtoms> atoms_{};
};

// The window manager port for the platform Qt runs on: EWMH on X11 ("xcb"); elsewhere
// (Wayland, offscreen) only the stay-on-top hint of the program's own windows, which is said
// once on stderr. Call after the QApplication exists.
[[nodiscard]] std::unique_ptr<WindowManager> makeWindowManager();

}  // namespace lwviz::qt
