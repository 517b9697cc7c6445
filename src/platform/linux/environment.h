#pragma once

#include "core/ports.h"

namespace lwviz::linux_os {

// The computer name: COMPUTERNAME when the variable is set (also when set to nothing), else
// the host name.
class LinuxEnvironment final : public Environment {
public:
    [[nodiscard]] std::string computerName() override;
};

}  // namespace lwviz::linux_os
