#include "ui/win32/win32_front_end.h"

#include <memory>
#include <utility>

namespace lwviz::win32 {

Win32FrontEnd::Win32FrontEnd(HINSTANCE instance, HighContrastQuery highContrast)
    : instance_(instance), highContrast_(std::move(highContrast)), wakeUp_(instance, [this] {
          if (app_ != nullptr) {
              app_->wake();
          }
      }) {}

Win32FrontEnd::~Win32FrontEnd() { views_.clear(); }

void Win32FrontEnd::open(Application& app, int show) {
    app_ = &app;
    firstShow_ = show;
    app.start();
}

int Win32FrontEnd::run() {
    MSG msg{};
    while (!exitStatus_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        const bool ours = views_.any(
            [root](const WindowView& view) { return root != nullptr && view.handle() == root; });
        // Tab, Enter and Escape as in a dialog.
        if (!ours || IsDialogMessageW(root, &msg) == 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return exitStatus_.value_or(static_cast<int>(msg.wParam));
}

void Win32FrontEnd::show(Window& window, Window* owner) {
    WindowView* ownerView = owner == nullptr ? nullptr : view(*owner);
    HWND ownerHandle = ownerView != nullptr ? ownerView->handle() : nullptr;
    WindowView& shown = views_.add(
        window, std::make_unique<WindowView>(instance_, window, *app_, ownerHandle, highContrast_));
    // Modal, but without a nested loop: the owner takes no input while the main loop (and with
    // it every timer) goes on.
    if (ownerHandle != nullptr) {
        EnableWindow(ownerHandle, FALSE);
    }
    shown.show(owner == nullptr ? firstShow_ : SW_SHOWNORMAL);
}

void Win32FrontEnd::takeDown(WindowView& view) {
    // The owner first takes input again, so it, not another program, becomes active.
    if (view.owner() != nullptr) {
        EnableWindow(view.owner(), TRUE);
    }
    view.destroy();
}

void Win32FrontEnd::wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) {
    wakeUp_.wakeAt(dueMs, nowMs);
}

void Win32FrontEnd::end(int status) {
    exitStatus_ = status;
    wakeUp_.wakeAt(std::nullopt, 0);
    PostQuitMessage(status);
}

}  // namespace lwviz::win32
