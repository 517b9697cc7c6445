#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// The work areas of all monitors (the screen without the task bar), in twips at each
// monitor's own DPI.
class MonitorScreenLayout final : public ScreenLayout {
public:
    [[nodiscard]] std::vector<ScreenRect> screens() override;
};

}  // namespace lwviz::win32
