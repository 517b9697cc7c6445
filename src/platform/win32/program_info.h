#pragma once

#include <string>

#include "core/ports.h"

namespace lwviz::win32 {

// The running executable's file name without folder and extension, from GetModuleFileNameW.
class ModuleProgramInfo final : public ProgramInfo {
public:
    [[nodiscard]] std::string baseName() override;
};

// "C:\\dir\\LW-DODOZU-ZIDADA-V1.exe" -> "LW-DODOZU-ZIDADA-V1"; only the last extension goes.
[[nodiscard]] std::wstring baseNameOf(const std::wstring& path);

}  // namespace lwviz::win32
