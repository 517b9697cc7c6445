#pragma once

// The Linux services behind the core's ports, one of each, for the front-end's main().

#include "platform/linux/clocks.h"
#include "platform/linux/environment.h"
#include "platform/linux/log_file_writer.h"
#include "platform/linux/program_info.h"
#include "platform/linux/wall_clock.h"

namespace lwviz::linux_os {

struct LinuxServices {
    BootTimeTickCounter tickCounter;
    SteadyClock clock;
    LinuxWallClock wallClock;
    LinuxEnvironment environment;
    LinuxProgramInfo program;
    AtomicLogFileWriter logFile;
};

}  // namespace lwviz::linux_os
