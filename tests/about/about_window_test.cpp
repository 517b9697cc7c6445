#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "about/about_window_definition.h"
#include "support/harness.h"

namespace lwviz {
namespace {

using testing::Harness;
using Strings = std::vector<std::string>;

constexpr const char* kSection = "LW-DODOZU-ZIDADA-V1";
constexpr const char* kDesignReport = "!!! TIMERS DISABLED !!!\r\n";

class AboutWindowTest : public ::testing::Test {
protected:
    void store(const std::string& key, const std::string& text) {
        h.platform.settings.put(kSection, key, text);
    }
    [[nodiscard]] std::optional<std::string> stored(const std::string& key) const {
        return h.platform.settings.value(kSection, key);
    }
    Strings& saved() { return h.platform.settings.savedKeys; }
    Strings& hostEvents() { return h.platform.host.events; }

    // Opens the About window with the main window's button; it must be there afterwards.
    Window& open() {
        h.click("ABOUT_BUTTON");
        Window* about = h.app().aboutWindow();
        if (about == nullptr) {
            throw std::logic_error("the About window did not open");
        }
        return *about;
    }

    Harness h;
};

TEST(AboutWindowDefinition, EveryControlLiesInsideTheClientAreaInItsTabOrder) {
    const WindowDefinition& d = aboutWindowDefinition();
    EXPECT_EQ(d.caption, "LW-DODOZU-ZIDADA - ABOUT");
    EXPECT_FALSE(d.style.minimizeButton);
    EXPECT_FALSE(d.style.maximizeButton);
    ASSERT_GE(d.controls.size(), 2U);
    // The default outer size shows the whole design layout.
    EXPECT_LE(d.clientWidth, kAboutDefaultPlace.width);
    EXPECT_LE(d.clientHeight, kAboutDefaultPlace.height);
    std::set<int> tabIndices;
    for (const ControlDefinition& c : d.controls) {
        EXPECT_GE(c.rect.left, 0) << c.name;
        EXPECT_GE(c.rect.top, 0) << c.name;
        EXPECT_LE(c.rect.left + c.rect.width, d.clientWidth) << c.name;
        EXPECT_LE(c.rect.top + c.rect.height, d.clientHeight) << c.name;
        tabIndices.insert(c.tabIndex);
    }
    // Each control has a tab index of its own, from 0 without a gap.
    EXPECT_EQ(tabIndices.size(), d.controls.size());
    EXPECT_EQ(*tabIndices.begin(), 0);
    EXPECT_EQ(*tabIndices.rbegin(), static_cast<int>(d.controls.size()) - 1);
    // The first focus goes to OK, which Enter presses.
    EXPECT_EQ(d.controls[1].name, "OK_BUTTON");
    EXPECT_EQ(d.controls[1].tabIndex, 0);
    EXPECT_EQ(d.controls[1].role, ButtonRole::Default);
    EXPECT_TRUE(d.controls[0].multiLine && d.controls[0].readOnly);
}

TEST_F(AboutWindowTest, NothingStoredOpensAtTheDefaultsOverTheMainWindow) {
    h.start();
    Window& about = open();
    EXPECT_EQ(about.name(), "LW_VIZ_ABOUT");
    EXPECT_EQ(testing::placeOf(about), (testing::Place{1000, 1000, 5745, 4890}));
    EXPECT_EQ(about.control("OUTPUT_REPORT_TEXTBOX").text(), kDesignReport);
    EXPECT_EQ(about.control("CREATOR_TEXTBOX").caption(), "Created By Quarn208");
    EXPECT_EQ(hostEvents(), (Strings{"show LW_VIZ_MAIN", "show LW_VIZ_ABOUT over LW_VIZ_MAIN"}));
    EXPECT_TRUE(saved().empty()) << "opening stores nothing";
    EXPECT_FALSE(h.app().ended());
}

TEST_F(AboutWindowTest, StoredPlaceIsRestoredAndUnreadableValuesFallBackToTheDefaults) {
    store("ABOUT_Left", "2000");
    store("ABOUT_Top", "3000.5");
    store("ABOUT_Width", "6000");
    store("ABOUT_Height", "5000");
    h.start();
    {
        Window& about = open();
        EXPECT_EQ(testing::placeOf(about), (testing::Place{2000, 3000.5, 6000, 5000}));
    }
    h.app().closeWindow(*h.app().aboutWindow());

    store("ABOUT_Left", "left");
    store("ABOUT_Top", "");
    store("ABOUT_Width", "-5");
    store("ABOUT_Height", "1E+40");
    Window& about = open();
    EXPECT_EQ(testing::placeOf(about), (testing::Place{1000, 1000, 5745, 4890}));
    EXPECT_FALSE(h.app().ended());
    EXPECT_TRUE(h.platform.failures.reported.empty());
}

TEST_F(AboutWindowTest, TheCloseButtonSavesTheCornerAndReopensThere) {
    h.start();
    Window& about = open();
    about.movedTo(2500.5F, 3100);
    h.app().closeWindow(about);
    EXPECT_EQ(h.app().aboutWindow(), nullptr);
    EXPECT_EQ(saved(), (Strings{"ABOUT_Left", "ABOUT_Top"}));
    EXPECT_EQ(stored("ABOUT_Left"), "2500.5");
    EXPECT_EQ(stored("ABOUT_Top"), "3100");
    EXPECT_FALSE(stored("ABOUT_Width"));
    EXPECT_FALSE(stored("ABOUT_Height"));
    EXPECT_EQ(hostEvents(), (Strings{"show LW_VIZ_MAIN", "show LW_VIZ_ABOUT over LW_VIZ_MAIN",
                                     "unloaded LW_VIZ_ABOUT"}));
    EXPECT_FALSE(h.app().ended()) << "closing the About window does not end the program";

    Window& again = open();
    EXPECT_EQ(again.left(), 2500.5F);
    EXPECT_EQ(again.top(), 3100);
}

TEST_F(AboutWindowTest, OkSavesTheCornerThenTheUnloadSavesItAgain) {
    h.start();
    Window& about = open();
    about.movedTo(1500, 1600);
    h.app().click(about.control("OK_BUTTON"));
    EXPECT_EQ(h.app().aboutWindow(), nullptr);
    EXPECT_EQ(saved(), (Strings{"ABOUT_Left", "ABOUT_Top", "ABOUT_Left", "ABOUT_Top"}));
    EXPECT_EQ(stored("ABOUT_Left"), "1500");
    EXPECT_EQ(stored("ABOUT_Top"), "1600");
    EXPECT_EQ(hostEvents().back(), "unloaded LW_VIZ_ABOUT");
}

TEST_F(AboutWindowTest, EscapeClosesTheAboutWindowOnlyAndInputToAClosedOneIsIgnored) {
    h.start();
    h.app().escapeKey(h.app().mainWindow());
    EXPECT_FALSE(h.app().ended());
    Window& about = open();
    Control& ok = about.control("OK_BUTTON");
    h.app().escapeKey(about);
    EXPECT_EQ(h.app().aboutWindow(), nullptr);
    EXPECT_EQ(saved(), (Strings{"ABOUT_Left", "ABOUT_Top"}));

    // A late click from a window that is gone reaches nobody.
    h.app().click(ok);
    h.app().closeWindow(about);
    EXPECT_EQ(saved().size(), 2U);
    EXPECT_EQ(hostEvents().size(), 3U);
}

TEST_F(AboutWindowTest, TheAuthorLineShowsTheContactUntilTheWindowIsOpenedAgain) {
    h.start();
    Window& about = open();
    Control& creator = about.control("CREATOR_TEXTBOX");
    h.app().doubleClick(creator);
    EXPECT_EQ(creator.caption(), "Quarn208@example.com");
    h.app().doubleClick(creator);
    EXPECT_EQ(creator.caption(), "Quarn208@example.com");
    h.app().click(about.control("OK_BUTTON"));

    Window& again = open();
    EXPECT_EQ(again.control("CREATOR_TEXTBOX").caption(), "Created By Quarn208");
}

TEST_F(AboutWindowTest, TheReportIsTheLastEntryCopiedAtOpening) {
    h.platform.clock.bootOffsetMs = 93'784'000;  // 1d, 2h, 3m, 4s
    h.start();
    h.click("START_STOP_BUTTON");
    h.runFor(11'000);
    const std::string entry = h.text("OUTPUT_REPORT_TEXTBOX");
    ASSERT_NE(entry, kDesignReport) << "the logging cycle wrote no entry";

    Window& about = open();
    EXPECT_EQ(about.control("OUTPUT_REPORT_TEXTBOX").text(), entry);
    EXPECT_NE(entry.find("- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -\r\n"), std::string::npos);
    EXPECT_NE(entry.find("PC Name = TESTPC\r\n"), std::string::npos);

    // A later entry appears only at the next opening.
    h.runFor(10'000);  // the hold ends at rest
    ASSERT_EQ(h.text("START_STOP_BUTTON"), "START");
    h.app().click(about.control("OK_BUTTON"));
    h.click("START_STOP_BUTTON");
    Window& during = open();
    h.platform.wallClock.time = "10:12:00";
    h.runFor(11'000);
    const std::string second = h.text("OUTPUT_REPORT_TEXTBOX");
    ASSERT_NE(second, entry);
    EXPECT_EQ(during.control("OUTPUT_REPORT_TEXTBOX").text(), entry);
    h.app().closeWindow(during);
    EXPECT_EQ(open().control("OUTPUT_REPORT_TEXTBOX").text(), second);
}

TEST_F(AboutWindowTest, WhileOpenTheMainWindowTakesNoInputButItsTimersRun) {
    h.start();
    Window& about = open();
    Window& main = h.app().mainWindow();

    h.click("START_STOP_BUTTON");
    h.click("AlwaysOnTop_TICKBOX");
    h.click("AUTOSTART_TICKBOX");
    h.click("ABOUT_BUTTON");
    h.app().doubleClick(h.control("LW_TITLE_1"));
    h.app().closeWindow(main);
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "START");
    EXPECT_EQ(h.control("AlwaysOnTop_TICKBOX").value(), kTicked);
    EXPECT_EQ(h.control("AUTOSTART_TICKBOX").value(), kClear);
    EXPECT_FALSE(h.control("AUTOSTART_TIMER").enabled());
    EXPECT_EQ(hostEvents(), (Strings{"show LW_VIZ_MAIN", "show LW_VIZ_ABOUT over LW_VIZ_MAIN"}));
    EXPECT_EQ(h.app().aboutWindow(), &about);
    EXPECT_FALSE(h.app().ended());
    EXPECT_TRUE(saved().empty());

    // Once it is closed the main window answers again.
    h.app().closeWindow(about);
    h.click("START_STOP_BUTTON");
    EXPECT_EQ(h.text("START_STOP_BUTTON"), "STOP");
}

TEST_F(AboutWindowTest, TheUptimeKeepsCountingWhileTheAboutWindowIsOpen) {
    store("AUTOSTART_TICKBOX", "1");
    h.platform.clock.bootOffsetMs = 3'600'000;
    h.start();
    h.runFor(100);
    const std::string before = h.text("LW_UPTIME_DISPLAY_TEXTBOX");
    open();
    h.runFor(5'000);
    EXPECT_NE(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), before);
    EXPECT_EQ(h.text("CURRENT_STATUS_LABEL"), "!!! AUTOSTARTING !!!");
    h.runFor(5'000);
    EXPECT_EQ(h.text("CURRENT_STATUS_LABEL"), "!!! LOGGING UPTIME !!!");
}

TEST_F(AboutWindowTest, AutoCloseWhileOpenClosesTheAboutWindowFirst) {
    store("AUTOSTART_TICKBOX", "1");
    store("AUTOCLOSE_TICKBOX", "1");
    h.start();
    h.runFor(5'000);
    Window& about = open();
    about.movedTo(4000, 4500);
    h.runUntil(30'000);

    ASSERT_TRUE(h.app().ended());
    EXPECT_EQ(h.app().exitStatus(), 0);
    EXPECT_TRUE(h.platform.failures.reported.empty());
    EXPECT_EQ(h.app().aboutWindow(), nullptr);
    EXPECT_EQ(hostEvents(), (Strings{"show LW_VIZ_MAIN", "show LW_VIZ_ABOUT over LW_VIZ_MAIN",
                                     "unloaded LW_VIZ_ABOUT", "unloaded LW_VIZ_MAIN", "end 0"}));
    ASSERT_GE(saved().size(), 4U);
    EXPECT_EQ((Strings{saved().begin(), saved().begin() + 4}),
              (Strings{"ABOUT_Left", "ABOUT_Top", "MAIN_Left", "MAIN_Top"}));
    EXPECT_EQ(stored("ABOUT_Left"), "4000");
    EXPECT_EQ(stored("ABOUT_Top"), "4500");
    EXPECT_EQ(stored("AUTOCLOSE_TICKBOX"), "1");
}

TEST_F(AboutWindowTest, ACornerThatCannotBeSavedEndsTheProgramWithTheFailure) {
    h.start();
    Window& about = open();
    h.platform.settings.refuseSaves = true;
    h.app().click(about.control("OK_BUTTON"));
    ASSERT_EQ(h.platform.failures.reported.size(), 1U);
    EXPECT_EQ(h.platform.failures.reported[0].number(), RuntimeFailure::kPermissionDenied);
    EXPECT_TRUE(h.app().ended());
    EXPECT_NE(h.app().exitStatus(), 0);
}

}  // namespace
}  // namespace lwviz
