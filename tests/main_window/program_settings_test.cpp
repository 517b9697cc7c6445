// What the program reads back from its settings store at the start.

#include "main_window/program_settings.h"

#include <gtest/gtest.h>

#include "main_window/startup_fixture.h"

namespace lwviz {
namespace {

using ProgramSettingsTest = testing::StartupFixture;

TEST_F(ProgramSettingsTest, AnotherExecutableNameUsesItsOwnSection) {
    store("AUTOSTART_TICKBOX", "1");
    store("MAIN_Left", "3000");
    h.platform.program.name = "RENAMED-COPY";
    Application& app = h.start();
    EXPECT_EQ(app.mainWindow().left(), 1000);
    expectReadyPhase();
    app.closeWindow(app.mainWindow());
    EXPECT_EQ(h.platform.settings.value("RENAMED-COPY", "MAIN_Left"), "1000");
    EXPECT_EQ(stored("MAIN_Left"), "3000");  // the old section stays untouched
}

// A broken settings file never stops the program from starting: each unreadable value counts as
// absent and its default applies.
TEST_F(ProgramSettingsTest, UnreadableSettingsFallBackToTheirDefaults) {
    store("MAIN_Left", "abc");
    store("MAIN_Top", "1E+99");   // beyond single precision
    store("MAIN_Width", "-200");  // a size the window cannot take
    store("MAIN_Height", "");
    store("AlwaysOnTop_TICKBOX", "7");    // not a tick-box state
    store("AUTOSTART_TICKBOX", "99999");  // beyond a 16-bit integer
    store("AUTOCLOSE_TICKBOX", "1.5.2");
    Application& app = h.start();
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(h.platform.failures.reported.empty());
    const Window& w = app.mainWindow();
    EXPECT_EQ(testing::placeOf(w), (testing::Place{1000, 1000, 4380, 2325}));
    EXPECT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    expectReadyPhase();
}

TEST_F(ProgramSettingsTest, ReadableNumbersInOtherFormsAreAccepted) {
    store("MAIN_Left", " 1500.4 ");
    store("MAIN_Top", "-90");           // partly off the top of the screen: still reachable
    store("AUTOSTART_TICKBOX", "0.6");  // rounds to 1
    Application& app = h.start();
    EXPECT_FLOAT_EQ(app.mainWindow().left(), 1500.4F);
    EXPECT_EQ(app.mainWindow().top(), -90);
    EXPECT_EQ(h.control("AUTOSTART_TICKBOX").value(), kTicked);
}

}  // namespace
}  // namespace lwviz
