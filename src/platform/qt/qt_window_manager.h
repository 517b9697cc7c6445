#pragma once

#include "core/ports.h"

namespace lwviz::qt {

// Stacking through Qt alone, for platforms without a window-manager protocol of their own: the
// foreground window is the one with the focus, and topmost is the stay-on-top hint of the
// program's own windows (other programs' windows are out of reach and left alone).
class QtWindowManager final : public WindowManager {
public:
    [[nodiscard]] NativeWindow foregroundWindow() override;
    void removeTopmost(NativeWindow window) override;
    void makeTopmost(NativeWindow window) override;
};

}  // namespace lwviz::qt
