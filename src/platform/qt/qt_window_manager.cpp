#include "platform/qt/qt_window_manager.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace lwviz::qt {
namespace {

QWidget* ownTopLevel(NativeWindow window) {
    if (window == 0) {
        return nullptr;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        // internalWinId() creates no native window for widgets that have none.
        if (static_cast<NativeWindow>(widget->internalWinId()) == window) {
            return widget;
        }
    }
    return nullptr;
}

void setStaysOnTop(NativeWindow window, bool on) {
    QWidget* widget = ownTopLevel(window);
    QWindow* handle = widget == nullptr ? nullptr : widget->windowHandle();
    if (handle == nullptr || handle->flags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    // On the native window itself: QWidget::setWindowFlag would create a new native window,
    // which loses its place, its handle and the dialogs that belong to it.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

}  // namespace

NativeWindow QtWindowManager::foregroundWindow() {
    const QWindow* focus = QGuiApplication::focusWindow();
    return focus == nullptr ? 0 : static_cast<NativeWindow>(focus->winId());
}

void QtWindowManager::removeTopmost(NativeWindow window) { setStaysOnTop(window, false); }

void QtWindowManager::makeTopmost(NativeWindow window) { setStaysOnTop(window, true); }

}  // namespace lwviz::qt
