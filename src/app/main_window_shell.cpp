#include "app/main_window_shell.h"

#include <array>
#include <string_view>
#include <utility>

#include "app/timer_groups.h"
#include "app/window_placement.h"

namespace lwviz {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 10> kTimerPeriods = {{
    {"AlwaysOnTopTimer", 1000},
    {"UPTIME_TIMER", 1},
    {"DAY_UPTIME_TIMER", 1},
    {"HOUR_UPTIME_TIMER", 1},
    {"MINUTE_UPTIME_TIMER", 1},
    {"SECOND_UPTIME_TIMER", 1},
    {"LW_DISPLAY_UPDATE_TIMER", 1},
    {"AUTOSTART_TIMER", 10000},
    {"LOG_TIMER", 1000},
    {"AUTOCLOSE_TIMER", 10000},
}};

}  // namespace

MainWindowShell::MainWindowShell(MainForm& form, ProgramSettings& settings, Services& services)
    : form_(form), settings_(settings), services_(services) {}

void MainWindowShell::Form_Load() {
    Window& w = form_.window;
    w.setLeft(settings_.readPosition("MAIN_Left", kMainDefaultLeft));
    w.setTop(settings_.readPosition("MAIN_Top", kMainDefaultTop));
    w.setWidth(settings_.readSize("MAIN_Width", kMainDefaultWidth));
    w.setHeight(settings_.readSize("MAIN_Height", kMainDefaultHeight));
    keepOnScreen(w, services_.screens, kMainDefaultLeft, kMainDefaultTop);

    Control& alwaysOnTop = w.control("AlwaysOnTop_TICKBOX");
    Control& autoStart = w.control("AUTOSTART_TICKBOX");
    Control& autoClose = w.control("AUTOCLOSE_TICKBOX");
    alwaysOnTop.setValue(settings_.readTickState("AlwaysOnTop_TICKBOX", kTicked));
    // A restored tick runs the Auto Start click reaction here, before Auto Close is restored.
    autoStart.setValue(settings_.readTickState("AUTOSTART_TICKBOX", kClear));
    autoClose.setValue(settings_.readTickState("AUTOCLOSE_TICKBOX", kClear));

    Control& display = w.control("LW_UPTIME_DISPLAY_TEXTBOX");
    display.setText("");

    form_.ComputerName = services_.environment.computerName();
    w.control("PC_NAME_TEXTBOX").setText(form_.ComputerName);

    for (const auto& [name, period] : kTimerPeriods) {
        w.control(name).setInterval(period);
    }
    w.control("AlwaysOnTopTimer").setEnabled(alwaysOnTop.value() == kTicked);

    Control& status = w.control("CURRENT_STATUS_LABEL");
    Control& startStop = w.control("START_STOP_BUTTON");
    Control& warmUp = w.control("AUTOSTART_TIMER");
    if (autoStart.value() == kTicked) {
        status.setCaption("!!! AUTOSTARTING !!!");
        startStop.setCaption("STOP");
        // Two engine timers are on from the start and were armed by their periods above, the
        // display before the breakdown; re-arm the whole group in its switching order so that
        // every uptime line comes from one sample.
        for (std::string_view timer : kEngineTimers) {
            w.control(timer).setEnabled(false);
        }
        for (std::string_view timer : kEngineTimers) {
            w.control(timer).setEnabled(true);
        }
        display.setBackColor(kBlack);
        warmUp.setEnabled(true);
        autoClose.setEnabled(true);
    } else {
        status.setCaption("READY...");
        startStop.setCaption("START");
        for (std::string_view timer : kEngineTimers) {
            w.control(timer).setEnabled(false);
        }
        display.setBackColor(kRed);
        display.setText("TIMERS DISABLED");
        autoClose.setValue(kClear);
        autoClose.setEnabled(false);
        warmUp.setEnabled(false);
    }
}

void MainWindowShell::Form_Unload() {
    const Window& w = form_.window;
    settings_.saveSingle("MAIN_Left", w.left());
    settings_.saveSingle("MAIN_Top", w.top());
    settings_.saveTickState("AlwaysOnTop_TICKBOX", w.control("AlwaysOnTop_TICKBOX").value());
    settings_.saveTickState("AUTOSTART_TICKBOX", w.control("AUTOSTART_TICKBOX").value());
    settings_.saveTickState("AUTOCLOSE_TICKBOX", w.control("AUTOCLOSE_TICKBOX").value());
}

}  // namespace lwviz
