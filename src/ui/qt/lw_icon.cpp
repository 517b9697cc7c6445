#include "ui/qt/lw_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <array>

namespace lwviz::qt {
namespace {

QPixmap drawLw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    // Two capitals side by side fill the square at a bit over half its height.
    font.setPixelSize(size * 5 / 8);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("LW"));
    return pixmap;
}

}  // namespace

QIcon lwIcon() {
    QIcon icon;
    constexpr std::array<int, 2> kSizes = {16, 24};
    for (const int size : kSizes) {
        icon.addPixmap(drawLw(size));
    }
    return icon;
}

}  // namespace lwviz::qt
