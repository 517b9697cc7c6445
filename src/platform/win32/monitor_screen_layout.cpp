#include "platform/win32/monitor_screen_layout.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellscalingapi.h>

#include "core/twips.h"

namespace lwviz::win32 {
namespace {
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC /*dc*/, LPRECT /*rect*/, LPARAM data) {
    auto& areas = *reinterpret_cast<std::vector<ScreenRect>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info) == 0) {
        return TRUE;
    }
    UINT dpiX = USER_DEFAULT_SCREEN_DPI;
    UINT dpiY = USER_DEFAULT_SCREEN_DPI;
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) || dpiX == 0) {
        dpiX = USER_DEFAULT_SCREEN_DPI;
    }
    const RECT& work = info.rcWork;
    areas.push_back({pixelsToTwips(work.left, dpiX), pixelsToTwips(work.top, dpiX),
                     pixelsToTwips(work.right - work.left, dpiX),
                     pixelsToTwips(work.bottom - work.top, dpiX)});
    return TRUE;
}
}  // namespace

std::vector<ScreenRect> MonitorScreenLayout::screens() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace lwviz::win32
