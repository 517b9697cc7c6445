#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/window.h"
#include "main_window/main_window_definition.h"

namespace lwviz {

// The main window LW_VIZ_MAIN, every control that a handler uses bound here once by its name,
// and the few values the program keeps outside its controls.
struct MainForm {
    Window window{mainWindowDefinition()};

    // The control panel.
    Control& CURRENT_STATUS_LABEL = window.control("CURRENT_STATUS_LABEL");
    Control& START_STOP_BUTTON = window.control("START_STOP_BUTTON");
    Control& ABOUT_BUTTON = window.control("ABOUT_BUTTON");
    Control& AUTOSTART_TICKBOX = window.control("AUTOSTART_TICKBOX");
    Control& AUTOCLOSE_TICKBOX = window.control("AUTOCLOSE_TICKBOX");
    Control& AlwaysOnTop_TICKBOX = window.control("AlwaysOnTop_TICKBOX");
    Control& LW_UPTIME_DISPLAY_TEXTBOX = window.control("LW_UPTIME_DISPLAY_TEXTBOX");
    Control& LW_TITLE_1 = window.control("LW_TITLE_1");
    Control& LW_TITLE_2 = window.control("LW_TITLE_2");

    // The log entry's hidden cells.
    Control& TOP_BOTTOM_LOG_LINE = window.control("TOP_BOTTOM_LOG_LINE");
    Control& DATE_TIME_TEXTBOX = window.control("DATE_TIME_TEXTBOX");
    Control& PC_NAME_TEXTBOX = window.control("PC_NAME_TEXTBOX");
    Control& OUTPUT_REPORT_TEXTBOX = window.control("OUTPUT_REPORT_TEXTBOX");

    // The uptime engine's cells: sample, divisors and unit totals.
    Control& START_TB = window.control("START_TB");
    Control& TOTAL_MIL_SEC = window.control("TOTAL_MIL_SEC");
    Control& TOTAL_MIL_MIN = window.control("TOTAL_MIL_MIN");
    Control& TOTAL_MIL_HOUR = window.control("TOTAL_MIL_HOUR");
    Control& TOTAL_MIL_DAY = window.control("TOTAL_MIL_DAY");
    Control& TOTAL_MIL_WEEK = window.control("TOTAL_MIL_WEEK");
    Control& TOTAL_MIL_MONTH = window.control("TOTAL_MIL_MONTH");
    Control& TOTAL_MIL_YEAR = window.control("TOTAL_MIL_YEAR");
    Control& SECS_TB = window.control("SECS_TB");
    Control& MINS_TB = window.control("MINS_TB");
    Control& HOURS_TB = window.control("HOURS_TB");
    Control& DAYS_TB = window.control("DAYS_TB");
    Control& WEEKS_TB = window.control("WEEKS_TB");
    Control& MONTHS_TB = window.control("MONTHS_TB");
    Control& YEARS_TB = window.control("YEARS_TB");
    Control& DAYS_MIRROR_TB = window.control("DAYS_MIRROR_TB");

    // The breakdown's cells, a day, an hour and a minute at a time.
    Control& DAYS_ROUNDED_TB = window.control("DAYS_ROUNDED_TB");
    Control& HOURS_24_TB = window.control("HOURS_24_TB");
    Control& HOURS_FULL = window.control("HOURS_FULL");
    Control& HOURS_LEFT_TB = window.control("HOURS_LEFT_TB");
    Control& HOURS_ROUNDED_TB = window.control("HOURS_ROUNDED_TB");
    Control& MINS_60_TB = window.control("MINS_60_TB");
    Control& MINUTES_LEFT_X_60_TB = window.control("MINUTES_LEFT_X_60_TB");
    Control& MINUTES_ROUNDED_X_60_TB = window.control("MINUTES_ROUNDED_X_60_TB");
    Control& MINUTES_DIFFERENCE_LEFT_TB = window.control("MINUTES_DIFFERENCE_LEFT_TB");
    Control& MINUTES_DIFFERENCE_ROUNDED_TB = window.control("MINUTES_DIFFERENCE_ROUNDED_TB");
    Control& SECS_60_TB = window.control("SECS_60_TB");
    Control& SECONDS_LEFT_TB = window.control("SECONDS_LEFT_TB");
    Control& SECONDS_ROUNDED_TB = window.control("SECONDS_ROUNDED_TB");
    Control& SECONDS_DIFFERENCE_TB = window.control("SECONDS_DIFFERENCE_TB");
    Control& SECONDS_DIFFERENCE_ROUNDED_TB = window.control("SECONDS_DIFFERENCE_ROUNDED_TB");

    // The timers.
    Control& AlwaysOnTopTimer = window.control("AlwaysOnTopTimer");
    Control& UPTIME_TIMER = window.control("UPTIME_TIMER");
    Control& DAY_UPTIME_TIMER = window.control("DAY_UPTIME_TIMER");
    Control& HOUR_UPTIME_TIMER = window.control("HOUR_UPTIME_TIMER");
    Control& MINUTE_UPTIME_TIMER = window.control("MINUTE_UPTIME_TIMER");
    Control& SECOND_UPTIME_TIMER = window.control("SECOND_UPTIME_TIMER");
    Control& LW_DISPLAY_UPDATE_TIMER = window.control("LW_DISPLAY_UPDATE_TIMER");
    Control& AUTOSTART_TIMER = window.control("AUTOSTART_TIMER");
    Control& LOG_TIMER = window.control("LOG_TIMER");
    Control& AUTOCLOSE_TIMER = window.control("AUTOCLOSE_TIMER");

    // The uptime engine's timers, always switched together and in this order.
    std::array<Control*, 6> engineTimers{&UPTIME_TIMER,        &DAY_UPTIME_TIMER,
                                         &HOUR_UPTIME_TIMER,   &MINUTE_UPTIME_TIMER,
                                         &SECOND_UPTIME_TIMER, &LW_DISPLAY_UPDATE_TIMER};
    // The one place the engine is switched on or off: the whole group, in the order above, so
    // that every uptime line comes from one sample.
    void switchEngine(bool on) {
        for (Control* timer : engineTimers) {
            timer->setEnabled(on);
        }
    }

    // Whole counts of the uptime breakdown: each written by its stage of the uptime engine
    // and read back by it (DaysCount also by the day stage).
    std::int32_t DaysCount = 0;
    std::int32_t HoursCount = 0;
    std::int32_t MinutesCount = 0;
    std::int32_t SecondsCount = 0;
    // Read from the environment at load and copied into PC_NAME_TEXTBOX.
    std::string ComputerName;
};

}  // namespace lwviz
