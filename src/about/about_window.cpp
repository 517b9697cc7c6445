#include "about/about_window.h"

#include "about/about_window_definition.h"
#include "app/window_placement.h"

namespace lwviz {

AboutWindow::AboutWindow(MainForm& mainForm, ProgramSettings& settings, Services& services,
                         TimerObserver& timers)
    : mainWindow_(mainForm.window), settings_(settings), services_(services), timers_(timers) {
    mainWindow_.control("ABOUT_BUTTON").onClick = [this] { ABOUT_BUTTON_Click(); };
}

void AboutWindow::ABOUT_BUTTON_Click() {
    closed_.reset();
    // Modal: while the window is open the main window takes no input, so this is only a guard.
    if (window_) {
        return;
    }
    window_ = std::make_unique<Window>(aboutWindowDefinition());
    window_->setTimerObserver(&timers_);
    window_->control("OK_BUTTON").onClick = [this] { OK_BUTTON_Click(); };
    window_->control("CREATOR_TEXTBOX").onDblClick = [this] { CREATOR_TEXTBOX_DblClick(); };
    Form_Load();
    services_.host.showModal(*window_, mainWindow_);
}

void AboutWindow::Form_Load() {
    Window& w = *window_;
    w.setLeft(settings_.readPosition("ABOUT_Left", kAboutDefaultLeft));
    w.setTop(settings_.readPosition("ABOUT_Top", kAboutDefaultTop));
    w.setWidth(settings_.readSize("ABOUT_Width", kAboutDefaultWidth));
    w.setHeight(settings_.readSize("ABOUT_Height", kAboutDefaultHeight));
    keepOnScreen(w, services_.screens, kAboutDefaultLeft, kAboutDefaultTop);
    w.control("OUTPUT_REPORT_TEXTBOX").setText(mainWindow_.control("OUTPUT_REPORT_TEXTBOX").text());
}

void AboutWindow::Form_Unload() {
    settings_.saveSingle("ABOUT_Left", window_->left());
    settings_.saveSingle("ABOUT_Top", window_->top());
}

void AboutWindow::OK_BUTTON_Click() {
    settings_.saveSingle("ABOUT_Left", window_->left());
    settings_.saveSingle("ABOUT_Top", window_->top());
    unload();
}

void AboutWindow::CREATOR_TEXTBOX_DblClick() {
    window_->control("CREATOR_TEXTBOX").setCaption(kAuthorContact);
}

void AboutWindow::unload() {
    if (!window_) {
        return;
    }
    Form_Unload();
    services_.host.unloaded(*window_);
    closed_ = std::move(window_);
}

}  // namespace lwviz
