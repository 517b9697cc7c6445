#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// GetForegroundWindow and SetWindowPos with SWP_NOSIZE | SWP_NOMOVE (3) and nothing else:
// HWND_NOTOPMOST to take the topmost status away, HWND_TOPMOST to give it.
class StackingWindowManager final : public WindowManager {
public:
    [[nodiscard]] NativeWindow foregroundWindow() override;
    void removeTopmost(NativeWindow window) override;
    void makeTopmost(NativeWindow window) override;
};

}  // namespace lwviz::win32
