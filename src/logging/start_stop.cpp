#include "logging/start_stop.h"

#include "app/timer_groups.h"
#include "logging/cycle_texts.h"

namespace lwviz {

StartStop::StartStop(MainForm& form)
    : START_STOP_BUTTON(form.window.control("START_STOP_BUTTON")),
      CURRENT_STATUS_LABEL(form.window.control("CURRENT_STATUS_LABEL")),
      LW_UPTIME_DISPLAY_TEXTBOX(form.window.control("LW_UPTIME_DISPLAY_TEXTBOX")),
      AUTOCLOSE_TICKBOX(form.window.control("AUTOCLOSE_TICKBOX")),
      AUTOSTART_TIMER(form.window.control("AUTOSTART_TIMER")),
      LOG_TIMER(form.window.control("LOG_TIMER")),
      AUTOCLOSE_TIMER(form.window.control("AUTOCLOSE_TIMER")) {
    for (std::size_t i = 0; i < kEngineTimers.size(); ++i) {
        engineTimers_[i] = &form.window.control(kEngineTimers[i]);
    }
    START_STOP_BUTTON.onClick = [this] { START_STOP_BUTTON_Click(); };
}

void StartStop::START_STOP_BUTTON_Click() {
    if (START_STOP_BUTTON.caption() == kCaptionStart) {
        startSequence();
    } else {
        stopSequence();
    }
}

void StartStop::startSequence() {
    START_STOP_BUTTON.setCaption(kCaptionStop);
    for (Control* timer : engineTimers_) {
        timer->setEnabled(true);
    }
    // The text stays until the display timer's next tick writes the uptime line.
    LW_UPTIME_DISPLAY_TEXTBOX.setBackColor(kBlack);
    AUTOSTART_TIMER.setEnabled(true);
    AUTOCLOSE_TICKBOX.setEnabled(true);
    CURRENT_STATUS_LABEL.setCaption(kStatusStarting);
}

void StartStop::stopSequence() {
    START_STOP_BUTTON.setCaption(kCaptionStart);
    for (Control* timer : engineTimers_) {
        timer->setEnabled(false);
    }
    LW_UPTIME_DISPLAY_TEXTBOX.setBackColor(kRed);
    LW_UPTIME_DISPLAY_TEXTBOX.setText(kTimersDisabled);
    CURRENT_STATUS_LABEL.setCaption(kStatusAborted);
    // An aborted cycle must not leave an unattended close armed for the next one.
    AUTOCLOSE_TICKBOX.setValue(kClear);
    AUTOCLOSE_TICKBOX.setEnabled(false);
    AUTOSTART_TIMER.setEnabled(false);
    LOG_TIMER.setEnabled(false);
    AUTOCLOSE_TIMER.setEnabled(false);
}

}  // namespace lwviz
