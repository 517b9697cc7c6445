#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>

#include "about/about_window_definition.h"
#include "qt_program.h"
#include "ui/qt/model_to_qt.h"

namespace lwviz::testing {
namespace {

qt::WindowView& openAbout(QtProgram& program) {
    QTest::mouseClick(&program.widget("ABOUT_BUTTON"), Qt::LeftButton);
    qt::WindowView* about = program.aboutView();
    if (about == nullptr) {
        throw std::runtime_error("the About window did not open");
    }
    return *about;
}

TEST(QtAboutWindowLayout, EveryControlSitsWhereItsDesignSaysAndLooksTheWay) {
    QtProgram program;
    program.start();
    qt::WindowView& about = openAbout(program);
    EXPECT_EQ(QApplication::activeModalWidget(), &about);

    for (const ControlDefinition& design : aboutWindowDefinition().controls) {
        SCOPED_TRACE(std::string(design.name));
        QWidget* widget = about.widgetFor(design.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), qt::toQRect(toPixels(design.rect, kStandardDpi)));
        EXPECT_TRUE(widget->isVisible());
        if (design.backColor == kBlack) {
            // Arial 9.75 pt: 13 pixels at 96 dpi, in Arial or a face with its metrics.
            EXPECT_TRUE(widget->font().families().contains("Arial"));
            EXPECT_EQ(widget->font().pixelSize(), 13);
            EXPECT_TRUE(widget->font().bold());
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            const auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
        }
    }
    const auto* report = qobject_cast<QPlainTextEdit*>(about.widgetFor("OUTPUT_REPORT_TEXTBOX"));
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isReadOnly());
    EXPECT_EQ(report->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(QtAboutWindowLayout, TheGrabbedImageShowsGreenOnBlackBannersOverTheDialogFace) {
    QtProgram program;
    program.start();
    qt::WindowView& about = openAbout(program);
    const QImage image = about.grab().toImage();
    ASSERT_FALSE(image.isNull());

    // Inside the author banner, clear of its border: black, with green letters somewhere.
    const QRect creator = qt::toQRect(toPixels(Rect{120, 600, 5415, 375}, kStandardDpi));
    EXPECT_EQ(image.pixelColor(creator.left() + 3, creator.center().y()), QColor(Qt::black));
    int green = 0;
    for (int x = creator.left(); x <= creator.right(); ++x) {
        for (int y = creator.top(); y <= creator.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            green += static_cast<int>(c.green() > 160 && c.red() < 100 && c.blue() < 100);
        }
    }
    EXPECT_GT(green, 50) << "no green caption drawn in the author banner";
    // Between the banners and the report box lies the dialog face, not black.
    EXPECT_NE(image.pixelColor(4, twipsToPixels(1500, kStandardDpi)), QColor(Qt::black));
}

TEST(QtAboutWindowLayout, TheReportShowsTheLastEntryLineByLineAndEscapeCloses) {
    QtProgram program;
    program.start();
    QTest::mouseClick(&program.widget("START_STOP_BUTTON"), Qt::LeftButton);
    program.runFor(11'000);
    qt::WindowView& about = openAbout(program);
    const auto* report = qobject_cast<QPlainTextEdit*>(about.widgetFor("OUTPUT_REPORT_TEXTBOX"));
    ASSERT_NE(report, nullptr);
    const QStringList lines = report->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[1], "- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -");
    EXPECT_EQ(lines[4], "PC Name = TESTPC");
    EXPECT_FALSE(report->toPlainText().contains('\r'));

    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_EQ(program.app().aboutWindow(), nullptr);
    EXPECT_EQ(program.platform.settings.value("LW-DODOZU-ZIDADA-V1", "ABOUT_Left"), "1000");
    EXPECT_FALSE(program.app().ended());
}

}  // namespace
}  // namespace lwviz::testing
