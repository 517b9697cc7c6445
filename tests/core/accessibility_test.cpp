// What assistive technology is told of a window's controls: names from captions, and the order
// in which a screen reader walks the window.

#include "core/accessibility.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/control_builders.h"

namespace lwviz {
namespace {

const WindowDefinition& captionedWindow() {
    static const WindowDefinition definition = [] {
        using namespace design;
        WindowDefinition w;
        w.clientWidth = 6000;
        w.clientHeight = 3000;
        ControlDefinition phase = label("PHASE", "READY...", {960, 480, 3255, 255}, 3);
        phase.accessible.name = "Status";
        ControlDefinition phaseCaption = label("PHASE_CAPTION", "STATUS:", {120, 480, 855, 255}, 4);
        phaseCaption.accessible.labelFor = "PHASE";
        ControlDefinition displayCaption = label("CAPTION", "UPTIME:", {1080, 840, 855, 255}, 5);
        displayCaption.accessible.labelFor = "DISPLAY";
        w.controls = {textBox("DISPLAY", "12:00", {1800, 840, 2415, 315}, 1),
                      phase,
                      displayCaption,
                      phaseCaption,
                      button("OK", "OK", {240, 1320, 735, 495}, 0),
                      textBox("OFF_SCREEN", "", {240, 9000, 735, 315}, 2),
                      label("TITLE", "TITLE", {120, 120, 1695, 255}, 6)};
        return w;
    }();
    return definition;
}

TEST(Accessibility, ACaptionNamesTheControlItLabelsForAndAnOwnNameComesFirst) {
    Window w(captionedWindow());
    const Control& display = w.control("DISPLAY");
    EXPECT_EQ(captionOf(display), &w.control("CAPTION"));
    EXPECT_EQ(namedBy(w.control("CAPTION")), &display);
    EXPECT_EQ(accessibleName(display), "UPTIME") << "the caption's colon is not said";
    EXPECT_EQ(accessibleName(w.control("PHASE")), "Status");
    EXPECT_EQ(captionOf(w.control("PHASE")), &w.control("PHASE_CAPTION"));
    EXPECT_EQ(accessibleName(w.control("OK")), "");
    EXPECT_EQ(captionOf(w.control("OK")), nullptr);
    EXPECT_EQ(namedBy(w.control("TITLE")), nullptr);
}

TEST(Accessibility, AScreenReaderWalksTheDrawnControlsByRowsFromTheTopEachFromTheLeft) {
    Window w(captionedWindow());
    w.layout().fit(400, 200, kStandardDpi);
    std::vector<std::string_view> order;
    for (const Control* control : readingOrder(w)) {
        order.push_back(control->name());
    }
    EXPECT_EQ(order, (std::vector<std::string_view>{"TITLE", "PHASE_CAPTION", "PHASE", "CAPTION",
                                                    "DISPLAY", "OK"}));
}

}  // namespace
}  // namespace lwviz
