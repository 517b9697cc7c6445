// The rules every front-end draws by: what is drawn at a client size, the tab chain and the
// button roles.

#include "core/window_layout.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/test_window.h"
#include "core/window.h"

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

}  // namespace
}  // namespace lwviz
