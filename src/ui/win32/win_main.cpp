// The Windows program: the platform's services, the program, and the Win32 front-end.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/application.h"
#include "platform/win32/clocks.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/environment.h"
#include "platform/win32/log_file_writer.h"
#include "platform/win32/message_box_reporter.h"
#include "platform/win32/monitor_screen_layout.h"
#include "platform/win32/program_info.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/stacking_window_manager.h"
#include "platform/win32/wall_clock.h"
#include "ui/win32/win32_front_end.h"

// The parameters keep this program's names, not the system header's.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    using namespace lwviz::win32;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;

    TickCount64Counter ticks;
    PerformanceCounterClock clock;
    LocaleWallClock wallClock;
    ProcessEnvironment environment;
    ModuleProgramInfo program;
    RegistrySettingsStore settings;
    AnsiLogFile logFile;
    StackingWindowManager windowManager;
    MonitorScreenLayout screens;
    MessageBoxReporter failures;
    Win32FrontEnd frontEnd(instance);
    lwviz::Services services{.tickCounter = ticks,
                             .clock = clock,
                             .wallClock = wallClock,
                             .environment = environment,
                             .program = program,
                             .settings = settings,
                             .logFile = logFile,
                             .windowManager = windowManager,
                             .screens = screens,
                             .failures = failures,
                             .host = frontEnd};
    lwviz::Application app(services);
    frontEnd.open(app, show);
    return frontEnd.run();
}
