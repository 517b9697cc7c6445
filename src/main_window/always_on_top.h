#pragma once

#include "core/ports.h"
#include "core/window_host.h"
#include "main_window/main_form.h"

namespace lwviz {

// Keeps the main window above the other windows: once a second, when some other window has the
// user's focus, that window loses its topmost status and the main window takes it. Whether the
// timer runs is fixed at load; nothing stops it afterwards.
class AlwaysOnTop {
public:
    AlwaysOnTop(MainForm& form, WindowManager& windowManager, WindowHost& host);

    void AlwaysOnTopTimer_Timer();

private:
    Window& window_;
    WindowManager& windowManager_;
    WindowHost& host_;
};

}  // namespace lwviz
