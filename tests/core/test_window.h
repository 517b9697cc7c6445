#pragma once

// A window of the core's own, with one control or two of every kind. At 96 dpi its control
// panel fills a client area of 286 by 130 pixels; the cell, the line and the hidden cell below
// it need 820 by 540.

#include "core/control_builders.h"
#include "core/window.h"

namespace lwviz::testing {

inline const WindowDefinition& testWindowDefinition() {
    static const WindowDefinition definition = [] {
        using namespace design;
        WindowDefinition w;
        w.name = "TEST_WINDOW";
        w.clientWidth = 12090;
        w.clientHeight = 7725;
        auto& c = w.controls;
        c.push_back(label("TITLE", "TITLE", {120, 120, 1695, 255}, 9));
        c.push_back(label("STATUS", "READY...", {960, 480, 3255, 255}, 8));
        c.push_back(textBox("DISPLAY", "DISPLAY", {1800, 840, 2415, 315}, 5));
        c.push_back(tickBox("AUTOSTART", "Auto Start", {240, 720, 735, 495}, 1, true, kClear));
        c.push_back(tickBox("AUTOCLOSE", "Auto Close", {240, 1320, 855, 495}, 2, false, kClear));
        c.push_back(tickBox("ON_TOP", "On Top", {1080, 1320, 855, 495}, 3, true, kTicked));
        c.push_back(button("ABOUT", "About", {2040, 1320, 735, 495}, 4));
        c.push_back(button("START", "START", {3000, 1320, 1095, 495}, 0, ButtonRole::Default));
        c.push_back(timer("TIMER", true));
        c.push_back(textBox("CELL", "CELL", {1200, 3720, 2535, 405}, 6));
        c.push_back(textBox("HIDDEN_CELL", "HIDDEN_CELL", {1200, 4320, 1215, 375}, 7, false));
        ControlDefinition line;
        line.kind = ControlKind::Line;
        line.name = "LINE";
        line.line = {5160, 3600, 5160, 7680};
        c.push_back(line);
        return w;
    }();
    return definition;
}

}  // namespace lwviz::testing
