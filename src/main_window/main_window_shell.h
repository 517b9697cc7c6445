#pragma once

#include "core/services.h"
#include "main_window/main_form.h"
#include "main_window/opening_phase.h"
#include "main_window/program_settings.h"

namespace lwviz {

// Start-up and close of the main window: restores and saves position and tick boxes, reads
// the computer name, gives the timers their periods and opens in the Ready or Warm-up phase.
class MainWindowShell {
public:
    MainWindowShell(MainForm& form, ProgramSettings& settings, Services& services,
                    OpeningPhase& phase);

    void Form_Load();
    void Form_Unload();

private:
    MainForm& form_;
    ProgramSettings& settings_;
    Services& services_;
    OpeningPhase& phase_;
};

}  // namespace lwviz
