// The Windows program: the platform's services, the program, and the Win32 front-end.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/application.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/message_box_reporter.h"
#include "platform/win32/monitor_screen_layout.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/stacking_window_manager.h"
#include "platform/win32/win32_services.h"
#include "ui/win32/win32_front_end.h"

// The parameters keep this program's names, not the system header's.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    using namespace lwviz::win32;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;

    Win32Services os;
    RegistrySettingsStore settings;
    StackingWindowManager windowManager;
    MonitorScreenLayout screens;
    MessageBoxReporter failures;
    Win32FrontEnd frontEnd(instance);
    lwviz::Services services{.tickCounter = os.tickCounter,
                             .clock = os.clock,
                             .wallClock = os.wallClock,
                             .environment = os.environment,
                             .program = os.program,
                             .settings = settings,
                             .logFile = os.logFile,
                             .windowManager = windowManager,
                             .screens = screens,
                             .failures = failures,
                             .host = frontEnd};
    lwviz::Application app(services);
    frontEnd.open(app, show);
    return frontEnd.run();
}
