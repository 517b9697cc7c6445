#include "platform/win32/registry_settings_store.h"

#include <windows.h>

#include "platform/win32/system_failure.h"
#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {
namespace {
std::wstring subKey(const std::string& application, const std::string& section) {
    return L"Software\\" + toWide(application) + L"\\" + toWide(section);
}
}  // namespace

std::optional<std::string> RegistrySettingsStore::get(const std::string& application,
                                                      const std::string& section,
                                                      const std::string& key) {
    const std::wstring path = subKey(application, section);
    const std::wstring name = toWide(key);
    // The value may change between the two calls; try again while it grows.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                         nullptr, &bytes) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(),
                                            RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.resize(bytes / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') {
            value.pop_back();
        }
        return toUtf8(value);
    }
    return std::nullopt;
}

void RegistrySettingsStore::save(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& text) {
    const std::wstring path = subKey(application, section);
    const std::string where = "Cannot save the setting HKEY_CURRENT_USER\\Software\\" +
                              application + "\\" + section + "\\" + key;
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) {
        throw systemFailure(static_cast<unsigned long>(status), where);
    }
    const std::wstring value = toWide(text);
    const std::wstring name = toWide(key);
    status = RegSetValueExW(handle, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) {
        throw systemFailure(static_cast<unsigned long>(status), where);
    }
}

}  // namespace lwviz::win32
