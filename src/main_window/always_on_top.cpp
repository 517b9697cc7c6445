#include "main_window/always_on_top.h"

namespace lwviz {

AlwaysOnTop::AlwaysOnTop(MainForm& form, WindowManager& windowManager, WindowHost& host)
    : window_(form.window), windowManager_(windowManager), host_(host) {
    form.AlwaysOnTopTimer.onTimer = [this] { AlwaysOnTopTimer_Timer(); };
}

void AlwaysOnTop::AlwaysOnTopTimer_Timer() {
    const NativeWindow own = host_.nativeHandle(window_);
    // Not on the screen (yet): there is nothing to raise, so nobody else is demoted either.
    if (own == 0) {
        return;
    }
    if (windowManager_.foregroundWindow() == own) {
        return;
    }
    // Asked again: whichever window has the focus now is the one that gives way.
    const NativeWindow other = windowManager_.foregroundWindow();
    if (other != 0) {
        windowManager_.removeTopmost(other);
    }
    windowManager_.makeTopmost(host_.nativeHandle(window_));
}

}  // namespace lwviz
