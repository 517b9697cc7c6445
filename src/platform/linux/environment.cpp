#include "platform/linux/environment.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace lwviz::linux_os {

std::string LinuxEnvironment::computerName() {
    if (const char* name = std::getenv("COMPUTERNAME"); name != nullptr) {
        return name;
    }
    std::vector<char> host(HOST_NAME_MAX + 1, '\0');
    if (gethostname(host.data(), host.size() - 1) != 0) {
        return {};  // as an unset variable reads on Windows
    }
    return host.data();
}

}  // namespace lwviz::linux_os
