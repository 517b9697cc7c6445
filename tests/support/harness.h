#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/application.h"
#include "support/fakes.h"

namespace lwviz::testing {

// The application on fake ports, driven in virtual time.
class Harness {
public:
    Harness() = default;

    // Creates the application and loads its main window at virtual time 0.
    Application& start();
    Application& app() { return *app_; }

    // Advances virtual time to `ms`, firing every timer that falls due on the way, each at its
    // own due time.
    void runUntil(std::int64_t ms);
    void runFor(std::int64_t ms) { runUntil(platform.clock.now + ms); }

    Control& control(std::string_view name) { return app_->mainWindow().control(name); }
    const std::string& text(std::string_view name) { return control(name).text(); }
    void click(std::string_view name) { app_->click(control(name)); }

    FakePlatform platform;

private:
    std::unique_ptr<Application> app_;
};

}  // namespace lwviz::testing
