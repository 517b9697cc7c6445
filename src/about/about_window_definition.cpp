#include "about/about_window_definition.h"

#include <string_view>

#include "core/control_builders.h"

namespace lwviz {
namespace {

using namespace design;  // a table of controls

constexpr Font kArial975Bold{"Arial", 9.75, true};

ControlDefinition banner(std::string_view name, std::string_view caption, Rect rect, int tabIndex) {
    return design::banner(name, caption, rect, tabIndex, kArial975Bold);
}

WindowDefinition build() {
    WindowDefinition w;
    w.name = "LW_VIZ_ABOUT";
    w.caption = "LW-DODOZU-ZIDADA - ABOUT";
    w.style = WindowStyle{.fixedBorder = true, .minimizeButton = false, .maximizeButton = false};
    w.clientWidth = 5655;
    w.clientHeight = 4515;

    auto& c = w.controls;
    c.reserve(9);
    c.push_back(
        report("OUTPUT_REPORT_TEXTBOX", "!!! TIMERS DISABLED !!!\r\n", {240, 1560, 5175, 1845}, 1));
    // Enter presses OK, as it presses START on the main window.
    c.push_back(button("OK_BUTTON", "OK", {1920, 3600, 1815, 735}, 0, ButtonRole::Default));
    {
        ControlDefinition caption =
            label("OUTPUT_LOG_LABEL", "Output Log", {240, 3480, 855, 255}, 8);
        caption.accessible.labelFor = "OUTPUT_REPORT_TEXTBOX";
        c.push_back(caption);
    }
    c.push_back(banner("LW_TITLE_2", "LW-DODOZU-ZIDADA", {2040, 120, 2295, 375}, 7));
    c.push_back(banner("LW_TITLE_3", "LW-VIZ", {4440, 120, 1095, 375}, 6));
    c.push_back(banner("FREEWARE_TEXTBOX", "!!! FREEWARE !!!", {120, 1080, 2655, 375}, 5));
    c.push_back(banner("VERSION_TEXTBOX", "Version 1.0", {3000, 1080, 2535, 375}, 4));
    {
        // The contact address, which a double-click shows, is there without a mouse too.
        ControlDefinition author =
            banner("CREATOR_TEXTBOX", "Created By Quarn208", {120, 600, 5415, 375}, 3);
        author.accessible.description = kAuthorContact;
        author.accessible.doubleClickAction = "Show contact";
        c.push_back(author);
    }
    c.push_back(banner("LW_TITLE_1", "LARK-WEAVER", {120, 120, 1815, 375}, 2));
    return w;
}

}  // namespace

const WindowDefinition& aboutWindowDefinition() {
    static const WindowDefinition definition = build();
    return definition;
}

}  // namespace lwviz
