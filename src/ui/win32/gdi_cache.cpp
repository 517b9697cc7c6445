#include "ui/win32/gdi_cache.h"

#include <cmath>
#include <string>

#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {
namespace {

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
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&any), 0);
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

bool systemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) != FALSE &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

GdiCache::~GdiCache() {
    dropFonts();
    for (auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HFONT GdiCache::font(const Font& f) {
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

HBRUSH GdiCache::brush(COLORREF colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH created = CreateSolidBrush(colour);
    brushes_.emplace(colour, created);
    return created;
}

void GdiCache::setDpi(unsigned dpi) {
    if (dpi != dpi_) {
        dropFonts();
        dpi_ = dpi;
    }
}

void GdiCache::dropFonts() {
    for (auto& [key, f] : fonts_) {
        DeleteObject(f);
    }
    fonts_.clear();
}

}  // namespace lwviz::win32
