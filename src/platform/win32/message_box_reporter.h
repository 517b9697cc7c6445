#pragma once

#include <string>

#include "core/ports.h"

namespace lwviz::win32 {

// Reports a run-time failure in a task-modal message box captioned "LW-DODOZU-ZIDADA".
class MessageBoxReporter final : public FailureReporter {
public:
    void report(const RuntimeFailure& failure) override;
};

// "Run-time error '13':\n\nType mismatch"
[[nodiscard]] std::string failureMessage(const RuntimeFailure& failure);

}  // namespace lwviz::win32
