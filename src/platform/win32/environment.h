#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// COMPUTERNAME from the process environment; an unset variable reads as empty.
class ProcessEnvironment final : public Environment {
public:
    [[nodiscard]] std::string computerName() override;
};

}  // namespace lwviz::win32
