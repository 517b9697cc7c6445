#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "ui/win32/accessible_annotations.h"
#include "ui/win32/gdi_cache.h"

namespace lwviz::win32 {

// One window of the model drawn with native controls (native_controls.h), lines painted by
// the window. Only the controls its layout draws exist as native controls. Geometry is
// converted from twips at the window's DPI; the user's raw input goes to the application.
class WindowView {
public:
    // First control ID; below it are IDOK and IDCANCEL, which the dialog manager sends.
    static constexpr int kFirstControlId = 100;

    // Creates the window hidden, at the model's geometry. `owner` is the owner window or null.
    // Under high contrast the coloured boxes take the system's colours.
    WindowView(HINSTANCE instance, Window& model, Application& app, HWND owner,
               HighContrastQuery highContrast = systemHighContrast);
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;
    WindowView(WindowView&&) = delete;
    WindowView& operator=(WindowView&&) = delete;
    ~WindowView();

    [[nodiscard]] HWND handle() const noexcept { return hwnd_; }
    [[nodiscard]] NativeWindow nativeWindow() const noexcept {
        return reinterpret_cast<std::uintptr_t>(hwnd_);
    }
    [[nodiscard]] Window& model() const noexcept { return model_; }
    [[nodiscard]] HWND owner() const noexcept { return owner_; }
    [[nodiscard]] unsigned dpi() const noexcept { return dpi_; }

    void show(int how);
    void destroy();

    // Draws the changed properties of one of its controls.
    void apply(const Control& control, std::uint8_t changes);
    // Takes the model's geometry again and draws what the layout then draws.
    void place();

    // The native control drawing the named control, or null while it has none.
    [[nodiscard]] HWND controlHandle(std::string_view name) const {
        return controls_[model_.control(name).index()];
    }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int code);
    LRESULT controlColours(HDC dc, HWND hwnd);
    void paintLines(HDC dc) const;

    // Puts the outer corner here, with the design's client area inside the frame.
    void frameClient(int left, int top);
    void syncControls();
    void stackControls();
    void shapeCaptions();
    [[nodiscard]] Control* controlOf(HWND control) const;

    Window& model_;
    Application& app_;
    HINSTANCE instance_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    unsigned dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> controls_;  // by the control's index in the model; null when not drawn
    GdiCache gdi_;
    AccessibleAnnotations annotations_;
    HWND lastFocus_ = nullptr;
    bool placing_ = false;  // the program, not the user, is moving the window
    HighContrastQuery highContrastQuery_;
    bool highContrast_ = false;  // as the query said when the window last heard of a change
};

}  // namespace lwviz::win32
