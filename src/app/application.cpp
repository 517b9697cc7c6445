#include "app/application.h"

#include <algorithm>
#include <array>

#include "core/window_placement.h"

namespace lwviz {

Application::Application(Services& services)
    : services_(services),
      scheduler_(services.clock),
      dispatcher_(scheduler_, services.failures),
      settings_(services.settings, services.program),
      cycle_(form_, services, [this] { unloadMainWindow(); }),
      shell_(form_, settings_, services, cycle_),
      ticks_(services.tickCounter, services.clock),
      uptime_(form_, ticks_),
      alwaysOnTop_(form_, services.windowManager, services.host),
      about_(form_, settings_, services, dispatcher_) {
    form_.window.setTimerObserver(&scheduler_);
    scheduler_.setPacedGroup(uptime_.timers());
    // A resize, a move or a new dpi that draws other cells: brought up to date before drawing.
    form_.window.layout().drawnChanged = [this] {
        if (handling_) {
            paceEngine();
        } else {
            handle([this] { dispatcher_.dispatch([this] { paceEngine(); }); });
        }
    };
}

void Application::paceEngine() {
    if (uptime_.workingCellsDrawn(form_.window.layout())) {
        dispatcher_.runHeldRound();
        scheduler_.pace(std::nullopt);
        return;
    }
    const std::optional<std::uint64_t> change = uptime_.nextDisplayChange();
    if (!change) {
        scheduler_.pace(std::nullopt);
        return;
    }
    // The display follows the tick counter, which counts time asleep; the scheduler's clock
    // may not (it does on Linux). Held, every event runs a round first, so the wait runs from
    // that round's sample on both clocks: one that spans a suspend ends within a second of the
    // resume, and that round samples the new count. From the sample, not from now: a handler
    // that took a while after it (the log's write waits for the disk) would make it late.
    const auto wait = static_cast<std::int64_t>(*change - uptime_.lastSample());
    scheduler_.pace(ticks_.lastReadMs() + wait);
}

template <typename Event>
void Application::handle(Event&& event) {
    if (handling_) {
        return;
    }
    handling_ = true;
    event();
    pump();
    handling_ = false;
}

void Application::start() {
    mainLoaded_ = true;
    handle([this] { dispatcher_.input([this] { shell_.Form_Load(); }); });
}

void Application::wake() {
    handle([this] { dispatcher_.fireDueTimers(); });
}

bool Application::takesInput(const Window& window) const noexcept {
    if (const Window* about = about_.window()) {
        return &window == about;
    }
    return &window == &form_.window;
}

void Application::click(Control& control) {
    if (!takesInput(control.window())) {
        return;
    }
    handle([&] {
        dispatcher_.input([&control] {
            // A user's click toggles a tick box between clear and ticked; a disabled box
            // ignores it. Every other control reports the click.
            if (control.kind() != ControlKind::TickBox) {
                control.raiseClick();
            } else if (control.enabled()) {
                control.setValue(control.value() == kTicked ? kClear : kTicked);
            }
        });
    });
}

void Application::doubleClick(Control& control) {
    if (!takesInput(control.window())) {
        return;
    }
    handle([&] { dispatcher_.input([&control] { control.raiseDblClick(); }); });
}

void Application::typed(Control& textBox, std::string_view text) {
    const ControlDefinition& definition = textBox.definition();
    if (!takesInput(textBox.window()) || definition.kind != ControlKind::TextBox ||
        definition.readOnly || !textBox.window().layout().drawn(textBox)) {
        return;
    }
    handle([&] { dispatcher_.input([&textBox, text] { textBox.setText(text); }); });
}

void Application::closeWindow(Window& window) {
    if (!takesInput(window)) {
        return;
    }
    handle([&] {
        dispatcher_.input([&] {
            if (&window == &form_.window) {
                unloadMainWindow();
            } else {
                about_.unload();
            }
        });
    });
}

void Application::enterKey(Window& window) {
    if (Control* button = window.layout().button(ButtonRole::Default)) {
        click(*button);
    }
}

void Application::escapeKey(Window& window) {
    if (Control* button = window.layout().button(ButtonRole::Cancel)) {
        click(*button);
    } else if (&window == about_.window()) {
        closeWindow(window);
    }
}

void Application::moved(Window& window, int leftPixel, int topPixel, bool minimized) {
    userMoved(window, leftPixel, topPixel, minimized);
}

void Application::unloadMainWindow() {
    if (!mainLoaded_) {
        return;
    }
    // An open About window closes first, saving its corner as any close does.
    about_.unload();
    shell_.Form_Unload();
    mainLoaded_ = false;
    scheduler_.forget(form_.window);
    // No window of the program is left: the program ends.
    dispatcher_.endProgram(0);
}

void Application::pump() {
    WindowHost& host = services_.host;
    const std::array<Window*, 2> open{mainLoaded_ ? &form_.window : nullptr, about_.window()};
    const auto isOpen = [&open](const Window* window) {
        return std::find(open.begin(), open.end(), window) != open.end();
    };
    // Gone windows leave the screen first, the last shown (a dialog before its owner) first.
    for (std::size_t i = shown_.size(); i-- > 0;) {
        if (!isOpen(shown_[i])) {
            host.unloaded(*shown_[i]);
        }
    }
    std::erase_if(shown_, [&isOpen](const Window* window) { return !isOpen(window); });
    if (dispatcher_.ended()) {
        if (!endTold_) {
            endTold_ = true;
            host.end(dispatcher_.exitStatus().value_or(0));
        }
        return;
    }
    for (Window* window : open) {
        if (window == nullptr) {
            continue;
        }
        if (std::find(shown_.begin(), shown_.end(), window) == shown_.end()) {
            // Shown as the model holds it now: earlier changes are in the picture already.
            window->drainChangedControls([](const Control& /*control*/) {});
            static_cast<void>(window->takeGeometryChanged());
            shown_.push_back(window);
            host.show(*window, window == &form_.window ? nullptr : &form_.window);
            continue;
        }
        // A control that is not drawn has nothing to show; it is drawn as the model holds it
        // once it is.
        window->drainChangedControls([&host, window](Control& control) {
            if (window->layout().drawn(control)) {
                host.apply(control, control.changes());
            }
        });
        if (window->takeGeometryChanged()) {
            host.place(*window);
        }
    }
    paceEngine();
    host.wakeAt(scheduler_.nextDueMs(), services_.clock.nowMs());
}

}  // namespace lwviz
