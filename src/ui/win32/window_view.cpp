#include "ui/win32/window_view.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win32/text_encoding.h"
#include "platform/win32/twips.h"
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
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);                    // NOLINT: the system's arrow
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // NOLINT
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

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::TickBox;
}

WPARAM checkState(std::int16_t value) {
    switch (value) {
        case kTicked:
            return BST_CHECKED;
        case kGreyed:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
    }
}

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void setText(HWND hwnd, const std::string& utf8) {
    const std::wstring text = toWide(utf8);
    if (windowText(hwnd) != text) {  // an unchanged text keeps the caret where it is
        SetWindowTextW(hwnd, text.c_str());
    }
}

bool installed(const std::wstring& face) {
    static std::map<std::wstring, bool> known;
    auto found = known.find(face);
    if (found != known.end()) {
        return found->second;
    }
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HDC dc = GetDC(nullptr);
    bool any = false;
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;  // NOLINT
            return 0;
        },
        reinterpret_cast<LPARAM>(&any), 0);  // NOLINT
    ReleaseDC(nullptr, dc);
    known.emplace(face, any);
    return any;
}

// The face to ask for. "MS Sans Serif" is a bitmap font on Windows that does not scale with
// the DPI; its TrueType successor of the same design stands in where it is installed.
std::wstring faceFor(const Font& font) {
    std::wstring face = toWide(font.face);
    if (face == L"MS Sans Serif" && installed(L"Microsoft Sans Serif")) {
        return L"Microsoft Sans Serif";
    }
    return face;
}

}  // namespace

WindowView::WindowView(HINSTANCE instance, Window& model, ViewInput& input, HWND owner)
    : model_(model), input_(input), instance_(instance), owner_(owner) {
    registerClass(instance, windowProc);
    controls_.assign(model.controls().size(), nullptr);
    for (const Control& control : model.controls()) {
        indexes_.emplace(&control, indexes_.size());
    }
    const std::wstring caption = toWide(model.definition().caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), windowStyle(model.definition().style),
                    CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        return;
    }
    dpi_ = GetDpiForWindow(hwnd_);
    applyGeometry();
    // The window may have landed on a monitor of another DPI: convert again with that one.
    if (GetDpiForWindow(hwnd_) != dpi_) {
        dpi_ = GetDpiForWindow(hwnd_);
        dropFonts();
        applyGeometry();
    }
    // The controls now show the model as it is; earlier changes are already drawn.
    model_.drainChangedControls([](const Control&) {});
    (void)model_.takeGeometryChanged();
}

WindowView::~WindowView() {
    destroy();
    dropFonts();
    for (auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

void WindowView::destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void WindowView::show(int how) {
    ShowWindow(hwnd_, how);
    UpdateWindow(hwnd_);
}

void WindowView::render() {
    if (hwnd_ == nullptr) {
        return;
    }
    model_.drainChangedControls(
        [this](const Control& control) { applyControl(control, control.changes()); });
    if (model_.takeGeometryChanged()) {
        applyGeometry();
    }
}

HWND WindowView::controlHandle(std::string_view name) const {
    const auto& controls = model_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name() == name) {
            return controls_[i];
        }
    }
    return nullptr;
}

// Geometry ---------------------------------------------------------------------------------

void WindowView::applyGeometry() {
    placing_ = true;
    SetWindowPos(hwnd_, nullptr, twipsToPixels(model_.left(), dpi_),
                 twipsToPixels(model_.top(), dpi_), twipsToPixels(model_.width(), dpi_),
                 twipsToPixels(model_.height(), dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
    syncControls();
}

RECT WindowView::pixelRect(const Rect& twips) const {
    // Both edges converted, so neighbouring controls keep their common edge.
    return {twipsToPixels(twips.left, dpi_), twipsToPixels(twips.top, dpi_),
            twipsToPixels(twips.left + twips.width, dpi_),
            twipsToPixels(twips.top + twips.height, dpi_)};
}

void WindowView::syncControls() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    bool created = false;
    const auto& controls = model_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = controls[i];
        const ControlKind kind = control.kind();
        bool wanted = false;
        if (kind != ControlKind::Timer && kind != ControlKind::Line && control.visible()) {
            const RECT r = pixelRect(control.definition().rect);
            wanted = r.left < client.right && r.top < client.bottom && r.right > 0 && r.bottom > 0;
        }
        if (wanted && controls_[i] == nullptr) {
            createControl(i);
            created = true;
        } else if (!wanted && controls_[i] != nullptr) {
            DestroyWindow(controls_[i]);
            controls_[i] = nullptr;
        } else if (wanted) {
            const RECT r = pixelRect(control.definition().rect);
            SetWindowPos(controls_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (created) {
        stackControls();
    }
    InvalidateRect(hwnd_, nullptr, TRUE);  // the lines
}

// Tab order is the order of the child windows: focusable controls by TabIndex first, then the
// labels, which every other kind of control covers where they overlap.
void WindowView::stackControls() {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] != nullptr) {
            order.push_back(i);
        }
    }
    const auto& controls = model_.controls();
    std::stable_sort(order.begin(), order.end(), [&controls](std::size_t a, std::size_t b) {
        const bool focusA = takesFocus(controls[a].kind());
        const bool focusB = takesFocus(controls[b].kind());
        if (focusA != focusB) {
            return focusA;
        }
        return controls[a].definition().tabIndex < controls[b].definition().tabIndex;
    });
    HWND after = HWND_TOP;
    for (std::size_t index : order) {
        SetWindowPos(controls_[index], after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = controls_[index];
    }
}

// Controls ---------------------------------------------------------------------------------

void WindowView::createControl(std::size_t index) {
    const Control& control = model_.controls()[index];
    const ControlDefinition& d = control.definition();
    const wchar_t* className = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (control.kind()) {
        case ControlKind::Label:
            style |= SS_NOTIFY | (d.alignment == Alignment::Center ? SS_CENTER : SS_LEFT);
            if (d.border == Border::FixedSingle) {
                style |= WS_BORDER;
            }
            break;
        case ControlKind::TextBox:
            className = L"EDIT";
            style |= WS_TABSTOP | (d.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL);
            style |= d.readOnly ? ES_READONLY : 0;
            style |= d.alignment == Alignment::Center ? ES_CENTER : ES_LEFT;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::CommandButton:
            className = L"BUTTON";
            style |=
                WS_TABSTOP | (d.role == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case ControlKind::TickBox:
            // Not an automatic box: the program owns the value and raises the click itself.
            className = L"BUTTON";
            style |= WS_TABSTOP | BS_3STATE | BS_MULTILINE;
            break;
        default:
            return;
    }
    const RECT r = pixelRect(d.rect);
    const std::wstring text = toWide(control.text());
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(  // NOLINT
                                    kFirstControlId + index)),
                                instance_, nullptr);
    if (hwnd == nullptr) {
        return;
    }
    controls_[index] = hwnd;
    SendMessageW(
        hwnd, WM_SETFONT,
        reinterpret_cast<WPARAM>(font(d.font.value_or(model_.definition().font))),  // NOLINT
        FALSE);
    if (control.kind() == ControlKind::TickBox) {
        SendMessageW(hwnd, BM_SETCHECK, checkState(control.value()), 0);
    }
    EnableWindow(hwnd, control.enabled() ? TRUE : FALSE);
}

void WindowView::applyControl(const Control& control, std::uint8_t changes) {
    const std::size_t index = indexOf(control);
    HWND hwnd = index < controls_.size() ? controls_[index] : nullptr;
    if (hwnd == nullptr) {
        return;  // not drawn: created from the model's state if it ever is
    }
    if ((changes & kChangedText) != 0) {
        settingText_ = true;
        setText(hwnd, control.text());
        settingText_ = false;
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

Control* WindowView::controlOf(HWND control) const {
    const int id = GetDlgCtrlID(control) - kFirstControlId;
    auto& controls = model_.controls();
    if (id < 0 || static_cast<std::size_t>(id) >= controls.size() ||
        controls_[static_cast<std::size_t>(id)] != control) {
        return nullptr;
    }
    return &controls[static_cast<std::size_t>(id)];
}

std::size_t WindowView::indexOf(const Control& control) const {
    const auto found = indexes_.find(&control);
    return found != indexes_.end() ? found->second : controls_.size();
}

Control* WindowView::buttonWithRole(ButtonRole role) const {
    auto& controls = model_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind() == ControlKind::CommandButton &&
            controls[i].definition().role == role && controls_[i] != nullptr) {
            return &controls[i];
        }
    }
    return nullptr;
}

// Fonts and colours ------------------------------------------------------------------------

HFONT WindowView::font(const Font& f) {
    const auto key = std::make_tuple(f.face, f.points, f.bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    const std::wstring face = faceFor(f);
    // Negative: the character height in pixels at this window's DPI. TrueType faces first.
    const int height = -static_cast<int>(std::lround(f.points * dpi_ / 72.0));
    HFONT created = CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    fonts_.emplace(key, created);
    return created;
}

void WindowView::dropFonts() {
    for (auto& [key, f] : fonts_) {
        DeleteObject(f);
    }
    fonts_.clear();
}

HBRUSH WindowView::brush(COLORREF colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH created = CreateSolidBrush(colour);
    brushes_.emplace(colour, created);
    return created;
}

LRESULT WindowView::controlColours(HDC dc, HWND hwnd) {
    const Control* control = controlOf(hwnd);
    if (control == nullptr) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),  // NOLINT
                              reinterpret_cast<LPARAM>(hwnd));                         // NOLINT
    }
    const bool textBox = control->kind() == ControlKind::TextBox;
    const std::optional<Colour> back = control->backColor();
    const std::optional<Colour> fore = control->definition().foreColor;
    if (!back && !fore && !textBox) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),  // NOLINT
                              reinterpret_cast<LPARAM>(hwnd));                         // NOLINT
    }
    // Text boxes default to the window colours, read-only ones too; the rest to the face.
    const int backIndex = textBox ? COLOR_WINDOW : COLOR_BTNFACE;
    const int foreIndex = textBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT;
    SetTextColor(dc, fore ? static_cast<COLORREF>(*fore) : GetSysColor(foreIndex));
    SetBkColor(dc, back ? static_cast<COLORREF>(*back) : GetSysColor(backIndex));
    return reinterpret_cast<LRESULT>(back ? brush(*back) : GetSysColorBrush(backIndex));  // NOLINT
}

void WindowView::paintLines(HDC dc) const {
    const int width = std::max(1, static_cast<int>(dpi_ / USER_DEFAULT_SCREEN_DPI));
    HPEN pen = CreatePen(PS_SOLID, width, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    for (const Control& control : model_.controls()) {
        if (control.kind() != ControlKind::Line || !control.visible()) {
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
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);  // NOLINT
        auto* view = static_cast<WindowView*>(create->lpCreateParams);
        view->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));  // NOLINT
    }
    auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));  // NOLINT
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
            if (Control* button = buttonWithRole(ButtonRole::Default)) {
                const auto index = static_cast<int>(indexOf(*button));
                return MAKELRESULT(kFirstControlId + index, DC_HASDEFID);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return controlColours(reinterpret_cast<HDC>(wParam),    // NOLINT
                                  reinterpret_cast<HWND>(lParam));  // NOLINT
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(hwnd_, &paint);
            paintLines(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_CLOSE:
            // The program decides whether and how the window closes.
            input_.closeWindow(model_);
            return 0;
        case WM_MOVE:
            // A minimized window sits far off screen; that is no position to keep. A window
            // still on the pixel its twips give keeps its exact twips.
            if (!placing_ && IsIconic(hwnd_) == 0) {
                RECT outer{};
                GetWindowRect(hwnd_, &outer);
                if (outer.left != twipsToPixels(model_.left(), dpi_) ||
                    outer.top != twipsToPixels(model_.top(), dpi_)) {
                    input_.movedTo(model_, pixelsToTwips(outer.left, dpi_),
                                   pixelsToTwips(outer.top, dpi_));
                }
            }
            return 0;
        case WM_ACTIVATE:
            // Keyboard focus as a dialog keeps it: back where it was, or the first tab stop.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus) != 0) {
                    lastFocus_ = focus;
                }
            } else {
                HWND target = lastFocus_ != nullptr && IsWindow(lastFocus_) != 0 &&
                                      IsWindowEnabled(lastFocus_) != 0
                                  ? lastFocus_
                                  : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
                if (target != nullptr) {
                    SetFocus(target);
                }
            }
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            dropFonts();
            for (std::size_t i = 0; i < controls_.size(); ++i) {
                if (controls_[i] != nullptr) {
                    const ControlDefinition& d = model_.controls()[i].definition();
                    SendMessageW(controls_[i], WM_SETFONT,
                                 reinterpret_cast<WPARAM>(  // NOLINT
                                     font(d.font.value_or(model_.definition().font))),
                                 TRUE);
                }
            }
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);  // NOLINT
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            syncControls();
            return 0;
        }
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void WindowView::onCommand(int id, int code) {
    if (id == IDCANCEL) {
        // Escape: the cancel button if the window has one, else the program decides.
        if (Control* cancel = buttonWithRole(ButtonRole::Cancel)) {
            input_.click(*cancel);
        } else {
            input_.escapeKey(model_);
        }
        return;
    }
    if (id == IDOK) {
        if (Control* byDefault = buttonWithRole(ButtonRole::Default)) {
            input_.click(*byDefault);
        }
        return;
    }
    const int index = id - kFirstControlId;
    auto& controls = model_.controls();
    if (index < 0 || static_cast<std::size_t>(index) >= controls.size()) {
        return;
    }
    Control& control = controls[static_cast<std::size_t>(index)];
    HWND hwnd = controls_[static_cast<std::size_t>(index)];
    switch (control.kind()) {
        case ControlKind::CommandButton:
            if (code == BN_CLICKED) {
                input_.click(control);
            }
            break;
        case ControlKind::TickBox:
            if (code == BN_CLICKED) {
                input_.click(control);
                // Shows the model's value, also when the click changed nothing (a disabled box).
                if (controls_[static_cast<std::size_t>(index)] == hwnd && hwnd != nullptr) {
                    SendMessageW(hwnd, BM_SETCHECK, checkState(control.value()), 0);
                }
            }
            break;
        case ControlKind::Label:
            if (code == STN_CLICKED) {
                input_.click(control);
            } else if (code == STN_DBLCLK) {
                input_.doubleClick(control);
            }
            break;
        case ControlKind::TextBox:
            // What the user types becomes the box's text in the model.
            if (code == EN_CHANGE && !settingText_ && hwnd != nullptr) {
                input_.typed(control, toUtf8(windowText(hwnd)));
            }
            break;
        default:
            break;
    }
}

}  // namespace lwviz::win32
