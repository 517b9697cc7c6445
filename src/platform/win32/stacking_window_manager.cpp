#include "platform/win32/stacking_window_manager.h"

#include <windows.h>

namespace lwviz::win32 {
namespace {
// Restacking only: activating would hand the keyboard to our main window, which is disabled
// while the About window is modal, and take keystrokes from whatever program has the focus.
constexpr UINT kRestackOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
static_assert(kRestackOnly == 0x13);

HWND handleOf(NativeWindow window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}
}  // namespace

NativeWindow StackingWindowManager::foregroundWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

void StackingWindowManager::removeTopmost(NativeWindow window) {
    SetWindowPos(handleOf(window), HWND_NOTOPMOST, 0, 0, 0, 0, kRestackOnly);
}

void StackingWindowManager::makeTopmost(NativeWindow window) {
    SetWindowPos(handleOf(window), HWND_TOPMOST, 0, 0, 0, 0, kRestackOnly);
}

}  // namespace lwviz::win32
