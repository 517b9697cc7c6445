#include "platform/qt/qt_window_manager.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>

#include "platform/qt/x11_window_manager.h"

namespace lwviz::qt {
namespace {

TEST(QtWindowManagerFallback, TopmostTogglesTheHintOnTheSameNativeWindow) {
    QWidget window;
    window.show();
    QtWindowManager windowManager;
    const auto own = static_cast<NativeWindow>(window.winId());
    ASSERT_NE(own, 0U);

    windowManager.makeTopmost(own);
    EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    // Re-creating the native window would lose its handle and its place on the screen.
    EXPECT_EQ(static_cast<NativeWindow>(window.winId()), own);
    EXPECT_TRUE(window.isVisible());

    windowManager.removeTopmost(own);
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(static_cast<NativeWindow>(window.winId()), own);

    // Windows of other programs are out of reach.
    windowManager.makeTopmost(own + 1);
    windowManager.makeTopmost(0);
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(QtWindowManagerChoice, WithoutX11OnlyTheOwnWindowsAreKeptOnTopAndThatIsSaid) {
    ASSERT_NE(QGuiApplication::platformName(), "xcb") << "this test runs offscreen";
    ::testing::internal::CaptureStderr();
    const std::unique_ptr<WindowManager> manager = makeWindowManager();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(dynamic_cast<X11WindowManager*>(manager.get()), nullptr);
    EXPECT_NE(said.find("other programs' windows are left alone"), std::string::npos) << said;
    // No focused window here: nothing to report, and a null handle is left alone.
    EXPECT_EQ(manager->foregroundWindow(), 0U);
    manager->removeTopmost(0);
    manager->makeTopmost(0);
}

}  // namespace
}  // namespace lwviz::qt
