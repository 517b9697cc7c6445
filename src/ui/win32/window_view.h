#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "core/window.h"

namespace lwviz::win32 {

// What a view reports to the front-end: the user's input, each to be handled as one event.
class ViewInput {
public:
    virtual ~ViewInput() = default;
    virtual void click(Control& control) = 0;
    virtual void doubleClick(Control& control) = 0;
    virtual void typed(Control& textBox, const std::string& text) = 0;
    virtual void closeWindow(Window& window) = 0;
    virtual void escapeKey(Window& window) = 0;
    virtual void movedTo(Window& window, float left, float top) = 0;
};

// One window of the model drawn with native controls: labels as STATIC, text boxes as EDIT,
// buttons and tick boxes as BUTTON, lines painted by the window. Only controls that are
// visible in the model and reach into the client area exist as native controls. Geometry is
// converted from twips at the window's DPI.
class WindowView {
public:
    // First control ID; below it are IDOK and IDCANCEL, which the dialog manager sends.
    static constexpr int kFirstControlId = 100;

    // Creates the window hidden, at the model's geometry. `owner` is the owner window or null.
    WindowView(HINSTANCE instance, Window& model, ViewInput& input, HWND owner);
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;
    WindowView(WindowView&&) = delete;
    WindowView& operator=(WindowView&&) = delete;
    ~WindowView();

    [[nodiscard]] HWND handle() const noexcept { return hwnd_; }
    [[nodiscard]] Window& model() const noexcept { return model_; }
    [[nodiscard]] HWND owner() const noexcept { return owner_; }
    [[nodiscard]] unsigned dpi() const noexcept { return dpi_; }

    void show(int how);
    void destroy();

    // Applies what the handlers changed since the last call: control properties and geometry.
    void render();

    // The native control drawing the named control, or null while it has none.
    [[nodiscard]] HWND controlHandle(std::string_view name) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int code);
    LRESULT controlColours(HDC dc, HWND hwnd);
    void paintLines(HDC dc) const;

    void applyGeometry();
    void syncControls();
    void createControl(std::size_t index);
    void applyControl(const Control& control, std::uint8_t changes);
    void stackControls();
    [[nodiscard]] RECT pixelRect(const Rect& twips) const;
    [[nodiscard]] Control* controlOf(HWND control) const;
    [[nodiscard]] Control* buttonWithRole(ButtonRole role) const;
    [[nodiscard]] std::size_t indexOf(const Control& control) const;

    [[nodiscard]] HFONT font(const Font& font);
    [[nodiscard]] HBRUSH brush(COLORREF colour);
    void dropFonts();

    Window& model_;
    ViewInput& input_;
    HINSTANCE instance_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    unsigned dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> controls_;  // by the control's index in the model; null when not drawn
    std::unordered_map<const Control*, std::size_t> indexes_;  // the model's controls are a deque
    std::map<std::tuple<std::string_view, double, bool>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    HWND lastFocus_ = nullptr;
    bool placing_ = false;      // the program, not the user, is moving the window
    bool settingText_ = false;  // the program, not the user, is changing an edit's text
};

}  // namespace lwviz::win32
