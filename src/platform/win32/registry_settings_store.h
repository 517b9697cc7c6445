#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// The settings in the current user's registry, under the key
// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key. Nothing is cached:
// every get reads the registry and every save writes it at once.
class RegistrySettingsStore final : public SettingsStore {
public:
    // A value that is missing, unreadable or not a string reads as absent.
    [[nodiscard]] std::optional<std::string> get(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) override;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;
};

}  // namespace lwviz::win32
