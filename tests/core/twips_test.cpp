#include "core/twips.h"

#include <gtest/gtest.h>

#include "core/test_window.h"
#include "core/window.h"

namespace lwviz {
namespace {

TEST(Twips, FifteenPerPixelAt96DpiTenAt144AndNeighboursKeepTheirCommonEdge) {
    EXPECT_EQ(twipsToPixels(4380, 96), 292);
    EXPECT_EQ(twipsToPixels(4380, 144), 438);
    EXPECT_EQ(twipsToPixels(1000, 96), 67);  // 66.67 rounds to the nearest pixel
    EXPECT_FLOAT_EQ(pixelsToTwips(67, 96), 1005);
    EXPECT_FLOAT_EQ(pixelsToTwips(100, 144), 1000);
    // 2535 twips are 253.5 pixels at 144 dpi: the right edge of one box is the left of the next.
    const PixelRect left = toPixels(Rect{8520, 0, 2535, 405}, 144);
    const PixelRect right = toPixels(Rect{11055, 0, 600, 405}, 144);
    EXPECT_EQ(left.right, right.left);

    Window w(testing::testWindowDefinition());
    const PixelRect line = pixelBounds(w.control("LINE"), kStandardDpi);
    EXPECT_EQ(line, (PixelRect{344, 240, 345, 513})) << "a vertical line is one pixel wide";
}

}  // namespace
}  // namespace lwviz
