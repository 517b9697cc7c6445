#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// GetForegroundWindow and SetWindowPos with SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE (0x13):
// HWND_NOTOPMOST to take the topmost status away, HWND_TOPMOST to give it; neither call
// activates a window, so the keyboard stays where the user put it.
class StackingWindowManager final : public WindowManager {
public:
    [[nodiscard]] NativeWindow foregroundWindow() override;
    void removeTopmost(NativeWindow window) override;
    void makeTopmost(NativeWindow window) override;
};

}  // namespace lwviz::win32
