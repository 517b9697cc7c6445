#include "ui/win32/native_controls.h"

#include <vector>

#include "core/text_fit.h"
#include "core/window.h"
#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {
namespace {

// Pixels between a multi-line box's border and its text.
constexpr int kTextMargin = 1;

struct NativeClass {
    const wchar_t* name = nullptr;  // null: the kind has no native control
    DWORD style = 0;
    DWORD exStyle = 0;
};

NativeClass nativeClassOf(const Control& control) {
    const ControlDefinition& d = control.definition();
    DWORD style = 0;
    switch (control.kind()) {
        case ControlKind::Label:
            style |= SS_NOTIFY | (d.alignment == Alignment::Center ? SS_CENTER : SS_LEFT);
            style |= d.border == Border::FixedSingle ? WS_BORDER : 0;
            return {L"STATIC", style};
        case ControlKind::TextBox:
            style |= WS_TABSTOP | (d.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL);
            style |= d.readOnly ? ES_READONLY : 0;
            style |= d.alignment == Alignment::Center ? ES_CENTER : ES_LEFT;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        case ControlKind::CommandButton:
            style |=
                WS_TABSTOP | (d.role == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            return {L"BUTTON", style};
        case ControlKind::TickBox:
            // Not an automatic box: the program owns the value and raises the click itself.
            style |= WS_TABSTOP | BS_3STATE | BS_MULTILINE;
            return {L"BUTTON", style};
        default:
            return {};
    }
}

// The lines of a multi-line box's text, which breaks them at CR LF.
std::vector<std::wstring> linesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) {
            return lines;
        }
        start = end + 2;
    }
}

}  // namespace

HWND createNativeControl(const Control& control, HWND parent, HINSTANCE instance, int id,
                         unsigned dpi, GdiCache& gdi) {
    const NativeClass native = nativeClassOf(control);
    if (native.name == nullptr) {
        return nullptr;
    }
    const PixelRect r = pixelBounds(control, dpi);
    const std::wstring text = toWide(control.text());
    HWND hwnd = CreateWindowExW(native.exStyle, native.name, text.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, r.left,
                                r.top, r.width(), r.height(), parent,
                                reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), instance,
                                nullptr);
    if (hwnd == nullptr) {
        return nullptr;
    }
    applyNativeFont(hwnd, control, gdi);
    if (control.kind() == ControlKind::TickBox) {
        SendMessageW(hwnd, BM_SETCHECK, checkState(control.value()), 0);
    }
    EnableWindow(hwnd, control.enabled() ? TRUE : FALSE);
    return hwnd;
}

// A multi-line box gets thin inner margins and the size at which it shows its whole text, whose
// lines it would otherwise wrap or cut off at the bottom (Wine's stand-in for the design face
// is wider, and a computer name may be long).
void applyNativeFont(HWND hwnd, const Control& control, GdiCache& gdi) {
    const Font design = control.definition().font.value_or(control.window().definition().font);
    Font chosen = design;
    const bool multiLine = control.definition().multiLine;
    const std::wstring text = toWide(control.text());
    if (multiLine) {
        const std::vector<std::wstring> lines = linesOf(text);
        RECT client{};
        GetClientRect(hwnd, &client);
        HDC dc = GetDC(hwnd);
        const TextExtent room{client.right - 2 * kTextMargin, client.bottom};
        chosen.points = pointsToFitLines(
            design.points, room, lines.size(), [&](double points, std::size_t line) {
                HGDIOBJ old = SelectObject(dc, gdi.font(Font{design.face, points, design.bold}));
                TEXTMETRICW metrics{};
                GetTextMetricsW(dc, &metrics);
                SIZE size{};
                GetTextExtentPoint32W(dc, lines[line].c_str(), static_cast<int>(lines[line].size()),
                                      &size);
                SelectObject(dc, old);
                return TextExtent{static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
            });
        ReleaseDC(hwnd, dc);
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(gdi.font(chosen)), TRUE);
    if (multiLine) {
        // The font resets the margins; the text laid out again takes the thin ones.
        SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(kTextMargin, kTextMargin));
        SetWindowTextW(hwnd, text.c_str());
    }
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

bool setWindowText(HWND hwnd, const std::string& utf8) {
    const std::wstring text = toWide(utf8);
    if (windowText(hwnd) == text) {
        return false;
    }
    SetWindowTextW(hwnd, text.c_str());
    return true;
}

}  // namespace lwviz::win32
