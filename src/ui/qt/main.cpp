// LW-DODOZU-ZIDADA on Linux: the program on the operating system's services, drawn with Qt.

#include <filesystem>
#include <memory>

#include "app/application.h"
#include "platform/linux/linux_services.h"
#include "platform/qt/desktop_contrast.h"
#include "platform/qt/display_connection.h"
#include "platform/qt/qt_failure_reporter.h"
#include "platform/qt/qt_screen_layout.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/x11_window_manager.h"
#include "ui/qt/qt_front_end.h"

int main(int argc, char* argv[]) {
    const lwviz::qt::DisplayConnection display(
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "LW-DODOZU-ZIDADA-V1");
    lwviz::qt::prepareApplication();

    lwviz::linux_os::LinuxServices os;
    lwviz::qt::QtSettingsStore settings;
    const std::unique_ptr<lwviz::WindowManager> windowManager = lwviz::qt::makeWindowManager();
    lwviz::qt::QtScreenLayout screens;
    lwviz::qt::QtFailureReporter failures;
    lwviz::qt::QtFrontEnd frontEnd;
    const lwviz::qt::DesktopContrast contrast(
        [&frontEnd](bool high) { frontEnd.setHighContrast(high); });
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
