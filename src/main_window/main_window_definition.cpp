#include "main_window/main_window_definition.h"

#include <string_view>

#include "core/control_builders.h"

namespace lwviz {
namespace {

constexpr Font kArial9Bold{"Arial", 9, true};
constexpr Font kArial975Bold{"Arial", 9.75, true};
constexpr Font kSansBold{"MS Sans Serif", 8.25, true};

// 56 "=" characters: the log entry's separator line.
constexpr std::string_view kSeparator = "========================================================";
static_assert(kSeparator.size() == 56);

using namespace design;  // a table of controls

// A cell: a text box whose text is one of the program's working values.
ControlDefinition cell(std::string_view name, std::string_view text, Rect rect, int tabIndex,
                       bool visible = true) {
    return textBox(name, text, rect, tabIndex, visible);
}

// A cell that starts out holding its own name.
ControlDefinition namedCell(std::string_view name, Rect rect, int tabIndex, bool visible = true) {
    return textBox(name, name, rect, tabIndex, visible);
}

ControlDefinition banner(std::string_view name, std::string_view caption, Rect rect, int tabIndex) {
    return design::banner(name, caption, rect, tabIndex, kArial9Bold);
}

WindowDefinition build() {
    WindowDefinition w;
    w.name = "LW_VIZ_MAIN";
    w.caption = "LW-DODOZU-ZIDADA";
    w.style = WindowStyle{.fixedBorder = true, .minimizeButton = true, .maximizeButton = false};
    w.clientWidth = 12090;
    w.clientHeight = 7725;

    auto& c = w.controls;
    c.push_back(namedCell("DATE_TIME_TEXTBOX", {8520, 1440, 2535, 405}, 54, false));
    c.push_back(cell("TOP_BOTTOM_LOG_LINE", kSeparator, {5640, 480, 6015, 405}, 53, false));
    c.push_back(timer("LOG_TIMER", false));
    c.push_back(timer("AUTOCLOSE_TIMER", false));
    c.push_back(timer("AUTOSTART_TIMER", false));
    c.push_back(report("OUTPUT_REPORT_TEXTBOX", "!!! TIMERS DISABLED !!!\r\n",
                       {4320, 1080, 3615, 1845}, 52, false));
    c.push_back(namedCell("PC_NAME_TEXTBOX", {8520, 2040, 2535, 405}, 51, false));
    c.push_back(button("ABOUT_BUTTON", "About", {2040, 1320, 735, 495}, 4));
    // Enter presses START/STOP: the one action of this window.
    c.push_back(
        button("START_STOP_BUTTON", "START", {3000, 1320, 1095, 495}, 0, ButtonRole::Default));
    c.push_back(
        tickBox("AUTOCLOSE_TICKBOX", "Auto Close", {240, 1320, 855, 495}, 2, false, kClear));
    {
        ControlDefinition display = textBox("LW_UPTIME_DISPLAY_TEXTBOX", "00000X, 00X, 00X, 000X,",
                                            {1800, 840, 2415, 315}, 5);
        display.font = kArial975Bold;
        display.foreColor = kGreen;
        display.backColor = kBlack;
        display.readOnly = true;
        display.alignment = Alignment::Center;
        c.push_back(display);
    }
    c.push_back(timer("LW_DISPLAY_UPDATE_TIMER", true));
    c.push_back(tickBox("AUTOSTART_TICKBOX", "Auto Start", {240, 720, 735, 495}, 1, true, kClear));
    c.push_back(timer("AlwaysOnTopTimer", true));
    c.push_back(timer("UPTIME_TIMER", true));
    c.push_back(namedCell("DAYS_ROUNDED_TB", {5280, 4080, 1935, 375}, 45));
    c.push_back(cell("HOURS_24_TB", "24", {7680, 3600, 375, 375}, 44));
    c.push_back(namedCell("HOURS_FULL", {7320, 4080, 1215, 375}, 43));
    c.push_back(namedCell("HOURS_LEFT_TB", {8640, 3600, 1935, 375}, 42));
    c.push_back(namedCell("HOURS_ROUNDED_TB", {8640, 4080, 1935, 375}, 41));
    c.push_back(cell("MINS_60_TB", "60", {5760, 4920, 375, 375}, 40));
    c.push_back(namedCell("MINUTES_LEFT_X_60_TB", {6240, 4680, 2895, 375}, 39));
    c.push_back(cell("SECS_60_TB", "60", {5760, 6000, 375, 375}, 38));
    c.push_back(namedCell("MINUTES_ROUNDED_X_60_TB", {6240, 5160, 2895, 375}, 37));
    c.push_back(namedCell("SECONDS_LEFT_TB", {6240, 5760, 2175, 375}, 36));
    c.push_back(namedCell("SECONDS_ROUNDED_TB", {6240, 6240, 2175, 375}, 35));
    c.push_back(namedCell("DAYS_MIRROR_TB", {5280, 3600, 1935, 375}, 34));
    c.push_back(namedCell("SECONDS_DIFFERENCE_TB", {8640, 6000, 2295, 375}, 33));
    c.push_back(namedCell("MINUTES_DIFFERENCE_LEFT_TB", {9240, 4680, 2295, 375}, 32));
    c.push_back(namedCell("MINUTES_DIFFERENCE_ROUNDED_TB", {9240, 5160, 2295, 375}, 31));
    c.push_back(timer("DAY_UPTIME_TIMER", false));
    c.push_back(timer("HOUR_UPTIME_TIMER", false));
    c.push_back(timer("MINUTE_UPTIME_TIMER", false));
    c.push_back(timer("SECOND_UPTIME_TIMER", false));
    c.push_back(namedCell("SECONDS_DIFFERENCE_ROUNDED_TB", {8640, 6480, 2295, 375}, 30));
    c.push_back(timer("TOTALS_TIMER", false));
    c.push_back(cell("TOTAL_MIL_SEC", "1000", {1200, 4320, 1215, 375}, 20));
    c.push_back(cell("TOTAL_MIL_MIN", "60000", {1200, 4800, 1215, 375}, 19));
    c.push_back(cell("TOTAL_MIL_HOUR", "3600000", {1200, 5280, 1215, 375}, 18));
    c.push_back(cell("TOTAL_MIL_DAY", "86400000", {1200, 5760, 1215, 375}, 17));
    c.push_back(cell("TOTAL_MIL_WEEK", "604800000", {1200, 6240, 1215, 375}, 16));
    c.push_back(cell("TOTAL_MIL_MONTH", "2419200000", {1200, 6720, 1215, 375}, 15));
    c.push_back(cell("TOTAL_MIL_YEAR", "31536000000", {1200, 7200, 1215, 375}, 14));
    c.push_back(namedCell("START_TB", {1200, 3720, 2535, 405}, 13));
    c.push_back(namedCell("SECS_TB", {2640, 4320, 1935, 375}, 12));
    c.push_back(namedCell("DAYS_TB", {2640, 5760, 1935, 375}, 11));
    c.push_back(namedCell("HOURS_TB", {2640, 5280, 1935, 375}, 10));
    c.push_back(namedCell("MINS_TB", {2640, 4800, 1935, 375}, 9));
    c.push_back(namedCell("WEEKS_TB", {2640, 6240, 1935, 375}, 8));
    c.push_back(namedCell("MONTHS_TB", {2640, 6720, 1935, 375}, 7));
    c.push_back(namedCell("YEARS_TB", {2640, 7200, 1935, 375}, 6));
    c.push_back(
        tickBox("AlwaysOnTop_TICKBOX", "Always On Top", {1080, 1320, 855, 495}, 3, true, kTicked));
    {
        ControlDefinition uptimeText =
            label("UPTIME_TEXT_LABEL", "UPTIME:", {1080, 840, 855, 255}, 50);
        uptimeText.font = kSansBold;
        uptimeText.accessible.labelFor = "LW_UPTIME_DISPLAY_TEXTBOX";
        c.push_back(uptimeText);
        ControlDefinition status = label("STATUS_LABEL", "STATUS:", {120, 480, 855, 255}, 49);
        status.font = kSansBold;
        status.accessible.labelFor = "CURRENT_STATUS_LABEL";
        c.push_back(status);
    }
    {
        // The phase as it changes, which a screen reader reads as the window's status.
        ControlDefinition phase =
            banner("CURRENT_STATUS_LABEL", "READY...", {960, 480, 3255, 255}, 48);
        phase.accessible.name = "Status";
        phase.accessible.role = AccessibleRole::StatusBar;
        c.push_back(phase);
    }
    c.push_back(banner("LW_TITLE_1", "LARK-WEAVER", {120, 120, 1695, 255}, 47));
    c.push_back(banner("LW_TITLE_2", "LW-DODOZU-ZIDADA", {1920, 120, 2295, 255}, 46));
    {
        ControlDefinition line;
        line.kind = ControlKind::Line;
        line.name = "Line1";
        line.line = {5160, 3600, 5160, 7680};
        c.push_back(line);
    }
    c.push_back(label("Label13", "RESULT", {3840, 3960, 855, 255}, 29));
    c.push_back(label("Label3", "YEARS", {240, 7200, 855, 255}, 28));
    c.push_back(label("Label4", "MONTHS", {240, 6720, 855, 255}, 27));
    c.push_back(label("Label5", "WEEKS", {240, 6240, 855, 255}, 26));
    c.push_back(label("Label6", "DAYS", {240, 5760, 855, 255}, 25));
    c.push_back(label("Label7", "HOURS", {240, 5280, 855, 255}, 24));
    c.push_back(label("Label8", "MINUTES", {240, 4800, 855, 255}, 23));
    c.push_back(label("Label9", "SECONDS", {240, 4320, 855, 255}, 22));
    c.push_back(label("START_LABEL", "START", {240, 3840, 855, 255}, 21));
    return w;
}

}  // namespace

const WindowDefinition& mainWindowDefinition() {
    static const WindowDefinition definition = build();
    return definition;
}

}  // namespace lwviz
