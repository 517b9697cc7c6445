#pragma once

#include "core/ports.h"

namespace lwviz::linux_os {

// Date and time text under the user's LC_TIME (LC_ALL, LC_TIME or LANG from the environment),
// looked up at each call without touching the process-wide locale, so the number conversions
// keep their own rules. A locale that is not installed falls back to "C". Texts are UTF-8.
class LinuxWallClock final : public WallClock {
public:
    [[nodiscard]] std::string dateText() override;  // strftime "%x"
    [[nodiscard]] std::string timeText() override;  // strftime "%X"
};

}  // namespace lwviz::linux_os
