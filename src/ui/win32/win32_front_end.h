#pragma once

#include <windows.h>

#include <optional>

#include "app/application.h"
#include "app/view_host.h"
#include "platform/win32/timer_window_wake_up.h"
#include "ui/win32/window_view.h"

namespace lwviz::win32 {

// The program's windows on Win32: a view per window the program shows, its changes drawn, and
// the message loop woken when the program's next timer falls due.
class Win32FrontEnd final : public ViewHost<WindowView> {
public:
    // `highContrast` tells the windows whether high contrast is on.
    explicit Win32FrontEnd(HINSTANCE instance, HighContrastQuery highContrast = systemHighContrast);
    Win32FrontEnd(const Win32FrontEnd&) = delete;
    Win32FrontEnd& operator=(const Win32FrontEnd&) = delete;
    Win32FrontEnd(Win32FrontEnd&&) = delete;
    Win32FrontEnd& operator=(Win32FrontEnd&&) = delete;
    ~Win32FrontEnd() override;

    // Starts the program; its main window is shown the way `show` says.
    void open(Application& app, int show = SW_SHOWNORMAL);
    // The message loop until the program ends; returns its exit status.
    int run();

    void show(Window& window, Window* owner) override;
    void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) override;
    void end(int status) override;

private:
    void takeDown(WindowView& view) override;

    HINSTANCE instance_;
    HighContrastQuery highContrast_;
    int firstShow_ = SW_SHOWNORMAL;
    TimerWindowWakeUp wakeUp_;
};

}  // namespace lwviz::win32
