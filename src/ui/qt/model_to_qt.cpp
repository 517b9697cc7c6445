#include "ui/qt/model_to_qt.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace lwviz::qt {

QColor toQColor(Colour colour) {
    return QColor::fromRgb(static_cast<int>(colour & 0xFFU),
                           static_cast<int>((colour >> 8U) & 0xFFU),
                           static_cast<int>((colour >> 16U) & 0xFFU));
}

QFont toQFont(const Font& font) {
    const QString face =
        QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size()));
    // Liberation Sans has Arial's metrics. The bitmap "MS Sans Serif" sets narrower than Arial
    // at the same size, so it gets one pixel less: the log's 56-character separator then fits
    // the About window's report box on one line, as it does on Windows.
    QStringList families;
    const bool sansSerif = face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0;
    if (sansSerif || face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial");
    } else {
        families << face;
    }
    families << QStringLiteral("DejaVu Sans");
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(QFont::SansSerif);
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    const long pixels = std::lround(font.points * kPixelsPerPoint) - (sansSerif ? 1 : 0);
    result.setPixelSize(std::max(1, static_cast<int>(pixels)));
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    return result;
}

}  // namespace lwviz::qt
