#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "about/about_window.h"
#include "app/always_on_top.h"
#include "app/main_form.h"
#include "app/main_window_shell.h"
#include "app/program_settings.h"
#include "app/services.h"
#include "core/dispatcher.h"
#include "core/scheduler.h"
#include "logging/auto_start.h"
#include "logging/log_writer.h"
#include "logging/start_stop.h"
#include "logging/warm_up_and_hold.h"
#include "uptime/uptime_engine.h"

namespace lwviz {

// The whole program, without a toolkit: its windows, their handlers and the event loop's
// rules. A front-end creates it with the platform's services, shows the main window after
// start(), feeds it the user's input and wakes it when nextDueMs() comes.
class Application {
public:
    explicit Application(Services& services);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;
    ~Application() = default;

    // Loads the main window. When this returns and the program has not ended, show it.
    void start();

    // The user's input, each handled as one event.
    void click(Control& control);
    void doubleClick(Control& control);
    // The user typed into a text box that takes typing: its text becomes the box's text.
    void typed(Control& textBox, std::string_view text);
    // The close button or system menu of a window.
    void closeWindow(Window& window);
    // The Escape key on a window: closes the About window; the main window ignores it.
    void escapeKey(Window& window);
    // The user moved a window (outer corner, twips).
    void movedTo(Window& window, float left, float top);

    // Timers: when the next one falls due on the services' clock, and firing what is due.
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const { return scheduler_.nextDueMs(); }
    void fireDueTimers() { dispatcher_.fireDueTimers(); }

    // Unloads the main window: its settings are saved and the program ends with status 0.
    void unloadMainWindow();

    [[nodiscard]] MainForm& mainForm() noexcept { return form_; }
    [[nodiscard]] Window& mainWindow() noexcept { return form_.window; }
    // The About window while it is open (modal over the main window), else nullptr.
    [[nodiscard]] Window* aboutWindow() const noexcept { return about_.window(); }
    [[nodiscard]] Dispatcher& dispatcher() noexcept { return dispatcher_; }
    [[nodiscard]] bool ended() const noexcept { return dispatcher_.ended(); }
    [[nodiscard]] std::optional<int> exitStatus() const noexcept {
        return dispatcher_.exitStatus();
    }

private:
    Services& services_;
    Scheduler scheduler_;
    Dispatcher dispatcher_;
    ProgramSettings settings_;
    MainForm form_;
    MainWindowShell shell_;
    AutoStart autoStart_;
    UptimeEngine uptime_;
    StartStop startStop_;
    WarmUpAndHold warmUpAndHold_;
    LogWriter logWriter_;
    AlwaysOnTop alwaysOnTop_;
    AboutWindow about_;
    bool mainLoaded_ = false;

    // Whether the user's input reaches the window: while the About window is open it takes
    // all input and the main window none.
    [[nodiscard]] bool takesInput(const Window& window) const noexcept;
};

}  // namespace lwviz
