#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/application.h"
#include "app/services.h"
#include "ui/win32/window_view.h"

namespace lwviz::win32 {

// Runs the program on Win32: shows its windows, hands the user's input to it one event at a
// time, wakes it with one SetTimer when its next timer falls due, and after every event draws
// what changed. It is also the program's WindowHost.
class Win32FrontEnd final : public WindowHost, private ViewInput {
public:
    // `clock` is the one the program's scheduler runs on.
    Win32FrontEnd(HINSTANCE instance, MonotonicClock& clock);
    Win32FrontEnd(const Win32FrontEnd&) = delete;
    Win32FrontEnd& operator=(const Win32FrontEnd&) = delete;
    Win32FrontEnd(Win32FrontEnd&&) = delete;
    Win32FrontEnd& operator=(Win32FrontEnd&&) = delete;
    ~Win32FrontEnd() override;

    // Starts the program and shows its main window; false when it ended during start-up.
    bool open(Application& app, int show = SW_SHOWNORMAL);
    // The message loop until the program ends; returns its exit status.
    int run();

    // Draws what the last event changed and re-arms the timer.
    void afterEvent();

    // The view of a window while it is on the screen.
    [[nodiscard]] WindowView* view(const Window& window) const;

    // WindowHost
    [[nodiscard]] NativeWindow nativeHandle(const Window& window) override;
    void showModal(Window& window, Window& owner) override;
    void unloaded(Window& window) override;

private:
    // ViewInput
    void click(Control& control) override;
    void doubleClick(Control& control) override;
    void typed(Control& textBox, const std::string& text) override;
    void closeWindow(Window& window) override;
    void escapeKey(Window& window) override;
    void movedTo(Window& window, float left, float top) override;

    ViewInput& input() noexcept { return *this; }
    static LRESULT CALLBACK timerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void armTimer();
    void dropClosedViews();

    HINSTANCE instance_;
    MonotonicClock& clock_;
    Application* app_ = nullptr;
    HWND timerWindow_ = nullptr;  // message-only window that receives WM_TIMER
    std::vector<std::unique_ptr<WindowView>> views_;
    std::vector<std::unique_ptr<WindowView>> closed_;  // freed outside their own messages
};

}  // namespace lwviz::win32
