#include "support/fakes.h"

#include "core/twips.h"
#include "main_window/program_settings.h"

namespace lwviz::testing {

std::optional<std::string> MemorySettingsStore::get(const std::string& application,
                                                    const std::string& section,
                                                    const std::string& key) {
    auto found = values.find({application, section, key});
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemorySettingsStore::save(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& text) {
    if (refuseSaves) {
        throw RuntimeFailure(RuntimeFailure::kPermissionDenied, "Permission denied");
    }
    values[{application, section, key}] = text;
    savedKeys.push_back(key);
}

void MemorySettingsStore::put(const std::string& section, const std::string& key,
                              const std::string& text) {
    values[{ProgramSettings::kApplication, section, key}] = text;
}

std::optional<std::string> MemorySettingsStore::value(const std::string& section,
                                                      const std::string& key) const {
    auto found = values.find({ProgramSettings::kApplication, section, key});
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemoryLogFile::replaceWith(const std::string& fileName, const std::string& text) {
    if (failure) {
        throw *failure;
    }
    files[fileName] = text;
    writes.push_back(fileName);
}

NativeWindow RecordingWindowHost::nativeHandle(const Window& window) {
    auto found = handles.find(window.name());
    return found == handles.end() ? 0 : found->second;
}

void RecordingWindowHost::show(Window& window, Window* owner) {
    events.push_back("show " + std::string(window.name()) +
                     (owner != nullptr ? " over " + std::string(owner->name()) : ""));
    place(window);
}

void RecordingWindowHost::place(Window& window) {
    window.layout().fit(twipsToPixels(window.width(), kStandardDpi),
                        twipsToPixels(window.height(), kStandardDpi), kStandardDpi);
}

void RecordingWindowHost::unloaded(Window& window) {
    events.push_back("unloaded " + std::string(window.name()));
}

}  // namespace lwviz::testing
