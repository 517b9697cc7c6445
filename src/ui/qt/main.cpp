// LW-DODOZU-ZIDADA on Linux: the program on the operating system's services, drawn with Qt.

#include <QApplication>
#include <memory>

#include "app/application.h"
#include "platform/posix/posix_services.h"
#include "platform/qt/qt_failure_reporter.h"
#include "platform/qt/qt_screen_layout.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/x11_window_manager.h"
#include "ui/qt/qt_front_end.h"

int main(int argc, char* argv[]) {
    // Arguments are ignored; Qt only sees its own (-platform, ...).
    QApplication qtApplication(argc, argv);
    lwviz::qt::prepareApplication();

    lwviz::posix::PosixServices os;
    lwviz::qt::QtSettingsStore settings;
    const std::unique_ptr<lwviz::WindowManager> windowManager = lwviz::qt::makeWindowManager();
    lwviz::qt::QtScreenLayout screens;
    lwviz::qt::QtFailureReporter failures;
    lwviz::qt::QtFrontEnd frontEnd;
    lwviz::Services services{.tickCounter = os.tickCounter,
                             .clock = os.clock,
                             .wallClock = os.wallClock,
                             .environment = os.environment,
                             .program = os.program,
                             .settings = settings,
                             .logFile = os.logFile,
                             .windowManager = *windowManager,
                             .screens = screens,
                             .failures = failures,
                             .host = frontEnd};
    lwviz::Application application(services);
    return frontEnd.run(application);
}
