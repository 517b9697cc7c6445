#include "app/application.h"

namespace lwviz {

Application::Application(Services& services)
    : services_(services),
      scheduler_(services.clock),
      dispatcher_(scheduler_, services.failures),
      settings_(services.settings, services.program),
      shell_(form_, settings_, services),
      autoStart_(form_),
      uptime_(form_, services.tickCounter),
      startStop_(form_),
      warmUpAndHold_(form_, [this] { unloadMainWindow(); }),
      logWriter_(form_, services),
      alwaysOnTop_(form_, services.windowManager, services.host),
      about_(form_, settings_, services, scheduler_) {
    form_.window.setTimerObserver(&scheduler_);
}

void Application::start() {
    mainLoaded_ = true;
    dispatcher_.dispatch([this] { shell_.Form_Load(); });
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
    dispatcher_.dispatch([&control] {
        switch (control.kind()) {
            case ControlKind::CommandButton:
                control.raiseClick();
                break;
            case ControlKind::TickBox:
                // A user's click toggles between clear and ticked; a disabled box ignores it.
                if (control.enabled()) {
                    control.setValue(control.value() == kTicked ? kClear : kTicked);
                }
                break;
            default:
                control.raiseClick();
                break;
        }
    });
}

void Application::doubleClick(Control& control) {
    if (!takesInput(control.window())) {
        return;
    }
    dispatcher_.dispatch([&control] { control.raiseDblClick(); });
}

void Application::typed(Control& textBox, std::string_view text) {
    const ControlDefinition& definition = textBox.definition();
    if (!takesInput(textBox.window()) || definition.kind != ControlKind::TextBox ||
        definition.readOnly || !definition.visible) {
        return;
    }
    dispatcher_.dispatch([&textBox, text] { textBox.setText(text); });
}

void Application::closeWindow(Window& window) {
    if (!takesInput(window)) {
        return;
    }
    if (&window == &form_.window) {
        dispatcher_.dispatch([this] { unloadMainWindow(); });
    } else {
        dispatcher_.dispatch([this] { about_.unload(); });
    }
}

void Application::escapeKey(Window& window) {
    if (about_.window() != nullptr && &window == about_.window()) {
        closeWindow(window);
    }
}

void Application::movedTo(Window& window, float left, float top) { window.movedTo(left, top); }

void Application::unloadMainWindow() {
    if (!mainLoaded_) {
        return;
    }
    // An open About window closes first, saving its corner as any close does.
    about_.unload();
    shell_.Form_Unload();
    mainLoaded_ = false;
    scheduler_.forget(form_.window);
    services_.host.unloaded(form_.window);
    // No window of the program is left: the program ends.
    dispatcher_.endProgram(0);
}

}  // namespace lwviz
