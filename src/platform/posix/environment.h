#pragma once

#include "core/ports.h"

namespace lwviz::posix {

// The computer name: COMPUTERNAME when the variable is set (also when set to nothing), else
// the host name.
class PosixEnvironment final : public Environment {
public:
    [[nodiscard]] std::string computerName() override;
};

}  // namespace lwviz::posix
