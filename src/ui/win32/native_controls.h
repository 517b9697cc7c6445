#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/control.h"
#include "ui/win32/gdi_cache.h"

namespace lwviz::win32 {

// The native control of each kind of the model's controls: labels as STATIC, text boxes as
// EDIT, buttons and tick boxes as BUTTON. Lines and timers have none.

// Creates the control's native control in `parent` with the child ID `id`, at its bounds at
// this dpi, showing its text, value, state and font as they are now; null for a kind that has
// none, or when the system refuses.
[[nodiscard]] HWND createNativeControl(const Control& control, HWND parent, HINSTANCE instance,
                                       int id, unsigned dpi, GdiCache& gdi);

// The design's font on the control's native control; a multi-line box takes the size at which
// its whole text shows.
void applyNativeFont(HWND hwnd, const Control& control, GdiCache& gdi);

// A tick box's value as BM_SETCHECK takes it.
[[nodiscard]] WPARAM checkState(std::int16_t value);

[[nodiscard]] std::wstring windowText(HWND hwnd);
// Sets the text unless it is already shown, which keeps the caret where it is; true when it
// set it.
bool setWindowText(HWND hwnd, const std::string& utf8);

}  // namespace lwviz::win32
