#include "platform/win32/message_box_reporter.h"

#include <windows.h>

#include <string>

#include "core/failure_report.h"
#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {

void MessageBoxReporter::report(const RuntimeFailure& failure) {
    MessageBoxW(nullptr, toWide(failureReportText(failure)).c_str(),
                toWide(std::string(kFailureReportTitle)).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace lwviz::win32
