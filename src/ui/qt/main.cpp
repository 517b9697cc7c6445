// LW-DODOZU-ZIDADA on Linux: the program on the operating system's services, drawn with Qt.

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "platform/linux/linux_services.h"
#include "platform/qt/desktop_contrast.h"
#include "platform/qt/qt_failure_reporter.h"
#include "platform/qt/qt_screen_layout.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/x11_window_manager.h"
#include "ui/qt/qt_front_end.h"

namespace {

// What Qt says while it opens the display is held back: replayed once the display is open, or
// replaced by one line that says which display could not be opened.
std::vector<QString>& heldMessages() {
    static std::vector<QString> held;
    return held;
}
std::string& programName() {
    static std::string name;
    return name;
}

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages().push_back(qFormatLogMessage(type, context, text));
        return;
    }
    const bool wayland = qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("wayland");
    const char* variable = wayland ? "WAYLAND_DISPLAY" : "DISPLAY";
    const QString display = qEnvironmentVariable(variable);
    const std::string which = display.isEmpty()
                                  ? std::string(variable) + " is not set"
                                  : std::string(variable) + "=\"" + display.toStdString() + "\"";
    std::fprintf(stderr, "%s: no display could be opened (%s)\n", programName().c_str(),
                 which.c_str());
    std::_Exit(1);
}

// In a Wayland session with an X server beside it (Xwayland), the program runs on X: Wayland lets
// no program place its own window or keep it above other programs' windows, so the stored
// places and Always On Top would be lost. Wayland stays the fallback, and a platform the user
// chose stands.
void preferX11BesideWayland() {
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    programName() =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "LW-DODOZU-ZIDADA-V1";
    // The program takes no arguments, the toolkit's own (-platform, -style, ...) included; the
    // toolkit's environment variables still count.
    int toolkitArgc = 1;
    std::string name = programName();
    char* toolkitArgv[] = {name.data(), nullptr};
    preferX11BesideWayland();
    const QtMessageHandler previous = qInstallMessageHandler(holdStartupMessage);
    QApplication qtApplication(toolkitArgc, toolkitArgv);
    qInstallMessageHandler(previous);
    for (const QString& held : heldMessages()) {
        std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
    }
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
