#include "ui/win32/window_view.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/accessibility.h"
#include "core/window_placement.h"
#include "platform/win32/text_encoding.h"
#include "ui/win32/native_controls.h"
#include "ui/win32/resource_ids.h"

namespace lwviz::win32 {
namespace {

constexpr const wchar_t* kWindowClass = L"LWVIZ_WINDOW";

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kWindowClass, &existing) != 0) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

DWORD windowStyle(const WindowStyle& style) {
    DWORD result = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (style.minimizeButton) {
        result |= WS_MINIMIZEBOX;
    }
    if (style.maximizeButton) {
        result |= WS_MAXIMIZEBOX;
    }
    if (!style.fixedBorder) {
        result |= WS_THICKFRAME;
    }
    return result;
}

}  // namespace

WindowView::WindowView(HINSTANCE instance, Window& model, Application& app, HWND owner,
                       HighContrastQuery highContrast)
    : model_(model),
      app_(app),
      instance_(instance),
      owner_(owner),
      highContrastQuery_(std::move(highContrast)),
      highContrast_(highContrastQuery_()) {
    registerClass(instance, windowProc);
    controls_.assign(model.controls().size(), nullptr);
    const std::wstring caption = toWide(model.definition().caption);
    placing_ = true;
    CreateWindowExW(0, kWindowClass, caption.c_str(), windowStyle(model.definition().style),
                    CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        return;
    }
    annotations_.annotateWindow(hwnd_, owner != nullptr);
    dpi_ = GetDpiForWindow(hwnd_);
    gdi_.setDpi(dpi_);
    place();
    // The window may have landed on a monitor of another DPI: convert again with that one.
    if (GetDpiForWindow(hwnd_) != dpi_) {
        dpi_ = GetDpiForWindow(hwnd_);
        gdi_.setDpi(dpi_);
        place();
    }
}

WindowView::~WindowView() { destroy(); }

void WindowView::destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void WindowView::show(int how) {
    ShowWindow(hwnd_, how);
    UpdateWindow(hwnd_);
}

void WindowView::apply(const Control& control, std::uint8_t changes) {
    HWND hwnd = controls_[control.index()];
    if (hwnd == nullptr) {
        return;  // not drawn: created from the model's state if it ever is
    }
    if ((changes & kChangedText) != 0) {
        if (setWindowText(hwnd, control.text())) {
            AccessibleAnnotations::textChanged(hwnd, control);
        }
        if (control.definition().multiLine) {
            applyNativeFont(hwnd, control, gdi_);
        }
    }
    if ((changes & kChangedEnabled) != 0) {
        EnableWindow(hwnd, control.enabled() ? TRUE : FALSE);
    }
    if ((changes & kChangedValue) != 0) {
        SendMessageW(hwnd, BM_SETCHECK, checkState(control.value()), 0);
    }
    if ((changes & kChangedBackColor) != 0) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// Geometry ---------------------------------------------------------------------------------

// The client area is the design's; the frame the system draws at this dpi adds to it, and the
// outer corner lies on the window's place.
void WindowView::place() {
    placing_ = true;
    frameClient(twipsToPixels(model_.left(), dpi_), twipsToPixels(model_.top(), dpi_));
    placing_ = false;
    syncControls();
}

// The outer size comes from the frame the system says it draws at this dpi; where the frame
// it really draws differs (a system that keeps the frame of another dpi), the size is mended
// from the client area it gave.
void WindowView::frameClient(int left, int top) {
    const PixelRect wanted = clientArea(model_, dpi_);
    RECT outer{0, 0, wanted.width(), wanted.height()};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi_);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right != wanted.width() || client.bottom != wanted.height()) {
        width += wanted.width() - client.right;
        height += wanted.height() - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void WindowView::syncControls() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const bool changed = model_.layout().fit(client.right, client.bottom, dpi_);
    for (const Control& control : model_.controls()) {
        HWND& hwnd = controls_[control.index()];
        const bool wanted = model_.layout().drawn(control) && control.kind() != ControlKind::Line;
        if (wanted && hwnd == nullptr) {
            hwnd = createNativeControl(control, hwnd_, instance_,
                                       kFirstControlId + static_cast<int>(control.index()), dpi_,
                                       gdi_);
            if (hwnd != nullptr) {
                annotations_.annotate(hwnd, control);
            }
        } else if (!wanted && hwnd != nullptr) {
            annotations_.clear(hwnd);
            DestroyWindow(hwnd);
            hwnd = nullptr;
        } else if (wanted) {
            const PixelRect r = pixelBounds(control, dpi_);
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.width(), r.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (changed) {
        stackControls();
    }
    shapeCaptions();
    InvalidateRect(hwnd_, nullptr, TRUE);  // the lines
}

// Tab order is the order of the child windows: the layout's tab chain first, then the labels,
// which every other kind of control covers where they overlap. A caption lies just above the
// control it names, since Windows names an edit box after the static text above it; it takes
// no focus, so the tab order stays the chain's.
void WindowView::stackControls() {
    auto drawn = [this](const Control* control) {
        return control != nullptr && controls_[control->index()] != nullptr;
    };
    std::vector<const Control*> order(model_.layout().tabChain().begin(),
                                      model_.layout().tabChain().end());
    for (const Control& control : model_.controls()) {
        if (drawn(&control) && !WindowLayout::takesFocus(control) && !drawn(namedBy(control))) {
            order.push_back(&control);
        }
    }
    for (const Control& control : model_.controls()) {
        if (const Control* named = namedBy(control); drawn(&control) && drawn(named)) {
            order.insert(std::find(order.begin(), order.end(), named), &control);
        }
    }
    HWND after = HWND_TOP;
    for (const Control* control : order) {
        HWND hwnd = controls_[control->index()];
        SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = hwnd;
    }
}

// A caption above a control that covered it before (any tab stop; a label made before it) is
// cut to the part that control leaves, so each shows as it did: "UPTIME:" runs under the edge
// of the uptime display. Under high contrast no caption covers the control it names, whose
// frame then shows whole.
void WindowView::shapeCaptions() {
    for (const Control& caption : model_.controls()) {
        const Control* named = namedBy(caption);
        HWND hwnd = controls_[caption.index()];
        if (named == nullptr || hwnd == nullptr || controls_[named->index()] == nullptr) {
            continue;
        }
        const bool covered =
            highContrast_ || WindowLayout::takesFocus(*named) || named->index() < caption.index();
        const PixelRect a = pixelBounds(caption, dpi_);
        const PixelRect b = pixelBounds(*named, dpi_);
        const RECT own{a.left, a.top, a.right, a.bottom};
        const RECT other{b.left, b.top, b.right, b.bottom};
        RECT overlap{};
        if (covered && IntersectRect(&overlap, &own, &other) != FALSE) {
            HRGN shape = CreateRectRgn(0, 0, a.width(), a.height());
            HRGN cover = CreateRectRgn(overlap.left - a.left, overlap.top - a.top,
                                       overlap.right - a.left, overlap.bottom - a.top);
            CombineRgn(shape, shape, cover, RGN_DIFF);
            DeleteObject(cover);
            SetWindowRgn(hwnd, shape, TRUE);  // the system owns the region from here
        } else {
            SetWindowRgn(hwnd, nullptr, TRUE);
        }
    }
}

// Controls ---------------------------------------------------------------------------------

Control* WindowView::controlOf(HWND control) const {
    const int id = GetDlgCtrlID(control) - kFirstControlId;
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size() ||
        controls_[static_cast<std::size_t>(id)] != control) {
        return nullptr;
    }
    return &model_.controls()[static_cast<std::size_t>(id)];
}

// Colours -----------------------------------------------------------------------------------

LRESULT WindowView::controlColours(HDC dc, HWND hwnd) {
    const Control* control = controlOf(hwnd);
    if (control == nullptr) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(hwnd));
    }
    const bool textBox = control->kind() == ControlKind::TextBox;
    const bool coloured = control->backColor() || control->definition().foreColor;
    if (!coloured && !textBox) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(hwnd));
    }
    // Under high contrast the boxes' frames (the window frame's colour) show against the
    // system's colours.
    const auto [fore, back] = shownColours(*control, highContrast_);
    // Text boxes default to the window colours, read-only ones too; the rest to the face.
    const int backIndex = textBox ? COLOR_WINDOW : COLOR_BTNFACE;
    const int foreIndex = textBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT;
    SetTextColor(dc, fore ? static_cast<COLORREF>(*fore) : GetSysColor(foreIndex));
    SetBkColor(dc, back ? static_cast<COLORREF>(*back) : GetSysColor(backIndex));
    return reinterpret_cast<LRESULT>(back ? gdi_.brush(*back) : GetSysColorBrush(backIndex));
}

void WindowView::paintLines(HDC dc) const {
    const int width = std::max(1, static_cast<int>(dpi_ / USER_DEFAULT_SCREEN_DPI));
    HPEN pen = CreatePen(PS_SOLID, width, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    for (const Control& control : model_.controls()) {
        if (control.kind() != ControlKind::Line || !model_.layout().drawn(control)) {
            continue;
        }
        const LinePoints& p = control.definition().line;
        MoveToEx(dc, twipsToPixels(p.x1, dpi_), twipsToPixels(p.y1, dpi_), nullptr);
        LineTo(dc, twipsToPixels(p.x2, dpi_), twipsToPixels(p.y2, dpi_));
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

// Messages ---------------------------------------------------------------------------------

LRESULT CALLBACK WindowView::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* view = static_cast<WindowView*>(create->lpCreateParams);
        view->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (view == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        view->hwnd_ = nullptr;
        std::fill(view->controls_.begin(), view->controls_.end(), nullptr);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return view->handleMessage(message, wParam, lParam);
}

LRESULT WindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            // Asked by IsDialogMessageW when Enter is pressed.
            if (const Control* button = model_.layout().button(ButtonRole::Default)) {
                return MAKELRESULT(kFirstControlId + button->index(), DC_HASDEFID);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(hwnd_, &paint);
            paintLines(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // High contrast on or off, or other system colours: all drawn again.
            highContrast_ = highContrastQuery_();
            shapeCaptions();
            RedrawWindow(hwnd_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_DESTROY:
            // What the screen reader was told goes with the windows, the controls' too.
            for (HWND control : controls_) {
                if (control != nullptr) {
                    annotations_.clear(control);
                }
            }
            annotations_.clear(hwnd_);
            return 0;
        case WM_CLOSE:
            // The program decides whether and how the window closes.
            app_.closeWindow(model_);
            return 0;
        case WM_MOVE:
            if (!placing_) {
                RECT outer{};
                GetWindowRect(hwnd_, &outer);
                app_.moved(model_, outer.left, outer.top, IsIconic(hwnd_) != 0);
            }
            return 0;
        case WM_ACTIVATE:
            // Keyboard focus as a dialog keeps it: back where it was, or where it starts.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus) != 0) {
                    lastFocus_ = focus;
                }
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) != 0 &&
                       IsWindowEnabled(lastFocus_) != 0) {
                SetFocus(lastFocus_);
            } else if (const Control* first = model_.layout().firstFocus()) {
                SetFocus(controls_[first->index()]);
            }
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            gdi_.setDpi(dpi_);
            // The system's corner, but the design's client area at the new dpi: the suggested
            // size scales the old frame, which is not the frame drawn at the new dpi.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            frameClient(suggested->left, suggested->top);
            syncControls();
            for (const Control& control : model_.controls()) {
                if (HWND hwnd = controls_[control.index()]) {
                    applyNativeFont(hwnd, control, gdi_);
                }
            }
            return 0;
        }
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void WindowView::onCommand(int id, int code) {
    if (id == IDCANCEL) {
        app_.escapeKey(model_);
        return;
    }
    if (id == IDOK) {
        app_.enterKey(model_);
        return;
    }
    const auto index = static_cast<std::size_t>(id - kFirstControlId);
    if (id < kFirstControlId || index >= controls_.size() || controls_[index] == nullptr) {
        return;
    }
    Control& control = model_.controls()[index];
    HWND hwnd = controls_[index];
    switch (control.kind()) {
        case ControlKind::CommandButton:
        case ControlKind::TickBox:
            if (code == BN_CLICKED) {
                app_.click(control);
            }
            break;
        case ControlKind::Label:
            if (code == STN_CLICKED) {
                app_.click(control);
            } else if (code == STN_DBLCLK) {
                app_.doubleClick(control);
            }
            break;
        case ControlKind::TextBox:
            // What the user types becomes the box's text in the model. The program's own
            // changes arrive here too, while it draws; the application ignores those.
            if (code == EN_CHANGE) {
                app_.typed(control, toUtf8(windowText(hwnd)));
            }
            break;
        default:
            break;
    }
}

}  // namespace lwviz::win32
