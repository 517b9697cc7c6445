#include "platform/qt/display_connection.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace lwviz::qt {
namespace {

std::vector<QString>& heldMessages() {
    static std::vector<QString> held;
    return held;
}

std::string& failingProgram() {
    static std::string name;
    return name;
}

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages().push_back(qFormatLogMessage(type, context, text));
        return;
    }
    // Qt's fatal message while it opens the display is that it could not.
    const bool wayland = qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("wayland");
    const char* variable = wayland ? "WAYLAND_DISPLAY" : "DISPLAY";
    const QString display = qEnvironmentVariable(variable);
    const std::string which = display.isEmpty()
                                  ? std::string(variable) + " is not set"
                                  : std::string(variable) + "=\"" + display.toStdString() + "\"";
    std::fprintf(stderr, "%s: no display could be opened (%s)\n", failingProgram().c_str(),
                 which.c_str());
    std::_Exit(1);
}

void preferX11BesideWayland() {
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

QtMessageHandler beginOpening(const std::string& programName) {
    failingProgram() = programName;
    preferX11BesideWayland();
    return qInstallMessageHandler(holdStartupMessage);
}

}  // namespace

DisplayConnection::DisplayConnection(std::string programName)
    : programName_(std::move(programName)),
      argv_{programName_.data(), nullptr},
      previousHandler_(beginOpening(programName_)),
      application_(argc_, argv_.data()) {
    qInstallMessageHandler(previousHandler_);
    for (const QString& held : heldMessages()) {
        std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
    }
    heldMessages().clear();
}

}  // namespace lwviz::qt
