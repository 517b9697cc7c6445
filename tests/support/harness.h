#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/application.h"
#include "support/fakes.h"

namespace lwviz::testing {

// A window's left, top, width and height, to compare in one expectation.
using Place = std::array<float, 4>;
inline Place placeOf(const Window& window) {
    return {window.left(), window.top(), window.width(), window.height()};
}

// Advances the virtual clock to `until`, waking the application at each due time as its
// front-end's timer would.
void runVirtualTime(Application& app, VirtualClock& clock, std::int64_t until);

// The application on fake ports, driven in virtual time.
class Harness {
public:
    Harness() = default;

    // Creates the application and loads its main window at virtual time 0.
    Application& start();
    Application& app() { return *app_; }

    void runUntil(std::int64_t ms) { runVirtualTime(*app_, platform.clock, ms); }
    void runFor(std::int64_t ms) { runUntil(platform.clock.now + ms); }

    Control& control(std::string_view name) { return app_->mainWindow().control(name); }
    const std::string& text(std::string_view name) { return control(name).text(); }
    void click(std::string_view name) { app_->click(control(name)); }

    FakePlatform platform;

private:
    std::unique_ptr<Application> app_;
};

}  // namespace lwviz::testing
