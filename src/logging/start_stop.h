#pragma once

#include <array>

#include "app/main_form.h"

namespace lwviz {

// The START/STOP button. A cycle keeps no state of its own: the caption decides whether a
// click starts or aborts, and which cycle timer is enabled tells how far a cycle has got.
class StartStop {
public:
    explicit StartStop(MainForm& form);

    void START_STOP_BUTTON_Click();

private:
    void startSequence();
    void stopSequence();

    Control& START_STOP_BUTTON;
    Control& CURRENT_STATUS_LABEL;
    Control& LW_UPTIME_DISPLAY_TEXTBOX;
    Control& AUTOCLOSE_TICKBOX;
    Control& AUTOSTART_TIMER;
    Control& LOG_TIMER;
    Control& AUTOCLOSE_TIMER;
    std::array<Control*, 6> engineTimers_{};  // in their switching order
};

}  // namespace lwviz
