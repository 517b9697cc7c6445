#pragma once

#include "core/ports.h"
#include "core/window_host.h"

namespace lwviz {

// Every port the program uses, handed to the application at start.
struct Services {
    TickCounter& tickCounter;
    MonotonicClock& clock;
    WallClock& wallClock;
    Environment& environment;
    ProgramInfo& program;
    SettingsStore& settings;
    LogFileWriter& logFile;
    WindowManager& windowManager;
    ScreenLayout& screens;
    FailureReporter& failures;
    WindowHost& host;
};

}  // namespace lwviz
