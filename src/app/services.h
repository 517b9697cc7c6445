#pragma once

#include "core/ports.h"
#include "core/window.h"

namespace lwviz {

// What the front-end does with the program's windows on the core's behalf.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // The window's native handle for the window manager; 0 while it has none.
    [[nodiscard]] virtual NativeWindow nativeHandle(const Window& window) = 0;
    // Shows a loaded window modally over its owner. Returns at once: the program goes on
    // handling events, and the owner takes no input until the window is unloaded.
    virtual void showModal(Window& window, Window& owner) = 0;
    // The window has been unloaded: take it off the screen.
    virtual void unloaded(Window& window) = 0;
};

// Every port the program uses, handed to the application at start.
struct Services {
    TickCounter& tickCounter;
    MonotonicClock& clock;
    WallClock& wallClock;
    Environment& environment;
    ProgramInfo& program;
    SettingsStore& settings;
    LogFileWriter& logFile;
    WindowManager& windowManager;
    ScreenLayout& screens;
    FailureReporter& failures;
    WindowHost& host;
};

}  // namespace lwviz
