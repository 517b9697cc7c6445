#pragma once

#include <string>

#include "core/runtime_failure.h"

namespace lwviz::win32 {

// A run-time failure for a Win32 error: the run-time's number for that kind of error and a
// description that starts with `what` and ends with the system's reason.
[[nodiscard]] RuntimeFailure systemFailure(unsigned long error, const std::string& what);

}  // namespace lwviz::win32
