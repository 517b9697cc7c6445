#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string_view>
#include <tuple>

#include "core/control.h"

namespace lwviz::win32 {

// Whether high contrast is on: the system's setting (SPI_GETHIGHCONTRAST), or another source
// that stands in for it.
using HighContrastQuery = std::function<bool()>;
[[nodiscard]] bool systemHighContrast();

// The fonts and brushes one window draws with, each made once and deleted with the window.
// Fonts are made for the window's dpi; another dpi drops them.
class GdiCache {
public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;
    GdiCache(GdiCache&&) = delete;
    GdiCache& operator=(GdiCache&&) = delete;
    ~GdiCache();

    // The design's font at this dpi, in the face installed here that stands for it.
    [[nodiscard]] HFONT font(const Font& font);
    [[nodiscard]] HBRUSH brush(COLORREF colour);
    // The dpi fonts are made for; a new one drops the fonts made so far.
    void setDpi(unsigned dpi);

private:
    void dropFonts();

    unsigned dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::map<std::tuple<std::string_view, double, bool>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace lwviz::win32
