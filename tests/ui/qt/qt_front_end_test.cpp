// The Qt front-end draws what the model and its layout say, and hands the user's raw input to
// the program. The rules themselves (what is drawn, the tab chain, the keys) live in the core.

#include "ui/qt/qt_front_end.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <cstddef>
#include <string>

#include "about/about_window_definition.h"
#include "qt_program.h"
#include "ui/qt/model_to_qt.h"

namespace lwviz::testing {
namespace {

constexpr const char* kSection = "LW-DODOZU-ZIDADA-V1";

QColor pixel(QWidget& widget, int x, int y) { return widget.grab().toImage().pixelColor(x, y); }

int greenPixels(QWidget& widget, QRect area) {
    const QImage image = widget.grab().toImage();
    int green = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            green += static_cast<int>(c.green() > 160 && c.red() < 100 && c.blue() < 100);
        }
    }
    return green;
}

TEST(QtFrontEnd, DrawsWhatTheLayoutDrawsAsTheModelHoldsIt) {
    QtProgram program;
    program.platform.settings.put(kSection, "AlwaysOnTop_TICKBOX", "2");
    qt::WindowView& view = program.start();
    for (const Control& control : program.app().mainWindow().controls()) {
        EXPECT_EQ(view.widgetFor(control.name()) != nullptr,
                  program.app().mainWindow().layout().drawn(control))
            << control.name();
    }
    EXPECT_EQ(view.windowTitle(), "LW-DODOZU-ZIDADA");
    // The model's outer 4380 x 2325 twips less the design's frame, whatever frame the platform
    // draws (none here); the border is fixed.
    EXPECT_EQ(view.size(), QSize(286, 130));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(program.widget("START_STOP_BUTTON").geometry(), QRect(200, 88, 73, 33));
    EXPECT_EQ(static_cast<QCheckBox&>(program.widget("AlwaysOnTop_TICKBOX")).checkState(),
              Qt::PartiallyChecked);
    // Green on red at rest, on black once started; the titles green on black.
    QWidget& display = program.widget("LW_UPTIME_DISPLAY_TEXTBOX");
    EXPECT_EQ(static_cast<QLineEdit&>(display).text(), "TIMERS DISABLED");
    EXPECT_EQ(pixel(display, 4, display.height() / 2), QColor(255, 0, 0));
    EXPECT_GT(greenPixels(display, display.rect()), 20);
    QWidget& title = program.widget("LW_TITLE_1");
    EXPECT_EQ(pixel(title, 3, title.height() / 2), QColor(0, 0, 0));
    program.app().click(program.control("START_STOP_BUTTON"));
    EXPECT_EQ(pixel(display, 4, display.height() / 2), QColor(0, 0, 0));
    // Under high contrast the boxes take the desktop's colours, their frames still drawn; the
    // design's come back with the desktop's normal contrast.
    program.frontEnd.setHighContrast(true);
    const QPalette desktop = QApplication::palette();
    EXPECT_EQ(pixel(display, 4, display.height() / 2), desktop.color(QPalette::Base));
    EXPECT_EQ(greenPixels(display, display.rect()), 0);
    EXPECT_EQ(pixel(title, 3, title.height() / 2), desktop.color(QPalette::Window));
    EXPECT_NE(pixel(title, 0, title.height() / 2), desktop.color(QPalette::Window));
    program.frontEnd.setHighContrast(false);
    EXPECT_EQ(pixel(display, 4, display.height() / 2), QColor(0, 0, 0));

    // A larger window: the working area's cells, with their live texts, over the labels.
    QtProgram large;
    large.platform.settings.put(kSection, "MAIN_Width", "12300");
    large.platform.settings.put(kSection, "MAIN_Height", "8200");
    qt::WindowView& largeView = large.start();
    for (const Control& control : large.app().mainWindow().controls()) {
        EXPECT_EQ(largeView.widgetFor(control.name()) != nullptr,
                  large.app().mainWindow().layout().drawn(control))
            << control.name();
    }
    large.platform.clock.bootOffsetMs = 90'061'000;  // 1 d 1 h 1 m 1 s
    large.app().click(large.control("START_STOP_BUTTON"));
    large.runFor(100);
    EXPECT_EQ(static_cast<QLineEdit&>(large.widget("LW_UPTIME_DISPLAY_TEXTBOX")).text(),
              "1d, 1h, 1m, 1s");
    EXPECT_EQ(static_cast<QLineEdit&>(large.widget("HOURS_TB")).text().toStdString(),
              large.control("HOURS_TB").text());
    const QObjectList siblings = largeView.children();
    EXPECT_LT(siblings.indexOf(&large.widget("Label13")),
              siblings.indexOf(&large.widget("DAYS_ROUNDED_TB")));
}

TEST(QtFrontEnd, DrawsTheAboutWindowAsDesignedWithTheLastEntryLineByLine) {
    QtProgram program;
    // Host names run to 64 characters: the entry's widest line is then the name's.
    program.platform.environment.name = std::string(64, 'N');
    program.start();
    program.app().click(program.control("START_STOP_BUTTON"));
    program.runFor(11'000);
    QTest::mouseClick(&program.widget("ABOUT_BUTTON"), Qt::LeftButton);
    qt::WindowView* about = program.aboutView();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->size(), QSize(377, 301));  // 5745 x 4890 twips less the design's frame
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    for (const ControlDefinition& design : aboutWindowDefinition().controls) {
        QWidget* widget = about->widgetFor(design.name);
        ASSERT_NE(widget, nullptr) << design.name;
        EXPECT_EQ(widget->geometry(), qt::toQRect(toPixels(design.rect, kStandardDpi)));
        if (design.backColor == kBlack) {
            // Arial 9.75 pt: 13 pixels at 96 dpi, in Arial or a face with its metrics.
            EXPECT_TRUE(widget->font().families().contains("Arial")) << design.name;
            EXPECT_EQ(widget->font().pixelSize(), 13);
            EXPECT_GT(greenPixels(*about, widget->geometry()), 50) << design.name;
        }
    }
    const auto* report = qobject_cast<QPlainTextEdit*>(about->widgetFor("OUTPUT_REPORT_TEXTBOX"));
    ASSERT_NE(report, nullptr);
    const QStringList lines = report->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[1], "- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -");
    EXPECT_EQ(lines[4], "PC Name = " + QString(64, 'N'));
    // The whole entry shows: no line wrapped, the last one inside the box.
    for (QTextBlock block = report->document()->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
    QTextCursor end(report->document());
    end.movePosition(QTextCursor::End);
    EXPECT_LE(report->cursorRect(end).bottom(), report->viewport()->height());
}

TEST(QtFrontEnd, HandsTheUsersClicksTypingAndKeysToTheProgram) {
    QtProgram program;
    program.platform.settings.put(kSection, "MAIN_Width", "12300");
    program.platform.settings.put(kSection, "MAIN_Height", "8200");
    qt::WindowView& view = program.start();
    auto& autoStart = static_cast<QCheckBox&>(program.widget("AUTOSTART_TICKBOX"));
    auto& autoClose = static_cast<QCheckBox&>(program.widget("AUTOCLOSE_TICKBOX"));
    QWidget& start = program.widget("START_STOP_BUTTON");
    EXPECT_EQ(view.focusWidget(), &start);
    // Tab follows the layout's chain; the disabled Auto Close is passed over.
    QTest::keyClick(&start, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &autoStart);
    QTest::keyClick(&autoStart, Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), &program.widget("AlwaysOnTop_TICKBOX"));

    // A tick box shows what the model holds after the click; the handler enables Auto Close.
    QTest::mouseClick(&autoStart, Qt::LeftButton);
    EXPECT_EQ(program.control("AUTOSTART_TICKBOX").value(), kTicked);
    EXPECT_EQ(autoStart.checkState(), Qt::Checked);
    EXPECT_TRUE(autoClose.isEnabled());

    // Typing into a cell feeds the engine; the read-only display takes none.
    auto& divisor = static_cast<QLineEdit&>(program.widget("TOTAL_MIL_HOUR"));
    divisor.selectAll();
    QTest::keyClicks(&divisor, "60000");
    EXPECT_EQ(program.control("TOTAL_MIL_HOUR").text(), "60000");
    QTest::keyClicks(&program.widget("LW_UPTIME_DISPLAY_TEXTBOX"), "99");
    EXPECT_EQ(program.control("LW_UPTIME_DISPLAY_TEXTBOX").text(), "TIMERS DISABLED");

    // A click on a label is the program's to handle, as any control's. A double-click comes as
    // a click, then a press that is the double-click: one click in all.
    int labelClicks = 0;
    program.control("STATUS_LABEL").onClick = [&labelClicks] { ++labelClicks; };
    QTest::mouseClick(&program.widget("STATUS_LABEL"), Qt::LeftButton);
    QTest::mouseDClick(&program.widget("STATUS_LABEL"), Qt::LeftButton);
    EXPECT_EQ(labelClicks, 1);

    // Escape does nothing here; Enter presses START.
    QTest::keyClick(&autoStart, Qt::Key_Escape);
    QTest::keyClick(&autoStart, Qt::Key_Return);
    EXPECT_EQ(static_cast<QPushButton&>(start).text(), "STOP");

    // About: a double-click on the author line, and Escape closes the window.
    QTest::mouseClick(&program.widget("ABOUT_BUTTON"), Qt::LeftButton);
    qt::WindowView* about = program.aboutView();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->focusWidget(), about->widgetFor("OK_BUTTON"));
    QTest::mouseClick(&autoStart, Qt::LeftButton);
    EXPECT_EQ(program.control("AUTOSTART_TICKBOX").value(), kTicked) << "the main window is modal";
    auto* creator = static_cast<QLabel*>(about->widgetFor("CREATOR_TEXTBOX"));
    QTest::mouseDClick(creator, Qt::LeftButton);
    EXPECT_EQ(creator->text().toStdString(), kAuthorContact);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_EQ(program.app().aboutWindow(), nullptr);
    EXPECT_EQ(program.platform.settings.value(kSection, "ABOUT_Left"), "1000");
    EXPECT_FALSE(program.app().ended());
}

}  // namespace
}  // namespace lwviz::testing
