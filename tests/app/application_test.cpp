// The application brings the screen up to date after every event, through its host.

#include "app/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/harness.h"

namespace lwviz {
namespace {

using testing::Harness;
using testing::RecordingWindowHost;
using Strings = std::vector<std::string>;

TEST(ApplicationPump, ShowsDrawsAndArmsTheOneTimerAfterEveryEvent) {
    Harness h;
    h.start();
    RecordingWindowHost& host = h.platform.host;
    EXPECT_EQ(host.events, Strings{"show LW_VIZ_MAIN"});
    EXPECT_EQ(host.applied, 0) << "a window is shown as the model holds it";
    EXPECT_EQ(host.wake, 1000) << "at rest only Always On Top runs";

    h.runFor(400);
    h.click("START_STOP_BUTTON");
    EXPECT_GT(host.applied, 0);
    EXPECT_EQ(host.wake, 15) << "the engine's timers are due one interval after START";

    h.click("ABOUT_BUTTON");
    EXPECT_EQ(host.events.back(), "show LW_VIZ_ABOUT over LW_VIZ_MAIN");
}

TEST(ApplicationPump, NoInputIsTakenWhileAFailureIsBeingReported) {
    Harness h;
    h.start();
    // A toolkit's message box runs its own event loop: the program's timer and the user's
    // clicks may arrive while the report is on the screen.
    h.platform.failures.whileReporting = [&h] {
        h.platform.host.events.emplace_back("reporting");
        h.click("ABOUT_BUTTON");
        h.app().wake();
    };
    h.platform.settings.refuseSaves = true;
    h.app().closeWindow(h.app().mainWindow());
    EXPECT_EQ(h.platform.host.events, (Strings{"show LW_VIZ_MAIN", "reporting", "end 1"}));
    EXPECT_EQ(h.app().aboutWindow(), nullptr);
}

TEST(ApplicationKeys, EnterPressesTheDrawnDefaultButtonOfTheWindowThatTakesInput) {
    Harness h;
    h.start();
    Window& main = h.app().mainWindow();
    h.app().enterKey(main);
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "STOP");

    // A window too small to show the button: Enter reaches nothing.
    main.layout().fit(100, 40, kStandardDpi);
    h.app().enterKey(main);
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "STOP");

    h.click("ABOUT_BUTTON");
    Window* about = h.app().aboutWindow();
    ASSERT_NE(about, nullptr);
    h.app().enterKey(main);
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "STOP") << "the main window takes no input now";
    h.app().enterKey(*about);
    EXPECT_EQ(h.app().aboutWindow(), nullptr) << "Enter presses OK";
}

}  // namespace
}  // namespace lwviz
