// The rules every front-end draws by: what is drawn at a client size, the tab chain, the
// button roles, twips and pixels, where a move counts, and the failure report's words.

#include "core/window_layout.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "core/failure_report.h"
#include "core/test_window.h"
#include "core/text_fit.h"
#include "core/window.h"
#include "core/window_placement.h"
#include "support/fakes.h"

namespace lwviz {
namespace {

using Names = std::vector<std::string_view>;

Names namesOf(const std::vector<Control*>& controls) {
    Names names;
    for (const Control* control : controls) {
        names.push_back(control->name());
    }
    return names;
}

Names drawnNames(const Window& window) {
    Names drawn;
    for (const Control& control : window.controls()) {
        if (window.layout().drawn(control)) {
            drawn.push_back(control.name());
        }
    }
    return drawn;
}

TEST(WindowLayout, TheClientAreaDecidesWhatIsDrawnAtEveryDpi) {
    Window w(testing::testWindowDefinition());
    WindowLayout& layout = w.layout();
    EXPECT_EQ(drawnNames(w), Names{}) << "nothing is drawn before the first fit";

    // The control panel, nothing more.
    EXPECT_TRUE(layout.fit(286, 130, kStandardDpi));
    EXPECT_EQ(drawnNames(w), (Names{"TITLE", "STATUS", "DISPLAY", "AUTOSTART", "AUTOCLOSE",
                                    "ON_TOP", "ABOUT", "START"}));
    EXPECT_FALSE(layout.fit(286, 130, kStandardDpi)) << "the same fit changes nothing";
    // The same area at 150 %: the same controls.
    EXPECT_FALSE(layout.fit(429, 195, 144));

    // Large enough for everything: every visible control but the timer, the line included;
    // the hidden cell never.
    EXPECT_TRUE(layout.fit(820, 540, kStandardDpi));
    EXPECT_EQ(drawnNames(w), (Names{"TITLE", "STATUS", "DISPLAY", "AUTOSTART", "AUTOCLOSE",
                                    "ON_TOP", "ABOUT", "START", "CELL", "LINE"}));
}

TEST(WindowLayout, TabChainFirstFocusAndButtonRolesFollowTheDrawnEnabledControls) {
    Window w(testing::testWindowDefinition());
    w.layout().fit(286, 130, kStandardDpi);
    EXPECT_EQ(namesOf(w.layout().tabChain()),
              (Names{"START", "AUTOSTART", "AUTOCLOSE", "ON_TOP", "ABOUT", "DISPLAY"}));
    EXPECT_EQ(w.layout().firstFocus(), &w.control("START"));
    EXPECT_EQ(w.layout().button(ButtonRole::Default), &w.control("START"));
    EXPECT_EQ(w.layout().button(ButtonRole::Cancel), nullptr);

    // A disabled control keeps its place in the chain but takes neither focus nor Enter.
    w.control("START").setEnabled(false);
    EXPECT_EQ(w.layout().firstFocus(), &w.control("AUTOSTART"));
    EXPECT_EQ(w.layout().button(ButtonRole::Default), nullptr);
    EXPECT_EQ(w.layout().tabChain().size(), 6U);

    // Too small to show the button: Enter presses nothing.
    w.control("START").setEnabled(true);
    w.layout().fit(100, 40, kStandardDpi);
    EXPECT_EQ(w.layout().button(ButtonRole::Default), nullptr);
}

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
    const auto keptSize = [&](float width, float height, std::vector<ScreenRect> pixels) {
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

TEST(FailureReport, NamesTheNumberAndTheDescription) {
    EXPECT_EQ(failureReportText(RuntimeFailure::typeMismatch()),
              "Run-time error '13':\n\nType mismatch");
}

}  // namespace
}  // namespace lwviz
