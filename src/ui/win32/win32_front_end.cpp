#include "ui/win32/win32_front_end.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/scheduler.h"

namespace lwviz::win32 {
namespace {
constexpr const wchar_t* kTimerClass = L"LWVIZ_TIMER";
constexpr UINT_PTR kTimerId = 1;
// The longest wait a repeating timer may keep: a beat of the engine's working-area rounds.
constexpr unsigned kKeptWaitMs = 2 * Scheduler::kMinimumIntervalMs;
}  // namespace

Win32FrontEnd::Win32FrontEnd(HINSTANCE instance, HighContrastQuery highContrast)
    : instance_(instance), highContrast_(std::move(highContrast)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instance, kTimerClass, &wc) == 0) {
        wc.lpfnWndProc = timerProc;
        wc.hInstance = instance;
        wc.lpszClassName = kTimerClass;
        RegisterClassExW(&wc);
    }
    timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, nullptr);
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32FrontEnd::~Win32FrontEnd() {
    views_.clear();
    if (timerWindow_ != nullptr) {
        DestroyWindow(timerWindow_);
    }
}

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

LRESULT CALLBACK Win32FrontEnd::timerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32FrontEnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == kTimerId && self != nullptr) {
        if (self->app_ != nullptr) {
            self->timerWaking_ = true;
            self->app_->wake();
            self->timerWaking_ = false;
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
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

// The window timer repeats by itself: right after its tick, a wait of the period it already
// has needs no call at all. Arming it anew at every wake-up cost two server calls each time.
// Only on the engine's short beat, though: the timer repeats from when it fell due, which is
// before its tick is handled, so a kept wait to the next displayed second would end early.
void Win32FrontEnd::wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) {
    if (!dueMs) {
        if (armedMs_ != 0) {
            KillTimer(timerWindow_, kTimerId);
            armedMs_ = 0;
        }
        return;
    }
    const auto wait = static_cast<unsigned>(
        std::clamp<std::int64_t>(*dueMs - nowMs, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM));
    if (timerWaking_ && wait == armedMs_ && wait <= kKeptWaitMs) {
        return;
    }
    SetTimer(timerWindow_, kTimerId, wait, nullptr);
    armedMs_ = wait;
}

void Win32FrontEnd::end(int status) {
    exitStatus_ = status;
    KillTimer(timerWindow_, kTimerId);
    armedMs_ = 0;
    PostQuitMessage(status);
}

NativeWindow Win32FrontEnd::nativeHandle(const Window& window) {
    const WindowView* shown = view(window);
    return shown != nullptr ? reinterpret_cast<std::uintptr_t>(shown->handle()) : 0;
}

}  // namespace lwviz::win32
