#include "main_window/program_settings.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/control.h"
#include "core/conversions.h"

namespace lwviz {

std::string ProgramSettings::get(const std::string& key, long defaultValue) {
    std::optional<std::string> stored = store_.get(kApplication, program_.baseName(), key);
    return stored ? std::move(*stored) : std::to_string(defaultValue);
}

void ProgramSettings::save(const std::string& key, const std::string& text) {
    store_.save(kApplication, program_.baseName(), key, text);
}

float ProgramSettings::readSingle(const std::string& key, float defaultValue) {
    const std::optional<float> value = conv::SingleOfText(get(key, std::lround(defaultValue)));
    return value && std::isfinite(*value) ? *value : defaultValue;
}

std::int16_t ProgramSettings::readTickState(const std::string& key, std::int16_t defaultValue) {
    const std::optional<std::int16_t> state = conv::IntegerOfText(get(key, defaultValue));
    return state && *state >= kClear && *state <= kGreyed ? *state : defaultValue;
}

void ProgramSettings::restorePlace(Window& window, const std::string& prefix,
                                   const WindowPlace& defaults) {
    window.setLeft(readSingle(prefix + "_Left", defaults.left));
    window.setTop(readSingle(prefix + "_Top", defaults.top));
    // A size the window cannot take at all (negative) counts as absent here already.
    window.setWidth(std::max(0.0F, readSingle(prefix + "_Width", defaults.width)));
    window.setHeight(std::max(0.0F, readSingle(prefix + "_Height", defaults.height)));
}

void ProgramSettings::saveSingle(const std::string& key, float value) {
    save(key, conv::SingleToText(value));
}

void ProgramSettings::saveTickState(const std::string& key, std::int16_t value) {
    save(key, conv::IntegerToText(value));
}

}  // namespace lwviz
