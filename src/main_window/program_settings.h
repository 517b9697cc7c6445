#pragma once

#include <cstdint>
#include <string>

#include "core/ports.h"
#include "core/window.h"
#include "core/window_placement.h"

namespace lwviz {

// The program's values in the per-user settings store: application "LW_VIZ", section the
// running executable's base name (taken at each call, so a renamed copy keeps its own).
class ProgramSettings {
public:
    static constexpr const char* kApplication = "LW_VIZ";

    ProgramSettings(SettingsStore& store, ProgramInfo& program)
        : store_(store), program_(program) {}

    // The stored text, or the decimal text of the default when nothing is stored.
    [[nodiscard]] std::string get(const std::string& key, long defaultValue);
    void save(const std::string& key, const std::string& text);

    // Readers that never stop the start: a value that is not a number or lies out of range
    // counts as absent, and the default applies.
    [[nodiscard]] float readSingle(const std::string& key, float defaultValue);
    [[nodiscard]] std::int16_t readTickState(const std::string& key, std::int16_t defaultValue);
    // A window's Left, Top, Width and Height in that order, keys PREFIX_Left and so on. Whether
    // the place can be used is keepUsable's to decide.
    void restorePlace(Window& window, const std::string& prefix, const WindowPlace& defaults);

    void saveSingle(const std::string& key, float value);
    void saveTickState(const std::string& key, std::int16_t value);

private:
    SettingsStore& store_;
    ProgramInfo& program_;
};

}  // namespace lwviz
