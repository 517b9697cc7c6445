#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/services.h"
#include "main_window/main_form.h"
#include "main_window/opening_phase.h"

namespace lwviz {

// The logging cycle: START begins a warm-up of the uptime engine, the entry is written to the
// log file about 11 seconds later, and a hold of 10 seconds ends in the close of the program
// (Auto Close ticked) or at rest. STOP aborts it. The cycle keeps no state of its own: the
// button's caption and which cycle timer is on are its state.
class LoggingCycle final : public OpeningPhase {
public:
    // The line break of the entry and of the log file.
    static constexpr std::string_view kLineBreak = "\r\n";

    // `unloadMainWindow` unloads the main window with its close handling; the program ends
    // when it returns.
    LoggingCycle(MainForm& form, Services& services, std::function<void()> unloadMainWindow);

    void START_STOP_BUTTON_Click();
    // The Auto Start box governs the Auto Close box: unticking Auto Start unticks and disables
    // Auto Close, so a running cycle then ends at rest; ticking it only enables the box.
    void AUTOSTART_TICKBOX_Click();
    // End of the warm-up: hands over to the log writer.
    void AUTOSTART_TIMER_Timer();
    // The log writer: stamps date and time, composes the nine-line entry in
    // OUTPUT_REPORT_TEXTBOX, replaces the log file with it and starts the hold.
    void LOG_TIMER_Timer();
    // End of the hold: closes the program or returns to rest.
    void AUTOCLOSE_TIMER_Timer();

    void openAtRest() override;
    void openWarmingUp() override;

    // The log file of a program with that base name, relative to the working directory.
    [[nodiscard]] static std::string logFileName(const std::string& programBaseName);

private:
    // Warm-up: the engine group switched on in its order, the display on black, the warm-up
    // timer waiting.
    void warmUp(std::string_view status);
    // Ready or Aborted: the engine stopped, the display red, no cycle timer on, Auto Close
    // unticked and disabled so that no unattended close stays armed for the next cycle.
    void rest(std::string_view status);

    MainForm& form_;
    WallClock& wallClock_;
    ProgramInfo& program_;
    LogFileWriter& logFile_;
    std::function<void()> unloadMainWindow_;
};

}  // namespace lwviz
