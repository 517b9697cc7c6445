#include "core/text_fit.h"

#include <gtest/gtest.h>

namespace lwviz {
namespace {

TEST(TextFit, TheDesignSizeOrTheLargestQuarterPointBelowItAtWhichTheWholeTextFits) {
    // A text 40 pixels wide and 10 high per point.
    const auto measure = [](double points) {
        return TextExtent{static_cast<int>(points * 40), static_cast<int>(points * 10)};
    };
    EXPECT_EQ(pointsToFit(8.25, {400, 100}, measure), 8.25);
    EXPECT_EQ(pointsToFit(8.25, {300, 100}, measure), 7.5);
    EXPECT_EQ(pointsToFit(8.25, {400, 55}, measure), 5.5) << "all lines in the height too";
    EXPECT_EQ(pointsToFit(8.25, {10, 10}, measure), kSmallestFittingPoints);
}

}  // namespace
}  // namespace lwviz
