#pragma once

#include <functional>

#include "app/main_form.h"

namespace lwviz {

// The two cycle timers around the log entry: the end of the warm-up hands over to the log
// writer, the end of the hold closes the program (Auto Close ticked) or returns to rest.
class WarmUpAndHold {
public:
    // `unloadMainWindow` unloads the main window with its close handling; the program ends
    // when it returns.
    WarmUpAndHold(MainForm& form, std::function<void()> unloadMainWindow);

    void AUTOSTART_TIMER_Timer();
    void AUTOCLOSE_TIMER_Timer();

private:
    Control& CURRENT_STATUS_LABEL;
    Control& START_STOP_BUTTON;
    Control& AUTOCLOSE_TICKBOX;
    Control& AUTOSTART_TIMER;
    Control& LOG_TIMER;
    Control& AUTOCLOSE_TIMER;
    std::function<void()> unloadMainWindow_;
};

}  // namespace lwviz
