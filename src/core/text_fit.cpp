#include "core/text_fit.h"

namespace lwviz {

double pointsToFit(double designPoints, TextExtent room,
                   const std::function<TextExtent(double points)>& measure) {
    constexpr double kStep = 0.25;
    double points = designPoints;
    for (; points > kSmallestFittingPoints; points -= kStep) {
        const TextExtent text = measure(points);
        if (text.width <= room.width && text.height <= room.height) {
            return points;
        }
    }
    return kSmallestFittingPoints;
}

}  // namespace lwviz
