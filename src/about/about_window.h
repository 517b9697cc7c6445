#pragma once

#include <memory>

#include "app/main_form.h"
#include "app/program_settings.h"
#include "app/services.h"
#include "core/window.h"

namespace lwviz {

// The modal About window: name, version and author, and a copy of the last log entry. It is
// loaded afresh from its design at every opening and exists only while it is shown; it
// remembers its corner in the settings store.
class AboutWindow {
public:
    // Where the author line leads on a double-click.
    static constexpr const char* kAuthorContact = "Quarn208@example.com";

    AboutWindow(MainForm& mainForm, ProgramSettings& settings, Services& services,
                TimerObserver& timers);

    // The main window's About button: loads the window and shows it modally over the main
    // window. Returns at once; the program keeps running while the window is open.
    void ABOUT_BUTTON_Click();

    void Form_Load();
    void Form_Unload();
    void OK_BUTTON_Click();
    void CREATOR_TEXTBOX_DblClick();

    // Closes the window however the user or the program asked for it: its unload handler runs,
    // then it leaves the screen. Nothing happens when it is not open.
    void unload();

    // The open window, or nullptr when it is not loaded.
    [[nodiscard]] Window* window() const noexcept { return window_.get(); }

private:
    Window& mainWindow_;
    ProgramSettings& settings_;
    Services& services_;
    TimerObserver& timers_;
    std::unique_ptr<Window> window_;
    // The last closed window lives on until the next opening: the handler that closed it may
    // still be running inside one of its controls.
    std::unique_ptr<Window> closed_;
};

}  // namespace lwviz
