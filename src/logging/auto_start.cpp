#include "logging/auto_start.h"

namespace lwviz {

AutoStart::AutoStart(MainForm& form)
    : AUTOSTART_TICKBOX(form.window.control("AUTOSTART_TICKBOX")),
      AUTOCLOSE_TICKBOX(form.window.control("AUTOCLOSE_TICKBOX")) {
    AUTOSTART_TICKBOX.onClick = [this] { AUTOSTART_TICKBOX_Click(); };
}

void AutoStart::AUTOSTART_TICKBOX_Click() {
    if (AUTOSTART_TICKBOX.value() == kTicked) {
        AUTOCLOSE_TICKBOX.setEnabled(true);
    } else {
        AUTOCLOSE_TICKBOX.setEnabled(false);
        AUTOCLOSE_TICKBOX.setValue(kClear);
    }
}

}  // namespace lwviz
