#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "about/about_window.h"
#include "core/dispatcher.h"
#include "core/scheduler.h"
#include "core/services.h"
#include "logging/logging_cycle.h"
#include "main_window/always_on_top.h"
#include "main_window/main_form.h"
#include "main_window/main_window_shell.h"
#include "main_window/program_settings.h"
#include "uptime/uptime_engine.h"

namespace lwviz {

// The whole program, without a toolkit: its windows, their handlers and the event loop's
// rules. A front-end creates it with the platform's services and the front-end as its
// WindowHost, calls start(), then hands it the user's raw input and the wake-ups of its one
// timer. After each of them the application brings the screen up to date through the host.
class Application {
public:
    explicit Application(Services& services);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;
    ~Application() = default;

    // Loads the main window and shows it, unless the load ended the program.
    void start();

    // The user's input, each handled as one event.
    void click(Control& control);
    void doubleClick(Control& control);
    // The user typed into a text box: the text becomes the box's text where it takes typing.
    void typed(Control& textBox, std::string_view text);
    // The close button or system menu of a window.
    void closeWindow(Window& window);
    // Enter where no button has the focus (the toolkit presses a focused button itself):
    // presses the window's default button.
    void enterKey(Window& window);
    // Escape: presses the window's cancel button; the About window, which has none, closes.
    void escapeKey(Window& window);
    // The user moved a window: its outer corner in pixels at the window's dpi.
    void moved(Window& window, int leftPixel, int topPixel, bool minimized);
    // The front-end's timer: fires the program's timers that are due.
    void wake();

    // When the next timer falls due, on the services' clock.
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const { return scheduler_.nextDueMs(); }

    [[nodiscard]] MainForm& mainForm() noexcept { return form_; }
    [[nodiscard]] Window& mainWindow() noexcept { return form_.window; }
    // Keeps what a front-end took off the screen (a view of an unloaded window) until the
    // next input: the unload may still be running inside one of its widgets.
    void retire(std::shared_ptr<void> retired) { dispatcher_.retire(std::move(retired)); }
    // The About window while it is open (modal over the main window), else nullptr.
    [[nodiscard]] Window* aboutWindow() const noexcept { return about_.window(); }
    [[nodiscard]] bool ended() const noexcept { return dispatcher_.ended(); }
    [[nodiscard]] std::optional<int> exitStatus() const noexcept {
        return dispatcher_.exitStatus();
    }

private:
    // One input as one event, then the screen brought up to date. While a failure report is
    // on the screen (a nested event loop of the toolkit) the program takes no input.
    template <typename Event>
    void handle(Event&& event);
    // Windows shown and gone, changed properties drawn, the timer armed, the end told.
    void pump();
    // Paces the engine: on its 15 ms beat while its working cells are drawn, else held until
    // its display next changes. Turning visible, the held round runs first.
    void paceEngine();
    // Unloads the main window: its settings are saved and the program ends with status 0.
    void unloadMainWindow();
    // While the About window is open it takes all input and the main window none.
    [[nodiscard]] bool takesInput(const Window& window) const noexcept;

    Services& services_;
    Scheduler scheduler_;
    Dispatcher dispatcher_;
    ProgramSettings settings_;
    MainForm form_;
    LoggingCycle cycle_;
    MainWindowShell shell_;
    // The engine's tick counter, which notes when, on the scheduler's clock, it was read.
    class NotedTickCounter final : public TickCounter {
    public:
        NotedTickCounter(TickCounter& ticks, MonotonicClock& clock)
            : ticks_(ticks), clock_(clock) {}
        [[nodiscard]] std::uint64_t milliseconds() override {
            lastReadMs_ = clock_.nowMs();
            return ticks_.milliseconds();
        }
        [[nodiscard]] std::int64_t lastReadMs() const noexcept { return lastReadMs_; }

    private:
        TickCounter& ticks_;
        MonotonicClock& clock_;
        std::int64_t lastReadMs_ = 0;
    };
    NotedTickCounter ticks_;
    UptimeEngine uptime_;
    AlwaysOnTop alwaysOnTop_;
    AboutWindow about_;
    bool mainLoaded_ = false;
    bool handling_ = false;
    bool endTold_ = false;
    std::vector<Window*> shown_;  // in the order they were shown
};

}  // namespace lwviz
