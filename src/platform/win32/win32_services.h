#pragma once

// The Windows services behind the core's ports, one of each, for the front-end's WinMain().

#include "platform/win32/clocks.h"
#include "platform/win32/environment.h"
#include "platform/win32/log_file_writer.h"
#include "platform/win32/program_info.h"
#include "platform/win32/wall_clock.h"

namespace lwviz::win32 {

struct Win32Services {
    TickCount64Counter tickCounter;
    PerformanceCounterClock clock;
    LocaleWallClock wallClock;
    ProcessEnvironment environment;
    ModuleProgramInfo program;
    AnsiLogFile logFile;
};

}  // namespace lwviz::win32
