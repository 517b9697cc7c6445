#include "ui/win32/win32_front_end.h"

#include <algorithm>

namespace lwviz::win32 {
namespace {
constexpr const wchar_t* kTimerClass = L"LWVIZ_TIMER";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Win32FrontEnd::Win32FrontEnd(HINSTANCE instance, MonotonicClock& clock)
    : instance_(instance), clock_(clock) {
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
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));  // NOLINT
}

Win32FrontEnd::~Win32FrontEnd() {
    if (app_ != nullptr) {
        app_->dispatcher().onEnd = nullptr;
    }
    views_.clear();
    closed_.clear();
    if (timerWindow_ != nullptr) {
        DestroyWindow(timerWindow_);
    }
}

bool Win32FrontEnd::open(Application& app, int show) {
    app_ = &app;
    app.dispatcher().onEnd = [](int status) { PostQuitMessage(status); };
    app.start();
    if (app.ended()) {
        return false;
    }
    auto main = std::make_unique<WindowView>(instance_, app.mainWindow(), input(), nullptr);
    WindowView& shown = *main;
    views_.push_back(std::move(main));
    shown.show(show);
    afterEvent();
    return true;
}

int Win32FrontEnd::run() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        const bool ours = std::any_of(views_.begin(), views_.end(), [root](const auto& view) {
            return root != nullptr && view->handle() == root;
        });
        // Tab, Enter and Escape as in a dialog.
        if (!ours || IsDialogMessageW(root, &msg) == 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        dropClosedViews();
    }
    return static_cast<int>(msg.wParam);
}

void Win32FrontEnd::afterEvent() {
    for (const auto& view : views_) {
        view->render();
    }
    armTimer();
}

void Win32FrontEnd::armTimer() {
    const std::optional<std::int64_t> due =
        app_ != nullptr && !app_->ended() ? app_->nextDueMs() : std::nullopt;
    if (!due) {
        KillTimer(timerWindow_, kTimerId);
        return;
    }
    const std::int64_t wait =
        std::clamp<std::int64_t>(*due - clock_.nowMs(), USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    SetTimer(timerWindow_, kTimerId, static_cast<UINT>(wait), nullptr);
}

LRESULT CALLBACK Win32FrontEnd::timerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self =
        reinterpret_cast<Win32FrontEnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));  // NOLINT
    if (message == WM_TIMER && wParam == kTimerId && self != nullptr) {
        if (self->app_ != nullptr) {
            self->app_->fireDueTimers();
        }
        self->afterEvent();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

WindowView* Win32FrontEnd::view(const Window& window) const {
    for (const auto& v : views_) {
        if (&v->model() == &window) {
            return v.get();
        }
    }
    return nullptr;
}

NativeWindow Win32FrontEnd::nativeHandle(const Window& window) {
    const WindowView* v = view(window);
    return v != nullptr ? reinterpret_cast<std::uintptr_t>(v->handle()) : 0;  // NOLINT
}

void Win32FrontEnd::showModal(Window& window, Window& owner) {
    WindowView* ownerView = view(owner);
    HWND ownerHandle = ownerView != nullptr ? ownerView->handle() : nullptr;
    auto shown = std::make_unique<WindowView>(instance_, window, input(), ownerHandle);
    WindowView& modal = *shown;
    views_.push_back(std::move(shown));
    // Modal, but without a nested loop: the owner takes no input while the main loop (and with
    // it every timer) goes on.
    if (ownerHandle != nullptr) {
        EnableWindow(ownerHandle, FALSE);
    }
    modal.show(SW_SHOWNORMAL);
}

void Win32FrontEnd::unloaded(Window& window) {
    auto found = std::find_if(views_.begin(), views_.end(),
                              [&window](const auto& v) { return &v->model() == &window; });
    if (found == views_.end()) {
        return;
    }
    // The owner first takes input again, so it, not another program, becomes active.
    if ((*found)->owner() != nullptr) {
        EnableWindow((*found)->owner(), TRUE);
    }
    (*found)->destroy();
    closed_.push_back(std::move(*found));
    views_.erase(found);
}

void Win32FrontEnd::dropClosedViews() { closed_.clear(); }

void Win32FrontEnd::click(Control& control) {
    app_->click(control);
    afterEvent();
}

void Win32FrontEnd::doubleClick(Control& control) {
    app_->doubleClick(control);
    afterEvent();
}

void Win32FrontEnd::typed(Control& textBox, const std::string& text) {
    app_->typed(textBox, text);
    afterEvent();
}

void Win32FrontEnd::closeWindow(Window& window) {
    app_->closeWindow(window);
    afterEvent();
}

void Win32FrontEnd::escapeKey(Window& window) {
    app_->escapeKey(window);
    afterEvent();
}

void Win32FrontEnd::movedTo(Window& window, float left, float top) {
    app_->movedTo(window, left, top);
}

}  // namespace lwviz::win32
