#pragma once

#include <cstdint>
#include <string>

#include "app/main_window_definition.h"
#include "core/window.h"

namespace lwviz {

// The main window LW_VIZ_MAIN with the few values the program keeps outside its controls.
struct MainForm {
    Window window{mainWindowDefinition()};

    // Whole counts of the uptime breakdown: each written by its stage of the uptime engine
    // and read back by it (DaysCount also by the day stage).
    std::int32_t DaysCount = 0;
    std::int32_t HoursCount = 0;
    std::int32_t MinutesCount = 0;
    std::int32_t SecondsCount = 0;
    // Read from the environment at load and copied into PC_NAME_TEXTBOX.
    std::string ComputerName;
};

}  // namespace lwviz
