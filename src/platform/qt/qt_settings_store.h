#pragma once

#include "core/ports.h"

namespace lwviz::qt {

// The per-user settings as an INI file through QSettings: the application "LW_VIZ" is the
// file $XDG_CONFIG_HOME/LW_VIZ.ini (~/.config/LW_VIZ.ini when the variable is unset or not an
// absolute path), each section a group, each key a string value. Nothing is kept between
// calls: every get reads the file, every save writes it before returning.
class QtSettingsStore final : public SettingsStore {
public:
    [[nodiscard]] std::optional<std::string> get(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) override;
    // Throws RuntimeFailure naming the key and the file when the file cannot be written, also
    // when the lock file beside it stays in place for more than a few seconds.
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;

    // The INI file that holds an application's values, as the next call will use it.
    [[nodiscard]] static std::string filePath(const std::string& application);
};

}  // namespace lwviz::qt
