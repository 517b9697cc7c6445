#include "main_window/program_settings.h"

#include <cmath>
#include <optional>

#include "core/control.h"
#include "core/conversions.h"
#include "core/runtime_failure.h"

namespace lwviz {

std::string ProgramSettings::get(const std::string& key, long defaultValue) {
    std::optional<std::string> stored = store_.get(kApplication, program_.baseName(), key);
    return stored ? std::move(*stored) : std::to_string(defaultValue);
}

void ProgramSettings::save(const std::string& key, const std::string& text) {
    store_.save(kApplication, program_.baseName(), key, text);
}

namespace {
std::optional<float> readSingle(const std::string& text) {
    try {
        const float value = conv::TextToSingle(text);
        return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
    } catch (const RuntimeFailure&) {
        return std::nullopt;
    }
}
}  // namespace

float ProgramSettings::readPosition(const std::string& key, float defaultValue) {
    return readSingle(get(key, std::lround(defaultValue))).value_or(defaultValue);
}

float ProgramSettings::readSize(const std::string& key, float defaultValue) {
    const std::optional<float> size = readSingle(get(key, std::lround(defaultValue)));
    return size && *size > 0 ? *size : defaultValue;
}

std::int16_t ProgramSettings::readTickState(const std::string& key, std::int16_t defaultValue) {
    try {
        const std::int16_t state = conv::TextToInteger(get(key, defaultValue));
        return state >= kClear && state <= kGreyed ? state : defaultValue;
    } catch (const RuntimeFailure&) {
        return defaultValue;
    }
}

void ProgramSettings::saveSingle(const std::string& key, float value) {
    save(key, conv::SingleToText(value));
}

void ProgramSettings::saveTickState(const std::string& key, std::int16_t value) {
    save(key, conv::IntegerToText(value));
}

}  // namespace lwviz
