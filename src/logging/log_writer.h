#pragma once

#include <string>
#include <string_view>

#include "app/main_form.h"
#include "app/services.h"

namespace lwviz {

// Writes one log entry per cycle: stamps date and time, composes the nine-line entry in
// OUTPUT_REPORT_TEXTBOX and replaces the log file with it, then starts the hold.
class LogWriter {
public:
    // The line break of the entry and of the log file.
    static constexpr std::string_view kLineBreak = "\r\n";

    LogWriter(MainForm& form, Services& services);

    void LOG_TIMER_Timer();

    // The log file of a program with that base name, relative to the working directory.
    [[nodiscard]] static std::string logFileName(const std::string& programBaseName);

private:
    Control& TOP_BOTTOM_LOG_LINE;
    Control& LW_TITLE_1;
    Control& LW_TITLE_2;
    Control& DATE_TIME_TEXTBOX;
    Control& PC_NAME_TEXTBOX;
    Control& LW_UPTIME_DISPLAY_TEXTBOX;
    Control& OUTPUT_REPORT_TEXTBOX;
    Control& AUTOCLOSE_TICKBOX;
    Control& CURRENT_STATUS_LABEL;
    Control& LOG_TIMER;
    Control& AUTOCLOSE_TIMER;
    WallClock& wallClock_;
    ProgramInfo& program_;
    LogFileWriter& logFile_;
};

}  // namespace lwviz
