#include "platform/win32/stacking_window_manager.h"

#include <windows.h>

namespace lwviz::win32 {
namespace {
constexpr UINT kKeepPlaceAndSize = SWP_NOSIZE | SWP_NOMOVE;
static_assert(kKeepPlaceAndSize == 3);

HWND handleOf(NativeWindow window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}
}  // namespace

NativeWindow StackingWindowManager::foregroundWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

void StackingWindowManager::removeTopmost(NativeWindow window) {
    SetWindowPos(handleOf(window), HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlaceAndSize);
}

void StackingWindowManager::makeTopmost(NativeWindow window) {
    SetWindowPos(handleOf(window), HWND_TOPMOST, 0, 0, 0, 0, kKeepPlaceAndSize);
}

}  // namespace lwviz::win32
