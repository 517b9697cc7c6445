#pragma once

#include "app/main_form.h"

namespace lwviz {

// The Auto Start box governs the Auto Close box: unticking Auto Start unticks and disables
// Auto Close, so a running cycle then ends at rest; ticking it only enables the box.
class AutoStart {
public:
    explicit AutoStart(MainForm& form);

    void AUTOSTART_TICKBOX_Click();

private:
    Control& AUTOSTART_TICKBOX;
    Control& AUTOCLOSE_TICKBOX;
};

}  // namespace lwviz
