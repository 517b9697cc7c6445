#include "platform/linux/program_info.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <vector>

namespace lwviz::linux_os {
namespace {

std::string executablePath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            // The kernel marks an executable that was deleted or replaced while running.
            constexpr std::string_view kDeleted = " (deleted)";
            if (path.ends_with(kDeleted)) {
                path.resize(path.size() - kDeleted.size());
            }
            return path;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string programBaseName(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

std::string LinuxProgramInfo::baseName() {
    std::string path = executablePath();
    if (path.empty()) {
        path = program_invocation_name;
    }
    return programBaseName(path);
}

}  // namespace lwviz::linux_os
