#include "platform/qt/qt_screen_layout.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/twips.h"

namespace lwviz::qt {

std::vector<ScreenRect> QtScreenLayout::screens() {
    std::vector<ScreenRect> areas;
    // Qt measures in device-independent pixels.
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({pixelsToTwips(area.x(), kStandardDpi),
                         pixelsToTwips(area.y(), kStandardDpi),
                         pixelsToTwips(area.width(), kStandardDpi),
                         pixelsToTwips(area.height(), kStandardDpi)});
    }
    return areas;
}

}  // namespace lwviz::qt
