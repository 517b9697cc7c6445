#include "platform/win32/environment.h"

#include <windows.h>

#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {

std::string ProcessEnvironment::computerName() {
    std::wstring value(64, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(L"COMPUTERNAME", value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0) {
            return {};  // unset (or set to nothing)
        }
        if (length < value.size()) {
            value.resize(length);
            return toUtf8(value);
        }
        value.resize(length);  // too small: length is the size needed
    }
}

}  // namespace lwviz::win32
