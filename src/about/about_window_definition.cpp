#include "about/about_window_definition.h"

#include <string_view>

namespace lwviz {
namespace {

constexpr Font kArial975Bold{"Arial", 9.75, true};

// The green-on-black, bordered, centred labels that carry the name, version and author.
ControlDefinition banner(std::string_view name, std::string_view caption, Rect rect, int tabIndex) {
    ControlDefinition c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.text = caption;
    c.rect = rect;
    c.tabIndex = tabIndex;
    c.font = kArial975Bold;
    c.foreColor = kGreen;
    c.backColor = kBlack;
    c.border = Border::FixedSingle;
    c.alignment = Alignment::Center;
    return c;
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
    {
        ControlDefinition report;
        report.kind = ControlKind::TextBox;
        report.name = "OUTPUT_REPORT_TEXTBOX";
        report.text = "!!! TIMERS DISABLED !!!\r\n";
        report.rect = {240, 1560, 5175, 1845};
        report.tabIndex = 1;
        report.multiLine = true;
        report.readOnly = true;
        c.push_back(report);
    }
    {
        // Enter presses OK, as it presses START on the main window.
        ControlDefinition ok;
        ok.kind = ControlKind::CommandButton;
        ok.name = "OK_BUTTON";
        ok.text = "OK";
        ok.rect = {1920, 3600, 1815, 735};
        ok.tabIndex = 0;
        ok.role = ButtonRole::Default;
        c.push_back(ok);
    }
    {
        ControlDefinition outputLog;
        outputLog.kind = ControlKind::Label;
        outputLog.name = "OUTPUT_LOG_LABEL";
        outputLog.text = "Output Log";
        outputLog.rect = {240, 3480, 855, 255};
        outputLog.tabIndex = 8;
        c.push_back(outputLog);
    }
    c.push_back(banner("LW_TITLE_2", "LW-DODOZU-ZIDADA", {2040, 120, 2295, 375}, 7));
    c.push_back(banner("LW_TITLE_3", "LW-VIZ", {4440, 120, 1095, 375}, 6));
    c.push_back(banner("FREEWARE_TEXTBOX", "!!! FREEWARE !!!", {120, 1080, 2655, 375}, 5));
    c.push_back(banner("VERSION_TEXTBOX", "Version 1.0", {3000, 1080, 2535, 375}, 4));
    c.push_back(banner("CREATOR_TEXTBOX", "Created By Quarn208", {120, 600, 5415, 375}, 3));
    c.push_back(banner("LW_TITLE_1", "LARK-WEAVER", {120, 120, 1815, 375}, 2));
    return w;
}

}  // namespace

const WindowDefinition& aboutWindowDefinition() {
    static const WindowDefinition definition = build();
    return definition;
}

}  // namespace lwviz
