#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// The date and the time under the user's regional settings: the short date format and the
// time format (with seconds), each read from the clock at its own call.
class LocaleWallClock final : public WallClock {
public:
    [[nodiscard]] std::string dateText() override;
    [[nodiscard]] std::string timeText() override;
};

}  // namespace lwviz::win32
