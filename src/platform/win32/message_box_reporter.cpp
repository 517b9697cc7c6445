#include "platform/win32/message_box_reporter.h"

#include <windows.h>

#include "core/runtime_failure.h"
#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {

std::string failureMessage(const RuntimeFailure& failure) {
    return "Run-time error '" + std::to_string(failure.number()) + "':\n\n" + failure.description();
}

void MessageBoxReporter::report(const RuntimeFailure& failure) {
    MessageBoxW(nullptr, toWide(failureMessage(failure)).c_str(), L"LW-DODOZU-ZIDADA",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace lwviz::win32
