#pragma once

#include "core/ports.h"

namespace lwviz::linux_os {

// The running executable's name from /proc/self/exe, read at each call, so a renamed copy has
// its own settings section and its own log. Falls back to the name the program was started
// under when /proc is not mounted.
class LinuxProgramInfo final : public ProgramInfo {
public:
    [[nodiscard]] std::string baseName() override;
};

// A path's file name without folder and without its last extension: "/opt/LW.exe" -> "LW".
// A leading dot does not start an extension (".lw" stays ".lw").
[[nodiscard]] std::string programBaseName(const std::string& path);

}  // namespace lwviz::linux_os
