#include "logging/log_writer.h"

#include <initializer_list>
#include <string_view>

#include "logging/cycle_texts.h"

namespace lwviz {
namespace {

// The lines joined by line breaks, none after the last.
std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string joined;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) {
            joined += LogWriter::kLineBreak;
        }
        joined += line;
        first = false;
    }
    return joined;
}

}  // namespace

LogWriter::LogWriter(MainForm& form, Services& services)
    : TOP_BOTTOM_LOG_LINE(form.window.control("TOP_BOTTOM_LOG_LINE")),
      LW_TITLE_1(form.window.control("LW_TITLE_1")),
      LW_TITLE_2(form.window.control("LW_TITLE_2")),
      DATE_TIME_TEXTBOX(form.window.control("DATE_TIME_TEXTBOX")),
      PC_NAME_TEXTBOX(form.window.control("PC_NAME_TEXTBOX")),
      LW_UPTIME_DISPLAY_TEXTBOX(form.window.control("LW_UPTIME_DISPLAY_TEXTBOX")),
      OUTPUT_REPORT_TEXTBOX(form.window.control("OUTPUT_REPORT_TEXTBOX")),
      AUTOCLOSE_TICKBOX(form.window.control("AUTOCLOSE_TICKBOX")),
      CURRENT_STATUS_LABEL(form.window.control("CURRENT_STATUS_LABEL")),
      LOG_TIMER(form.window.control("LOG_TIMER")),
      AUTOCLOSE_TIMER(form.window.control("AUTOCLOSE_TIMER")),
      wallClock_(services.wallClock),
      program_(services.program),
      logFile_(services.logFile) {
    LOG_TIMER.onTimer = [this] { LOG_TIMER_Timer(); };
}

std::string LogWriter::logFileName(const std::string& programBaseName) {
    return programBaseName + ".LOG";
}

void LogWriter::LOG_TIMER_Timer() {
    // Date and time are two readings, the date first, as the log has always shown them.
    const std::string date = wallClock_.dateText();
    const std::string time = wallClock_.timeText();
    DATE_TIME_TEXTBOX.setText("- " + date + " - " + time + " -");

    const std::string& separator = TOP_BOTTOM_LOG_LINE.text();
    const std::string title =
        "- " + LW_TITLE_1.caption() + " - " + LW_TITLE_2.caption() + " - LW-VIZ -";
    const std::string pcName = "PC Name = " + PC_NAME_TEXTBOX.text();
    const std::string upTime = "Current UpTime = " + LW_UPTIME_DISPLAY_TEXTBOX.text();
    OUTPUT_REPORT_TEXTBOX.setText(joinLines({separator, title, separator, DATE_TIME_TEXTBOX.text(),
                                             pcName, upTime, separator, "", separator}));

    // Replaced atomically: a failed write stops here and leaves the previous entry whole.
    logFile_.replaceWith(logFileName(program_.baseName()),
                         OUTPUT_REPORT_TEXTBOX.text() + std::string(kLineBreak));

    if (AUTOCLOSE_TICKBOX.value() == kTicked) {
        CURRENT_STATUS_LABEL.setCaption(kStatusAutoclosing);
    }
    AUTOCLOSE_TIMER.setEnabled(true);
    LOG_TIMER.setEnabled(false);
}

}  // namespace lwviz
