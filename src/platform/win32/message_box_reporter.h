#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// Reports a run-time failure in a task-modal message box.
class MessageBoxReporter final : public FailureReporter {
public:
    void report(const RuntimeFailure& failure) override;
};

}  // namespace lwviz::win32
