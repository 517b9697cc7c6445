#pragma once

#include "core/ports.h"

namespace lwviz::qt {

// A run-time failure in a modal message box, and on the standard error stream for the record.
class QtFailureReporter final : public FailureReporter {
public:
    void report(const RuntimeFailure& failure) override;
};

}  // namespace lwviz::qt
