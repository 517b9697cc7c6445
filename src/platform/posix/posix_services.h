#pragma once

// The Linux services behind the core's ports, one of each, for the front-end's main().

#include "platform/posix/clocks.h"
#include "platform/posix/environment.h"
#include "platform/posix/log_file_writer.h"
#include "platform/posix/program_info.h"
#include "platform/posix/wall_clock.h"

namespace lwviz::posix {

struct PosixServices {
    BootTimeTickCounter tickCounter;
    SteadyClock clock;
    PosixWallClock wallClock;
    PosixEnvironment environment;
    PosixProgramInfo program;
    AtomicLogFileWriter logFile;
};

}  // namespace lwviz::posix
