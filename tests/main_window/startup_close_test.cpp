#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/startup_fixture.h"
#include "support/harness.h"

namespace lwviz {
namespace {

using testing::Harness;
using testing::kSection;

using StartupTest = testing::StartupFixture;

TEST_F(StartupTest, EmptyStoreOpensInTheReadyPhaseAtTheDefaultPlace) {
    Application& app = h.start();
    EXPECT_FALSE(app.ended());
    const Window& w = app.mainWindow();
    EXPECT_EQ(testing::placeOf(w), (testing::Place{1000, 1000, 4380, 2325}));
    EXPECT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    EXPECT_TRUE(armed("AlwaysOnTopTimer"));
    EXPECT_EQ(h.control("AUTOSTART_TICKBOX").value(), kClear);
    expectReadyPhase();
    EXPECT_EQ(h.text("PC_NAME_TEXTBOX"), "TESTPC");
    EXPECT_EQ(app.mainForm().ComputerName, "TESTPC");
    EXPECT_EQ(h.control("AUTOSTART_TIMER").interval(), 10000);
    EXPECT_EQ(h.control("LOG_TIMER").interval(), 1000);
    EXPECT_EQ(h.control("UPTIME_TIMER").interval(), 1);
}

TEST_F(StartupTest, ControlCharactersOfTheComputerNameBecomeSpaces) {
    h.platform.environment.name = "PC\r\nCurrent UpTime = 999d\t\x7F-Z\xC3\xBCrich";
    h.start();
    EXPECT_EQ(h.text("PC_NAME_TEXTBOX"), "PC  Current UpTime = 999d  -Z\xC3\xBCrich");
}

TEST_F(StartupTest, AutoStartAndAutoCloseStoredOpensInTheWarmUpPhase) {
    store("AUTOSTART_TICKBOX", "1");
    store("AUTOCLOSE_TICKBOX", "1");
    h.start();
    EXPECT_EQ(h.text("CURRENT_STATUS_LABEL"), "!!! AUTOSTARTING !!!");
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "STOP");
    EXPECT_EQ(h.control("LW_UPTIME_DISPLAY_TEXTBOX").backColor(), kBlack);
    EXPECT_EQ(h.control("AUTOCLOSE_TICKBOX").value(), kTicked);
    EXPECT_TRUE(h.control("AUTOCLOSE_TICKBOX").enabled());
    for (const char* timer :
         {"UPTIME_TIMER", "DAY_UPTIME_TIMER", "HOUR_UPTIME_TIMER", "MINUTE_UPTIME_TIMER",
          "SECOND_UPTIME_TIMER", "LW_DISPLAY_UPDATE_TIMER", "AUTOSTART_TIMER"}) {
        EXPECT_TRUE(armed(timer)) << timer;
    }
    EXPECT_FALSE(armed("LOG_TIMER"));
    EXPECT_FALSE(armed("AUTOCLOSE_TIMER"));
}

TEST_F(StartupTest, AutoCloseWithoutAutoStartIsClearedAndSavedAsClear) {
    store("AUTOSTART_TICKBOX", "0");
    store("AUTOCLOSE_TICKBOX", "1");
    Application& app = h.start();
    expectReadyPhase();
    app.closeWindow(app.mainWindow());
    EXPECT_EQ(stored("AUTOCLOSE_TICKBOX"), "0");
}

TEST_F(StartupTest, GreyedAutoStartShowsGreyedAndTakesTheReadyBranch) {
    store("AUTOSTART_TICKBOX", "2");
    h.start();
    EXPECT_EQ(h.control("AUTOSTART_TICKBOX").value(), kGreyed);
    expectReadyPhase();
}

TEST_F(StartupTest, AlwaysOnTopStoredClearLeavesItsTimerOffForTheRun) {
    store("AlwaysOnTop_TICKBOX", "0");
    h.start();
    EXPECT_FALSE(armed("AlwaysOnTopTimer"));
    h.click("AlwaysOnTop_TICKBOX");
    EXPECT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    EXPECT_FALSE(armed("AlwaysOnTopTimer"));
}

TEST_F(StartupTest, StoredSizeIsUsedButNeverWritten) {
    store("MAIN_Width", "12300");
    store("MAIN_Height", "8200");
    Application& app = h.start();
    EXPECT_EQ(app.mainWindow().width(), 12300);
    EXPECT_EQ(app.mainWindow().height(), 8200);
    app.closeWindow(app.mainWindow());
    EXPECT_EQ(h.platform.settings.savedKeys,
              (std::vector<std::string>{"MAIN_Left", "MAIN_Top", "AlwaysOnTop_TICKBOX",
                                        "AUTOSTART_TICKBOX", "AUTOCLOSE_TICKBOX"}));
}

TEST_F(StartupTest, WindowStoredWhollyOffEveryScreenOpensAtTheDefaultCorner) {
    store("MAIN_Left", "60000");  // 4000 px: right of the only 1280 px screen
    store("MAIN_Top", "2000");
    Application& app = h.start();
    EXPECT_EQ(app.mainWindow().left(), 1000);
    EXPECT_EQ(app.mainWindow().top(), 1000);
    // A second screen to the right makes the same place valid.
    Harness other;
    other.platform.settings.put(kSection, "MAIN_Left", "60000");
    other.platform.screens.areas.push_back({38400, 0, 38400, 12000});
    EXPECT_EQ(other.start().mainWindow().left(), 60000);
}

TEST_F(StartupTest, CloseSavesPositionAndTickBoxesInOrderAndEndsTheProgram) {
    Application& app = h.start();
    app.mainWindow().movedTo(2250, 1500.5F);
    h.click("AUTOSTART_TICKBOX");  // enables Auto Close
    h.click("AUTOCLOSE_TICKBOX");
    h.click("AlwaysOnTop_TICKBOX");
    app.closeWindow(app.mainWindow());
    EXPECT_EQ(stored("MAIN_Left"), "2250");
    EXPECT_EQ(stored("MAIN_Top"), "1500.5");
    EXPECT_EQ(stored("AlwaysOnTop_TICKBOX"), "0");
    EXPECT_EQ(stored("AUTOSTART_TICKBOX"), "1");
    EXPECT_EQ(stored("AUTOCLOSE_TICKBOX"), "1");
    EXPECT_EQ(h.platform.settings.values.size(), 5U) << "nothing but the five";
    EXPECT_EQ(app.exitStatus(), 0);
    EXPECT_EQ(h.platform.host.events,
              (std::vector<std::string>{"show LW_VIZ_MAIN", "unloaded LW_VIZ_MAIN", "end 0"}));
}

TEST_F(StartupTest, AutoStartClickGovernsTheAutoCloseBox) {
    h.start();
    Control& autoClose = h.control("AUTOCLOSE_TICKBOX");
    h.click("AUTOCLOSE_TICKBOX");  // disabled: ignored
    EXPECT_EQ(autoClose.value(), kClear);
    h.click("AUTOSTART_TICKBOX");
    EXPECT_TRUE(autoClose.enabled());
    EXPECT_FALSE(h.control("AUTOSTART_TIMER").enabled());  // ticking starts no cycle
    h.click("AUTOCLOSE_TICKBOX");
    EXPECT_EQ(autoClose.value(), kTicked);
    h.click("AUTOSTART_TICKBOX");
    EXPECT_FALSE(autoClose.enabled());
    EXPECT_EQ(autoClose.value(), kClear);
}

TEST_F(StartupTest, RefusedSaveAtCloseIsReportedAndEndsNonZero) {
    Application& app = h.start();
    h.platform.settings.refuseSaves = true;
    app.closeWindow(app.mainWindow());
    ASSERT_EQ(h.platform.failures.reported.size(), 1U);
    EXPECT_EQ(app.exitStatus(), 1);
}

}  // namespace
}  // namespace lwviz

namespace lwviz {
namespace {

// The working area's cells take typing; what the user types is what the engine reads next.
TEST(TypingTest, OnlyEditableDrawnBoxesTakeTyping) {
    testing::Harness h;
    h.platform.settings.put(kSection, "MAIN_Width", "12300");
    h.platform.settings.put(kSection, "MAIN_Height", "8200");
    Application& app = h.start();
    app.typed(h.control("TOTAL_MIL_HOUR"), "60000");
    EXPECT_EQ(h.text("TOTAL_MIL_HOUR"), "60000");
    app.typed(h.control("LW_UPTIME_DISPLAY_TEXTBOX"), "99d");  // read-only
    app.typed(h.control("PC_NAME_TEXTBOX"), "OTHER");          // never shown
    app.typed(h.control("CURRENT_STATUS_LABEL"), "typed");     // not a text box
    EXPECT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), "TIMERS DISABLED");
    EXPECT_EQ(h.text("PC_NAME_TEXTBOX"), "TESTPC");
    EXPECT_EQ(h.text("CURRENT_STATUS_LABEL"), "READY...");
}

}  // namespace
}  // namespace lwviz
