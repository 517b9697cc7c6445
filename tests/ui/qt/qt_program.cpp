#include "qt_program.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <stdexcept>
#include <string>

#include "support/harness.h"

namespace lwviz::testing {

bool processEventsUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(1000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

QtProgram::QtProgram(SettingsStore* settings)
    : services_(platform.servicesWith({.settings = settings, .host = &frontEnd})) {}

qt::WindowView& QtProgram::start() {
    app_ = std::make_unique<Application>(services_);
    frontEnd.open(*app_);
    if (app_->ended()) {
        throw std::runtime_error("the program ended during start-up");
    }
    if (!QTest::qWaitForWindowExposed(&mainView())) {
        throw std::runtime_error("the main window was never exposed");
    }
    return mainView();
}

void QtProgram::runFor(std::int64_t ms) {
    runVirtualTime(*app_, platform.clock, platform.clock.now + ms);
}

qt::WindowView& QtProgram::mainView() {
    qt::WindowView* view = frontEnd.view(app_->mainWindow());
    if (view == nullptr) {
        throw std::runtime_error("the main window is not on the screen");
    }
    return *view;
}

qt::WindowView* QtProgram::aboutView() {
    Window* about = app_->aboutWindow();
    qt::WindowView* view = about == nullptr ? nullptr : frontEnd.view(*about);
    if (view != nullptr && !QTest::qWaitForWindowExposed(view)) {
        throw std::runtime_error("the About window was never exposed");
    }
    return view;
}

QWidget& QtProgram::widget(std::string_view name) {
    QWidget* shown = mainView().widgetFor(name);
    if (shown == nullptr) {
        throw std::runtime_error(std::string(name) + " is not shown");
    }
    return *shown;
}

}  // namespace lwviz::testing
