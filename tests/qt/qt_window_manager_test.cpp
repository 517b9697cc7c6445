#include "ui/qt/qt_window_manager.h"

#include <gtest/gtest.h>

#include <QWindow>

#include "qt_program.h"

namespace lwviz::testing {
namespace {

TEST(QtWindowManagerFallback, TopmostTogglesTheHintOnTheSameNativeWindow) {
    QtProgram program;
    qt::WindowView& view = program.start();
    qt::QtWindowManager windowManager;
    const NativeWindow own = program.frontEnd.nativeHandle(program.app().mainWindow());
    ASSERT_NE(own, 0U);

    windowManager.makeTopmost(own);
    EXPECT_TRUE(view.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    // Re-creating the native window would lose its handle and its place on the screen.
    EXPECT_EQ(program.frontEnd.nativeHandle(program.app().mainWindow()), own);
    EXPECT_TRUE(view.isVisible());

    windowManager.removeTopmost(own);
    EXPECT_FALSE(view.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(program.frontEnd.nativeHandle(program.app().mainWindow()), own);

    // Windows of other programs are out of reach.
    windowManager.makeTopmost(own + 1);
    windowManager.makeTopmost(0);
    EXPECT_FALSE(view.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace lwviz::testing
