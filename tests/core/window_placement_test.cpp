#include "core/window_placement.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/test_window.h"
#include "core/window.h"
#include "support/fakes.h"

namespace lwviz {
namespace {

TEST(WindowPlacement, AMoveCountsUnlessMinimizedOrStillOnTheSamePixel) {
    Window w(testing::testWindowDefinition());
    w.setLeft(1000);
    w.setTop(1000);
    w.layout().fit(286, 130, 144);

    userMoved(w, 100, 100, false);  // 1000 twips are pixel 100 at 144 dpi
    EXPECT_EQ(w.left(), 1000);
    userMoved(w, -32000, -32000, true);
    EXPECT_EQ(w.left(), 1000);
    userMoved(w, 200, 151, false);
    EXPECT_EQ(w.left(), 2000);
    EXPECT_EQ(w.top(), 1510);
}

TEST(WindowPlacement, TheClientAreaIsTheDesignsAndTheRealFrameLandsOnTheStoredCorner) {
    Window w(testing::testWindowDefinition());
    w.setLeft(3000);
    w.setTop(2000);
    w.setWidth(4380);
    w.setHeight(2325);
    EXPECT_EQ(clientArea(w, 96), (PixelRect{0, 0, 286, 130}));
    EXPECT_EQ(clientArea(w, 144), (PixelRect{0, 0, 428, 195}));
    // A 37-pixel title bar with no side borders, and a classic frame.
    EXPECT_EQ(clientOnScreen(w, {0, 37, 0, 0}, 96), (PixelRect{200, 170, 486, 300}));
    EXPECT_EQ(clientOnScreen(w, {1, 20, 1, 1}, 96), (PixelRect{201, 153, 487, 283}));
    w.setWidth(30);
    EXPECT_EQ(clientArea(w, 96).width(), 1) << "never an empty client area";
}

TEST(WindowPlacement, SizesThatLeaveTheFrameUnusableOrExceedAllScreensTakeTheDefault) {
    constexpr WindowPlace kDefaults{1000, 1000, 4380, 2325};
    // Screens in pixels at 96 dpi, 15 twips each.
    testing::FakeScreens screens;
    const auto keptSize = [&](float width, float height, const std::vector<ScreenRect>& pixels) {
        screens.areas.clear();
        for (const ScreenRect& p : pixels) {
            screens.areas.push_back({p.left * 15, p.top * 15, p.width * 15, p.height * 15});
        }
        Window w(testing::testWindowDefinition());
        w.setWidth(width);
        w.setHeight(height);
        keepUsable(w, screens, kDefaults);
        return std::pair{w.width(), w.height()};
    };
    const std::vector<ScreenRect> one{{0, 0, 1280, 800}};
    EXPECT_EQ(keptSize(3e10F, 3e10F, one), (std::pair{4380.0F, 2325.0F}));
    EXPECT_EQ(keptSize(1e6F, 1e30F, one), (std::pair{4380.0F, 2325.0F}));
    EXPECT_EQ(keptSize(12, 0, one), (std::pair{4380.0F, 2325.0F}));
    EXPECT_EQ(keptSize(1080, 375, one), (std::pair{1080.0F, 375.0F})) << "frame and title bar";
    EXPECT_EQ(keptSize(19200, 12000, one), (std::pair{19200.0F, 12000.0F})) << "the whole screen";
    // Two screens side by side: as wide as both together, no taller than the taller one.
    EXPECT_EQ(keptSize(48000, 16201, {{0, 0, 1280, 800}, {1280, 0, 1920, 1080}}),
              (std::pair{48000.0F, 2325.0F}));
    // Without screen information only the frame is checked.
    EXPECT_EQ(keptSize(1e6F, 12, {}), (std::pair{1e6F, 2325.0F}));
}

}  // namespace
}  // namespace lwviz
