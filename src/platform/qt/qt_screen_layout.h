#pragma once

#include "core/ports.h"

namespace lwviz::qt {

// The work areas of the screens Qt knows, in twips.
class QtScreenLayout final : public ScreenLayout {
public:
    [[nodiscard]] std::vector<ScreenRect> screens() override;
};

}  // namespace lwviz::qt
