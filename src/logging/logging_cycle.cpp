#include "logging/logging_cycle.h"

#include <initializer_list>
#include <utility>

#include "logging/cycle_texts.h"

namespace lwviz {
namespace {

// The lines joined by line breaks, none after the last.
std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string joined;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) {
            joined += LoggingCycle::kLineBreak;
        }
        joined += line;
        first = false;
    }
    return joined;
}

}  // namespace

LoggingCycle::LoggingCycle(MainForm& form, Services& services,
                           std::function<void()> unloadMainWindow)
    : form_(form),
      wallClock_(services.wallClock),
      program_(services.program),
      logFile_(services.logFile),
      unloadMainWindow_(std::move(unloadMainWindow)) {
    form.START_STOP_BUTTON.onClick = [this] { START_STOP_BUTTON_Click(); };
    form.AUTOSTART_TICKBOX.onClick = [this] { AUTOSTART_TICKBOX_Click(); };
    form.AUTOSTART_TIMER.onTimer = [this] { AUTOSTART_TIMER_Timer(); };
    form.LOG_TIMER.onTimer = [this] { LOG_TIMER_Timer(); };
    form.AUTOCLOSE_TIMER.onTimer = [this] { AUTOCLOSE_TIMER_Timer(); };
}

std::string LoggingCycle::logFileName(const std::string& programBaseName) {
    return programBaseName + ".LOG";
}

void LoggingCycle::openAtRest() { rest(kStatusReady); }

void LoggingCycle::openWarmingUp() { warmUp(kStatusAutostarting); }

void LoggingCycle::warmUp(std::string_view status) {
    MainForm& f = form_;
    f.START_STOP_BUTTON.setCaption(kCaptionStop);
    f.switchEngine(true);
    // The text stays until the display timer's next tick writes the uptime line.
    f.LW_UPTIME_DISPLAY_TEXTBOX.setBackColor(kBlack);
    f.AUTOSTART_TIMER.setEnabled(true);
    f.AUTOCLOSE_TICKBOX.setEnabled(true);
    f.CURRENT_STATUS_LABEL.setCaption(status);
}

void LoggingCycle::rest(std::string_view status) {
    MainForm& f = form_;
    f.START_STOP_BUTTON.setCaption(kCaptionStart);
    f.switchEngine(false);
    f.LW_UPTIME_DISPLAY_TEXTBOX.setBackColor(kRed);
    f.LW_UPTIME_DISPLAY_TEXTBOX.setText(kTimersDisabled);
    f.CURRENT_STATUS_LABEL.setCaption(status);
    f.AUTOCLOSE_TICKBOX.setValue(kClear);
    f.AUTOCLOSE_TICKBOX.setEnabled(false);
    f.AUTOSTART_TIMER.setEnabled(false);
    f.LOG_TIMER.setEnabled(false);
    f.AUTOCLOSE_TIMER.setEnabled(false);
}

void LoggingCycle::START_STOP_BUTTON_Click() {
    // Exactly this caption starts; anything else stops.
    if (form_.START_STOP_BUTTON.caption() == kCaptionStart) {
        warmUp(kStatusStarting);
    } else {
        rest(kStatusAborted);
    }
}

void LoggingCycle::AUTOSTART_TICKBOX_Click() {
    MainForm& f = form_;
    if (f.AUTOSTART_TICKBOX.value() == kTicked) {
        f.AUTOCLOSE_TICKBOX.setEnabled(true);
    } else {
        f.AUTOCLOSE_TICKBOX.setEnabled(false);
        f.AUTOCLOSE_TICKBOX.setValue(kClear);
    }
}

void LoggingCycle::AUTOSTART_TIMER_Timer() {
    form_.CURRENT_STATUS_LABEL.setCaption(kStatusLogging);
    form_.LOG_TIMER.setEnabled(true);
    form_.AUTOSTART_TIMER.setEnabled(false);
}

void LoggingCycle::LOG_TIMER_Timer() {
    MainForm& f = form_;
    // Date and time are two readings, the date first, as the log has always shown them.
    const std::string date = wallClock_.dateText();
    const std::string time = wallClock_.timeText();
    f.DATE_TIME_TEXTBOX.setText("- " + date + " - " + time + " -");

    const std::string& separator = f.TOP_BOTTOM_LOG_LINE.text();
    const std::string title =
        "- " + f.LW_TITLE_1.caption() + " - " + f.LW_TITLE_2.caption() + " - LW-VIZ -";
    const std::string pcName = "PC Name = " + f.PC_NAME_TEXTBOX.text();
    const std::string upTime = "Current UpTime = " + f.LW_UPTIME_DISPLAY_TEXTBOX.text();
    f.OUTPUT_REPORT_TEXTBOX.setText(
        joinLines({separator, title, separator, f.DATE_TIME_TEXTBOX.text(), pcName, upTime,
                   separator, "", separator}));

    // Replaced atomically: a failed write stops here and leaves the previous entry whole.
    logFile_.replaceWith(logFileName(program_.baseName()),
                         f.OUTPUT_REPORT_TEXTBOX.text() + std::string(kLineBreak));

    if (f.AUTOCLOSE_TICKBOX.value() == kTicked) {
        f.CURRENT_STATUS_LABEL.setCaption(kStatusAutoclosing);
    }
    f.AUTOCLOSE_TIMER.setEnabled(true);
    f.LOG_TIMER.setEnabled(false);
}

void LoggingCycle::AUTOCLOSE_TIMER_Timer() {
    MainForm& f = form_;
    // The box is read afresh here: whoever ticked or unticked it during the hold has the
    // last word, whatever the log writer showed.
    if (f.AUTOCLOSE_TICKBOX.value() == kTicked) {
        f.CURRENT_STATUS_LABEL.setCaption(kStatusAutoclosing);
        // The timer is left on: it goes with the window.
        unloadMainWindow_();
    } else {
        f.CURRENT_STATUS_LABEL.setCaption(kStatusReady);
        f.START_STOP_BUTTON.setCaption(kCaptionStart);
        f.AUTOCLOSE_TIMER.setEnabled(false);
    }
}

}  // namespace lwviz
