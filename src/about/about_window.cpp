#include "about/about_window.h"

#include "about/about_window_definition.h"
#include "core/window_placement.h"

namespace lwviz {

AboutWindow::AboutWindow(MainForm& mainForm, ProgramSettings& settings, Services& services,
                         Dispatcher& dispatcher)
    : mainReport_(mainForm.OUTPUT_REPORT_TEXTBOX),
      settings_(settings),
      screens_(services.screens),
      dispatcher_(dispatcher) {
    mainForm.ABOUT_BUTTON.onClick = [this] { ABOUT_BUTTON_Click(); };
}

void AboutWindow::ABOUT_BUTTON_Click() {
    // Modal: while the window is open the main window takes no input, so this is only a guard.
    if (form_) {
        return;
    }
    form_ = std::make_unique<AboutForm>();
    form_->OK_BUTTON.onClick = [this] { OK_BUTTON_Click(); };
    form_->CREATOR_TEXTBOX.onDblClick = [this] { CREATOR_TEXTBOX_DblClick(); };
    Form_Load();
}

void AboutWindow::Form_Load() {
    AboutForm& f = *form_;
    settings_.restorePlace(f.window, "ABOUT", kAboutDefaultPlace);
    keepUsable(f.window, screens_, kAboutDefaultPlace);
    f.OUTPUT_REPORT_TEXTBOX.setText(mainReport_.text());
}

void AboutWindow::Form_Unload() { saveCorner(); }

void AboutWindow::OK_BUTTON_Click() {
    // Saved here and once more by the unload.
    saveCorner();
    unload();
}

void AboutWindow::CREATOR_TEXTBOX_DblClick() { form_->CREATOR_TEXTBOX.setCaption(kAuthorContact); }

void AboutWindow::saveCorner() {
    settings_.saveSingle("ABOUT_Left", form_->window.left());
    settings_.saveSingle("ABOUT_Top", form_->window.top());
}

void AboutWindow::unload() {
    if (!form_) {
        return;
    }
    Form_Unload();
    dispatcher_.retire(std::move(form_));
}

}  // namespace lwviz
