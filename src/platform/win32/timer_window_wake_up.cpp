#include "platform/win32/timer_window_wake_up.h"

#include <algorithm>
#include <utility>

#include "core/scheduler.h"

namespace lwviz::win32 {
namespace {
constexpr const wchar_t* kWindowClass = L"LWVIZ_TIMER";
constexpr UINT_PTR kTimerId = 1;
// The longest wait a repeating timer may keep: a beat of the engine's working-area rounds.
constexpr unsigned kKeptWaitMs = 2 * Scheduler::kMinimumIntervalMs;
}  // namespace

TimerWindowWakeUp::TimerWindowWakeUp(HINSTANCE instance, std::function<void()> wake)
    : wake_(std::move(wake)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instance, kWindowClass, &wc) == 0) {
        wc.lpfnWndProc = windowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kWindowClass;
        RegisterClassExW(&wc);
    }
    window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TimerWindowWakeUp::~TimerWindowWakeUp() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TimerWindowWakeUp::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* self = reinterpret_cast<TimerWindowWakeUp*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == kTimerId && self != nullptr) {
        self->waking_ = true;
        self->wake_();
        self->waking_ = false;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The window timer repeats by itself: right after its tick, a wait of the period it already
// has needs no call at all. Arming it anew at every wake-up cost two server calls each time.
// Only on the engine's short beat, though: the timer repeats from when it fell due, which is
// before its tick is handled, so a kept wait to the next displayed second would end early.
void TimerWindowWakeUp::wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) {
    if (!dueMs) {
        if (armedMs_ != 0) {
            KillTimer(window_, kTimerId);
            armedMs_ = 0;
        }
        return;
    }
    const auto wait = static_cast<unsigned>(
        std::clamp<std::int64_t>(*dueMs - nowMs, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM));
    if (waking_ && wait == armedMs_ && wait <= kKeptWaitMs) {
        return;
    }
    SetTimer(window_, kTimerId, wait, nullptr);
    armedMs_ = wait;
}

}  // namespace lwviz::win32
