#include "core/text_fit.h"

#include <algorithm>

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

double pointsToFitLines(
    double designPoints, TextExtent room, std::size_t lineCount,
    const std::function<TextExtent(double points, std::size_t line)>& lineExtent) {
    return pointsToFit(designPoints, room, [&](double points) {
        TextExtent text;
        for (std::size_t line = 0; line < lineCount; ++line) {
            const TextExtent one = lineExtent(points, line);
            text.width = std::max(text.width, one.width);
            text.height += one.height;
        }
        return text;
    });
}

}  // namespace lwviz
