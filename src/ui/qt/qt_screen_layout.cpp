#include "ui/qt/qt_screen_layout.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/qt/model_to_qt.h"

namespace lwviz::qt {

std::vector<ScreenRect> QtScreenLayout::screens() {
    std::vector<ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x() * kTwipsPerPixel, area.y() * kTwipsPerPixel,
                         area.width() * kTwipsPerPixel, area.height() * kTwipsPerPixel});
    }
    return areas;
}

}  // namespace lwviz::qt
