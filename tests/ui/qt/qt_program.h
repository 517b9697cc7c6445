#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "app/application.h"
#include "support/fakes.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/window_view.h"

namespace lwviz::testing {

// Runs Qt's event loop until `done` holds or a second has passed; returns whether it holds.
bool processEventsUntil(const std::function<bool()>& done);

// The program on in-memory ports and the virtual clock, drawn by the real Qt front-end.
class QtProgram {
public:
    // `settings` replaces the in-memory store, e.g. with the INI file.
    explicit QtProgram(SettingsStore* settings = nullptr);

    // Loads and shows the main window and waits until it is on the (offscreen) screen.
    qt::WindowView& start();
    // Advances the virtual clock by `ms`, waking the program at each due time.
    void runFor(std::int64_t ms);

    [[nodiscard]] Application& app() { return *app_; }
    [[nodiscard]] qt::WindowView& mainView();
    // The About window's view once it is on the screen, or nullptr when it is not open.
    [[nodiscard]] qt::WindowView* aboutView();
    [[nodiscard]] Control& control(std::string_view name) {
        return app_->mainWindow().control(name);
    }
    // The widget of a main-window control, failing the test when it is not shown.
    [[nodiscard]] QWidget& widget(std::string_view name);

    FakePlatform platform;
    qt::QtFrontEnd frontEnd;

private:
    Services services_;
    std::unique_ptr<Application> app_;
};

}  // namespace lwviz::testing
