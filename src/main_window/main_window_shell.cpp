#include "main_window/main_window_shell.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "core/window_placement.h"

namespace lwviz {
namespace {

// The computer name goes into a line of the log entry: a line break or other control
// character in it would forge lines of its own, so each becomes a space.
std::string printable(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, ' ');
    return name;
}

}  // namespace

MainWindowShell::MainWindowShell(MainForm& form, ProgramSettings& settings, Services& services,
                                 OpeningPhase& phase)
    : form_(form), settings_(settings), services_(services), phase_(phase) {}

void MainWindowShell::Form_Load() {
    MainForm& f = form_;
    Window& w = f.window;
    settings_.restorePlace(w, "MAIN", kMainDefaultPlace);
    keepUsable(w, services_.screens, kMainDefaultPlace);

    f.AlwaysOnTop_TICKBOX.setValue(settings_.readTickState("AlwaysOnTop_TICKBOX", kTicked));
    // A restored tick runs the Auto Start click reaction here, before Auto Close is restored.
    f.AUTOSTART_TICKBOX.setValue(settings_.readTickState("AUTOSTART_TICKBOX", kClear));
    f.AUTOCLOSE_TICKBOX.setValue(settings_.readTickState("AUTOCLOSE_TICKBOX", kClear));

    f.LW_UPTIME_DISPLAY_TEXTBOX.setText("");
    f.ComputerName = printable(services_.environment.computerName());
    f.PC_NAME_TEXTBOX.setText(f.ComputerName);

    const std::array<std::pair<Control*, int>, 10> periods{{
        {&f.AlwaysOnTopTimer, 1000},
        {&f.UPTIME_TIMER, 1},
        {&f.DAY_UPTIME_TIMER, 1},
        {&f.HOUR_UPTIME_TIMER, 1},
        {&f.MINUTE_UPTIME_TIMER, 1},
        {&f.SECOND_UPTIME_TIMER, 1},
        {&f.LW_DISPLAY_UPDATE_TIMER, 1},
        {&f.AUTOSTART_TIMER, 10000},
        {&f.LOG_TIMER, 1000},
        {&f.AUTOCLOSE_TIMER, 10000},
    }};
    for (const auto& [timer, period] : periods) {
        timer->setInterval(period);
    }
    // Two engine timers are on from the start and were armed by their periods above, the
    // display before the breakdown. The phase switches the whole group back on in its order.
    f.switchEngine(false);
    f.AlwaysOnTopTimer.setEnabled(f.AlwaysOnTop_TICKBOX.value() == kTicked);

    if (f.AUTOSTART_TICKBOX.value() == kTicked) {
        phase_.openWarmingUp();
    } else {
        phase_.openAtRest();
    }
}

void MainWindowShell::Form_Unload() {
    const MainForm& f = form_;
    settings_.saveSingle("MAIN_Left", f.window.left());
    settings_.saveSingle("MAIN_Top", f.window.top());
    settings_.saveTickState("AlwaysOnTop_TICKBOX", f.AlwaysOnTop_TICKBOX.value());
    settings_.saveTickState("AUTOSTART_TICKBOX", f.AUTOSTART_TICKBOX.value());
    settings_.saveTickState("AUTOCLOSE_TICKBOX", f.AUTOCLOSE_TICKBOX.value());
}

}  // namespace lwviz
