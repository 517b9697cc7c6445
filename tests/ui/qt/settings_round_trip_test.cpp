#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_settings_store.h"
#include "qt_program.h"

namespace lwviz::testing {
namespace {

// The INI file in a private configuration folder for the length of a test.
class PrivateConfigFolder {
public:
    PrivateConfigFolder() : previous_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
    }
    PrivateConfigFolder(const PrivateConfigFolder&) = delete;
    PrivateConfigFolder& operator=(const PrivateConfigFolder&) = delete;
    PrivateConfigFolder(PrivateConfigFolder&&) = delete;
    PrivateConfigFolder& operator=(PrivateConfigFolder&&) = delete;
    ~PrivateConfigFolder() {
        if (previous_.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", previous_);
        }
    }
    [[nodiscard]] QString iniFile() const { return folder_.filePath("LW_VIZ.ini"); }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
};

TEST(QtSettingsRoundTrip, MovedWindowAndTickBoxesComeBackAtTheNextStart) {
    PrivateConfigFolder config;
    {
        qt::QtSettingsStore store;
        QtProgram program(&store);
        qt::WindowView& view = program.start();
        view.move(200, 150);  // as the user drags it
        ASSERT_TRUE(processEventsUntil([&] { return program.app().mainWindow().top() == 2250; }));
        QTest::mouseClick(&program.widget("AUTOSTART_TICKBOX"), Qt::LeftButton);
        QTest::mouseClick(&program.widget("AlwaysOnTop_TICKBOX"), Qt::LeftButton);
        view.close();  // the close button
        ASSERT_TRUE(program.app().ended());
        EXPECT_EQ(program.app().exitStatus(), 0);
        EXPECT_EQ(program.frontEnd.view(program.app().mainWindow()), nullptr);
    }

    QSettings ini(config.iniFile(), QSettings::IniFormat);
    ini.beginGroup("LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(ini.value("MAIN_Left").toString(), "3000");
    EXPECT_EQ(ini.value("MAIN_Top").toString(), "2250");
    EXPECT_EQ(ini.value("AUTOSTART_TICKBOX").toString(), "1");
    EXPECT_EQ(ini.value("AUTOCLOSE_TICKBOX").toString(), "0");
    EXPECT_EQ(ini.value("AlwaysOnTop_TICKBOX").toString(), "0");
    EXPECT_EQ(ini.childKeys().size(), 5);

    qt::QtSettingsStore store;
    QtProgram again(&store);
    qt::WindowView& view = again.start();
    EXPECT_EQ(view.frameGeometry().topLeft(), QPoint(200, 150));
    EXPECT_EQ(static_cast<QCheckBox&>(again.widget("AUTOSTART_TICKBOX")).checkState(), Qt::Checked);
    EXPECT_EQ(static_cast<QCheckBox&>(again.widget("AlwaysOnTop_TICKBOX")).checkState(),
              Qt::Unchecked);
    EXPECT_EQ(again.app().mainWindow().left(), 3000.0F);
}

}  // namespace
}  // namespace lwviz::testing
