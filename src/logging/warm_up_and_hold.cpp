#include "logging/warm_up_and_hold.h"

#include <utility>

#include "logging/cycle_texts.h"

namespace lwviz {

WarmUpAndHold::WarmUpAndHold(MainForm& form, std::function<void()> unloadMainWindow)
    : CURRENT_STATUS_LABEL(form.window.control("CURRENT_STATUS_LABEL")),
      START_STOP_BUTTON(form.window.control("START_STOP_BUTTON")),
      AUTOCLOSE_TICKBOX(form.window.control("AUTOCLOSE_TICKBOX")),
      AUTOSTART_TIMER(form.window.control("AUTOSTART_TIMER")),
      LOG_TIMER(form.window.control("LOG_TIMER")),
      AUTOCLOSE_TIMER(form.window.control("AUTOCLOSE_TIMER")),
      unloadMainWindow_(std::move(unloadMainWindow)) {
    AUTOSTART_TIMER.onTimer = [this] { AUTOSTART_TIMER_Timer(); };
    AUTOCLOSE_TIMER.onTimer = [this] { AUTOCLOSE_TIMER_Timer(); };
}

void WarmUpAndHold::AUTOSTART_TIMER_Timer() {
    CURRENT_STATUS_LABEL.setCaption(kStatusLogging);
    LOG_TIMER.setEnabled(true);
    AUTOSTART_TIMER.setEnabled(false);
}

void WarmUpAndHold::AUTOCLOSE_TIMER_Timer() {
    // The box is read afresh here: whoever ticked or unticked it during the hold has the
    // last word, whatever the log writer showed.
    if (AUTOCLOSE_TICKBOX.value() == kTicked) {
        CURRENT_STATUS_LABEL.setCaption(kStatusAutoclosing);
        // The timer is left on: it goes with the window.
        unloadMainWindow_();
    } else {
        CURRENT_STATUS_LABEL.setCaption(kStatusReady);
        START_STOP_BUTTON.setCaption(kCaptionStart);
        AUTOCLOSE_TIMER.setEnabled(false);
    }
}

}  // namespace lwviz
