#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/harness.h"

namespace lwviz {
namespace {

using testing::Harness;
using Calls = std::vector<std::string>;

constexpr const char* kSection = "LW-DODOZU-ZIDADA-V1";
constexpr NativeWindow kMain = 0x1001;   // the fake host's handle of the main window
constexpr NativeWindow kAbout = 0x2002;  // and of the About window
constexpr NativeWindow kOther = 0x5005;  // another program's window

class AlwaysOnTopTest : public ::testing::Test {
protected:
    Calls& calls() { return h.platform.windowManager.calls; }
    void focusOn(NativeWindow window) { h.platform.windowManager.foreground = window; }

    Harness h;
};

TEST_F(AlwaysOnTopTest, WhileTheMainWindowHasTheFocusEachTickOnlyAsks) {
    focusOn(kMain);
    h.start();
    h.runUntil(999);
    EXPECT_TRUE(calls().empty()) << "the first tick comes one period after the load";
    h.runUntil(3500);
    EXPECT_EQ(calls(), (Calls{"foreground", "foreground", "foreground"}));
}

TEST_F(AlwaysOnTopTest, AnotherWindowWithTheFocusIsDemotedThenTheMainWindowRaised) {
    focusOn(kOther);
    h.start();
    h.runUntil(1000);
    EXPECT_EQ(calls(),
              (Calls{"foreground", "foreground", "removeTopmost 20485", "makeTopmost 4097"}));

    // The user comes back to the main window: the next ticks leave everything alone.
    calls().clear();
    focusOn(kMain);
    h.runUntil(3000);
    EXPECT_EQ(calls(), (Calls{"foreground", "foreground"}));
}

TEST_F(AlwaysOnTopTest, TheSecondQueryDecidesWhichWindowGivesWay) {
    focusOn(kOther);
    h.start();
    // Between the two questions the focus moves on to a third window.
    h.platform.windowManager.nextForeground = {kOther, 0x7007};
    h.runUntil(1000);
    EXPECT_EQ(calls(),
              (Calls{"foreground", "foreground", "removeTopmost 28679", "makeTopmost 4097"}));
}

TEST_F(AlwaysOnTopTest, NoFocusedWindowStillRaisesTheMainWindow) {
    focusOn(0);
    h.start();
    h.runUntil(1000);
    // Nobody to demote: no call on the null handle.
    EXPECT_EQ(calls(), (Calls{"foreground", "foreground", "makeTopmost 4097"}));
}

TEST_F(AlwaysOnTopTest, WithoutAHandleYetNothingIsRestacked) {
    h.platform.host.handles["LW_VIZ_MAIN"] = 0;
    focusOn(kOther);
    h.start();
    h.runUntil(2000);
    EXPECT_TRUE(calls().empty());
}

TEST_F(AlwaysOnTopTest, TheOwnAboutWindowWithTheFocusIsDemotedToo) {
    focusOn(kAbout);
    h.start();
    h.click("ABOUT_BUTTON");
    ASSERT_NE(h.app().aboutWindow(), nullptr);
    h.runUntil(1000);
    EXPECT_EQ(calls(),
              (Calls{"foreground", "foreground", "removeTopmost 8194", "makeTopmost 4097"}));
}

TEST_F(AlwaysOnTopTest, ARunThatStartsWithTheBoxClearNeverTouchesTheStacking) {
    h.platform.settings.put(kSection, "AlwaysOnTop_TICKBOX", "0");
    focusOn(kOther);
    h.start();
    h.runUntil(2500);
    // Ticking the box takes effect only at the next start, through the value saved at close.
    h.click("AlwaysOnTop_TICKBOX");
    ASSERT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    h.runUntil(10000);
    EXPECT_TRUE(calls().empty());
    h.app().closeWindow(h.app().mainWindow());
    EXPECT_EQ(h.platform.settings.value(kSection, "AlwaysOnTop_TICKBOX"), "1");
}

TEST_F(AlwaysOnTopTest, UntickingDuringAnActiveRunKeepsThePollingUntilTheEnd) {
    focusOn(kOther);
    h.start();
    h.runUntil(1500);
    h.click("AlwaysOnTop_TICKBOX");
    ASSERT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kClear);
    calls().clear();
    h.runUntil(3000);
    EXPECT_EQ(calls(),
              (Calls{"foreground", "foreground", "removeTopmost 20485", "makeTopmost 4097",
                     "foreground", "foreground", "removeTopmost 20485", "makeTopmost 4097"}));
    h.app().closeWindow(h.app().mainWindow());
    EXPECT_EQ(h.platform.settings.value(kSection, "AlwaysOnTop_TICKBOX"), "0");
}

TEST_F(AlwaysOnTopTest, OnceASecondAlsoWhileTheUptimeEngineTicksFast) {
    h.platform.settings.put(kSection, "AUTOSTART_TICKBOX", "1");
    focusOn(kMain);
    h.start();
    ASSERT_TRUE(h.control("UPTIME_TIMER").enabled());
    h.runUntil(10999);
    EXPECT_EQ(calls().size(), 10U);
}

}  // namespace
}  // namespace lwviz
