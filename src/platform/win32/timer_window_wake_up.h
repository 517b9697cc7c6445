#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace lwviz::win32 {

// The message loop's one wake-up: a window timer on a message-only window, whose WM_TIMER the
// loop dispatches like any other message.
class TimerWindowWakeUp {
public:
    TimerWindowWakeUp(HINSTANCE instance, std::function<void()> wake);
    TimerWindowWakeUp(const TimerWindowWakeUp&) = delete;
    TimerWindowWakeUp& operator=(const TimerWindowWakeUp&) = delete;
    TimerWindowWakeUp(TimerWindowWakeUp&&) = delete;
    TimerWindowWakeUp& operator=(TimerWindowWakeUp&&) = delete;
    ~TimerWindowWakeUp();

    // Nothing: no wake-up. `nowMs` is the clock's reading, for the timer's period.
    void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> wake_;
    HWND window_ = nullptr;
    unsigned armedMs_ = 0;  // the period the timer is armed with; 0: none
    bool waking_ = false;   // wake_ runs from the timer's tick
};

}  // namespace lwviz::win32
