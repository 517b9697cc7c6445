#pragma once

#include <memory>

#include "about/about_form.h"
#include "core/dispatcher.h"
#include "core/services.h"
#include "core/window.h"
#include "main_window/main_form.h"
#include "main_window/program_settings.h"

namespace lwviz {

// The modal About window: name, version and author, and a copy of the last log entry. It is
// loaded afresh from its design at every opening and exists only while it is shown; it
// remembers its corner in the settings store.
class AboutWindow {
public:
    // `dispatcher` keeps a closed window until its last event is over.
    AboutWindow(MainForm& mainForm, ProgramSettings& settings, Services& services,
                Dispatcher& dispatcher);

    // The main window's About button: loads the window, which the program then shows modally
    // over the main window. The program keeps running while the window is open.
    void ABOUT_BUTTON_Click();

    void Form_Load();
    void Form_Unload();
    void OK_BUTTON_Click();
    void CREATOR_TEXTBOX_DblClick();

    // Closes the window however the user or the program asked for it: its unload handler runs,
    // then it leaves the screen. Nothing happens when it is not open.
    void unload();

    // The open window, or nullptr when it is not loaded.
    [[nodiscard]] Window* window() const noexcept { return form_ ? &form_->window : nullptr; }

private:
    void saveCorner();

    Control& mainReport_;
    ProgramSettings& settings_;
    ScreenLayout& screens_;
    Dispatcher& dispatcher_;
    std::unique_ptr<AboutForm> form_;
};

}  // namespace lwviz
