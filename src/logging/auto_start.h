#pragma once

#include "app/main_form.h"

namespace lwviz {

// The Auto Start box governs the Auto Close box: Auto Close can only be ticked while Auto
// Start is, so an unattended close never happens without an unattended start.
class AutoStart {
public:
    explicit AutoStart(MainForm& form);

    void AUTOSTART_TICKBOX_Click();

private:
    Control& AUTOSTART_TICKBOX;
    Control& AUTOCLOSE_TICKBOX;
};

}  // namespace lwviz
