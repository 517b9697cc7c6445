#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "qt_program.h"

namespace lwviz::testing {
namespace {

const std::vector<std::string> kControlPanel = {
    "ABOUT_BUTTON",         "START_STOP_BUTTON",   "AUTOCLOSE_TICKBOX", "LW_UPTIME_DISPLAY_TEXTBOX",
    "AUTOSTART_TICKBOX",    "AlwaysOnTop_TICKBOX", "UPTIME_TEXT_LABEL", "STATUS_LABEL",
    "CURRENT_STATUS_LABEL", "LW_TITLE_1",          "LW_TITLE_2"};

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(QtMainWindow, DefaultSizeShowsExactlyTheControlPanel) {
    QtProgram program;
    qt::WindowView& view = program.start();

    std::vector<std::string> shown = view.shownControls();
    std::vector<std::string> expected = kControlPanel;
    std::sort(shown.begin(), shown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);

    EXPECT_EQ(view.windowTitle(), "LW-DODOZU-ZIDADA");
    // The outer frame is the model's 4380 x 2325 twips; every control fits in what it leaves.
    EXPECT_EQ(view.frameGeometry().size(), QSize(292, 155));
    for (const std::string& name : kControlPanel) {
        const QWidget& widget = program.widget(name);
        EXPECT_TRUE(view.rect().contains(widget.geometry())) << name;
        EXPECT_TRUE(widget.isVisible()) << name;
    }
    EXPECT_EQ(program.widget("START_STOP_BUTTON").geometry(), QRect(200, 88, 73, 33));
    EXPECT_EQ(view.minimumSize(), view.maximumSize()) << "the border is fixed";
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(QtMainWindow, LargeSizeShowsTheWorkingAreaButNeverTheHiddenCells) {
    QtProgram program;
    program.platform.settings.put("LW-DODOZU-ZIDADA-V1", "MAIN_Width", "12300");
    program.platform.settings.put("LW-DODOZU-ZIDADA-V1", "MAIN_Height", "8200");
    qt::WindowView& view = program.start();

    const std::vector<std::string> shown = view.shownControls();
    for (const char* hidden :
         {"DATE_TIME_TEXTBOX", "TOP_BOTTOM_LOG_LINE", "OUTPUT_REPORT_TEXTBOX", "PC_NAME_TEXTBOX"}) {
        EXPECT_FALSE(contains(shown, hidden)) << hidden;
    }
    for (const char* working : {"TOTAL_MIL_YEAR", "SECONDS_DIFFERENCE_ROUNDED_TB", "START_LABEL",
                                "Label13", "Line1", "HOURS_24_TB", "START_TB"}) {
        EXPECT_TRUE(contains(shown, working)) << working;
    }
    // 67 controls less 11 timers less 4 hidden cells.
    EXPECT_EQ(shown.size(), 52U);

    // Cells show their live texts: the engine's cells follow the uptime once it runs.
    program.platform.clock.bootOffsetMs = 90'061'000;  // 1 d 1 h 1 m 1 s
    program.app().click(program.control("START_STOP_BUTTON"));
    program.runFor(100);
    const auto* display = static_cast<QLineEdit*>(&program.widget("LW_UPTIME_DISPLAY_TEXTBOX"));
    EXPECT_EQ(display->text().toStdString(), program.control("LW_UPTIME_DISPLAY_TEXTBOX").text());
    const auto* years = static_cast<QLineEdit*>(&program.widget("TOTAL_MIL_YEAR"));
    EXPECT_EQ(years->text(), "31536000000");
    const auto* hours = static_cast<QLineEdit*>(&program.widget("HOURS_TB"));
    EXPECT_EQ(hours->text().toStdString(), program.control("HOURS_TB").text());
    EXPECT_NE(hours->text(), "HOURS_TB");
    // Labels lie under the other controls.
    const QWidget& label = program.widget("Label13");
    const auto siblings = view.children();
    EXPECT_LT(siblings.indexOf(const_cast<QWidget*>(&label)),
              siblings.indexOf(&program.widget("DAYS_ROUNDED_TB")));
}

TEST(QtMainWindow, TypingIntoACellFeedsTheEngineAndTheDisplayTakesNoTyping) {
    QtProgram program;
    program.platform.settings.put("LW-DODOZU-ZIDADA-V1", "MAIN_Width", "12300");
    program.platform.settings.put("LW-DODOZU-ZIDADA-V1", "MAIN_Height", "8200");
    program.start();
    program.platform.clock.bootOffsetMs = 7'200'000;  // two hours
    program.app().click(program.control("START_STOP_BUTTON"));

    auto* divisor = static_cast<QLineEdit*>(&program.widget("TOTAL_MIL_HOUR"));
    divisor->selectAll();
    QTest::keyClicks(divisor, "60000");
    EXPECT_EQ(program.control("TOTAL_MIL_HOUR").text(), "60000");
    program.runFor(100);
    // Hours are now counted in minutes.
    EXPECT_EQ(program.control("HOURS_TB").text(), program.control("MINS_TB").text());

    auto* display = static_cast<QLineEdit*>(&program.widget("LW_UPTIME_DISPLAY_TEXTBOX"));
    const std::string shown = program.control("LW_UPTIME_DISPLAY_TEXTBOX").text();
    QTest::keyClicks(display, "99");
    EXPECT_EQ(program.control("LW_UPTIME_DISPLAY_TEXTBOX").text(), shown);
}

TEST(QtMainWindow, FocusFollowsTabIndexAndSkipsDisabledBoxes) {
    QtProgram program;
    qt::WindowView& view = program.start();
    QWidget& start = program.widget("START_STOP_BUTTON");
    QWidget& autoStart = program.widget("AUTOSTART_TICKBOX");
    QWidget& alwaysOnTop = program.widget("AlwaysOnTop_TICKBOX");
    EXPECT_EQ(view.focusWidget(), &start);

    QTest::keyClick(&start, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &autoStart);
    // Auto Close is disabled at rest: Tab goes straight to Always On Top.
    QTest::keyClick(&autoStart, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &alwaysOnTop);
    QTest::keyClick(&alwaysOnTop, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &program.widget("ABOUT_BUTTON"));
    QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &program.widget("LW_UPTIME_DISPLAY_TEXTBOX"));
    QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &start);

    // Ticking Auto Start enables Auto Close, which then takes its place in the order.
    QTest::keyClick(&autoStart, Qt::Key_Space);
    EXPECT_TRUE(program.widget("AUTOCLOSE_TICKBOX").isEnabled());
    autoStart.setFocus();
    QTest::keyClick(&autoStart, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &program.widget("AUTOCLOSE_TICKBOX"));
}

QColor backgroundOf(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    // Inside the frame, left of the centred text.
    return image.pixelColor(4, image.height() / 2);
}

bool showsGreenText(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 200 && c.red() < 100 && c.blue() < 100) {
                return true;
            }
        }
    }
    return false;
}

TEST(QtMainWindow, UptimeDisplayIsRedAtRestAndBlackWhileRunning) {
    QtProgram ready;
    ready.start();
    QWidget& display = ready.widget("LW_UPTIME_DISPLAY_TEXTBOX");
    EXPECT_EQ(static_cast<QLineEdit&>(display).text(), "TIMERS DISABLED");
    EXPECT_EQ(backgroundOf(display), QColor(255, 0, 0));
    EXPECT_TRUE(showsGreenText(display));
    const QImage title = ready.widget("LW_TITLE_1").grab().toImage();
    EXPECT_EQ(title.pixelColor(3, title.height() / 2), QColor(0, 0, 0));

    // Started with Auto Start ticked: the warm-up phase, on black.
    QtProgram warmUp;
    warmUp.platform.settings.put("LW-DODOZU-ZIDADA-V1", "AUTOSTART_TICKBOX", "1");
    warmUp.start();
    warmUp.runFor(50);
    QWidget& running = warmUp.widget("LW_UPTIME_DISPLAY_TEXTBOX");
    EXPECT_EQ(backgroundOf(running), QColor(0, 0, 0));
    EXPECT_TRUE(showsGreenText(running));
    EXPECT_EQ(static_cast<QLabel&>(warmUp.widget("CURRENT_STATUS_LABEL")).text(),
              "!!! AUTOSTARTING !!!");

    // STOP returns to rest: red again.
    warmUp.app().click(warmUp.control("START_STOP_BUTTON"));
    EXPECT_EQ(backgroundOf(running), QColor(255, 0, 0));
}

TEST(QtMainWindow, TickBoxesShowOnlyWhatTheModelHolds) {
    QtProgram program;
    program.start();
    auto& alwaysOnTop = static_cast<QCheckBox&>(program.widget("AlwaysOnTop_TICKBOX"));
    auto& autoStart = static_cast<QCheckBox&>(program.widget("AUTOSTART_TICKBOX"));
    auto& autoClose = static_cast<QCheckBox&>(program.widget("AUTOCLOSE_TICKBOX"));
    EXPECT_EQ(alwaysOnTop.checkState(), Qt::Checked);
    EXPECT_FALSE(autoClose.isEnabled());

    QTest::mouseClick(&alwaysOnTop, Qt::LeftButton);
    EXPECT_EQ(program.control("AlwaysOnTop_TICKBOX").value(), kClear);
    EXPECT_EQ(alwaysOnTop.checkState(), Qt::Unchecked);

    // The click handler of Auto Start enables Auto Close.
    QTest::mouseClick(&autoStart, Qt::LeftButton);
    EXPECT_EQ(program.control("AUTOSTART_TICKBOX").value(), kTicked);
    EXPECT_EQ(autoStart.checkState(), Qt::Checked);
    EXPECT_TRUE(autoClose.isEnabled());

    // A greyed value, as a stored state may give it, shows as such.
    QtProgram greyed;
    greyed.platform.settings.put("LW-DODOZU-ZIDADA-V1", "AlwaysOnTop_TICKBOX", "2");
    greyed.start();
    EXPECT_EQ(static_cast<QCheckBox&>(greyed.widget("AlwaysOnTop_TICKBOX")).checkState(),
              Qt::PartiallyChecked);

    // While the About window is open the main window takes no input: the box stays as it is.
    program.app().click(program.control("ABOUT_BUTTON"));
    ASSERT_NE(program.aboutView(), nullptr);
    autoStart.click();
    EXPECT_EQ(program.control("AUTOSTART_TICKBOX").value(), kTicked);
    EXPECT_EQ(autoStart.checkState(), Qt::Checked);
}

TEST(QtMainWindow, EnterPressesStartAndEscapeDoesNothing) {
    QtProgram program;
    qt::WindowView& view = program.start();
    QWidget& autoStart = program.widget("AUTOSTART_TICKBOX");
    autoStart.setFocus();
    QTest::keyClick(&autoStart, Qt::Key_Escape);
    EXPECT_EQ(program.control("START_STOP_BUTTON").caption(), "START");
    EXPECT_TRUE(program.frontEnd.view(program.app().mainWindow()) != nullptr);

    QTest::keyClick(&autoStart, Qt::Key_Return);
    EXPECT_EQ(program.control("START_STOP_BUTTON").caption(), "STOP");
    EXPECT_EQ(static_cast<QPushButton&>(program.widget("START_STOP_BUTTON")).text(), "STOP");
    EXPECT_EQ(view.focusWidget(), &autoStart);
}

TEST(QtAboutWindow, OpensModalWithTheSameRenderingAndCloses) {
    QtProgram program;
    program.start();
    QTest::mouseClick(&program.widget("ABOUT_BUTTON"), Qt::LeftButton);
    qt::WindowView* about = program.aboutView();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "LW-DODOZU-ZIDADA - ABOUT");
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->shownControls().size(), 9U);
    EXPECT_EQ(about->frameGeometry().size(), QSize(383, 326));  // 5745 x 4890 twips
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(about->focusWidget(), about->widgetFor("OK_BUTTON"));
    const auto* report = static_cast<QPlainTextEdit*>(about->widgetFor("OUTPUT_REPORT_TEXTBOX"));
    EXPECT_EQ(report->toPlainText(), "!!! TIMERS DISABLED !!!\n");

    // The main window's timers keep running while it is open.
    EXPECT_TRUE(program.app().nextDueMs().has_value());

    auto* creator = static_cast<QLabel*>(about->widgetFor("CREATOR_TEXTBOX"));
    QTest::mouseDClick(creator, Qt::LeftButton);
    EXPECT_EQ(creator->text(), AboutWindow::kAuthorContact);

    const QPointer<qt::WindowView> closing(about);
    QTest::mouseClick(about->widgetFor("OK_BUTTON"), Qt::LeftButton);
    EXPECT_EQ(program.aboutView(), nullptr);
    EXPECT_TRUE(closing.isNull() || !closing->isVisible());
    EXPECT_FALSE(program.app().ended());
}

}  // namespace
}  // namespace lwviz::testing
