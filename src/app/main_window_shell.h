#pragma once

#include "app/main_form.h"
#include "app/program_settings.h"
#include "app/services.h"

namespace lwviz {

// Start-up and close of the main window: restores and saves position and tick boxes, reads
// the computer name, gives the timers their periods and opens in the Ready or Warm-up phase.
class MainWindowShell {
public:
    MainWindowShell(MainForm& form, ProgramSettings& settings, Services& services);

    void Form_Load();
    void Form_Unload();

private:
    MainForm& form_;
    ProgramSettings& settings_;
    Services& services_;
};

}  // namespace lwviz
