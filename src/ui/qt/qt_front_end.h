#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/application.h"
#include "app/view_host.h"
#include "platform/linux/wake_timer.h"
#include "ui/qt/window_view.h"

namespace lwviz::qt {

// The look every window of the program shares, whatever desktop it runs on: the Fusion
// style and the program's icon. Call once after the QApplication exists.
void prepareApplication();

// The program's windows in Qt: a view per window the program shows, its changes drawn, and
// one timer that wakes the program when its next timer falls due: a timer descriptor the event
// loop watches, or a QTimer where the system gives none.
class QtFrontEnd final : public ViewHost<WindowView> {
public:
    QtFrontEnd();
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;
    QtFrontEnd(QtFrontEnd&&) = delete;
    QtFrontEnd& operator=(QtFrontEnd&&) = delete;
    ~QtFrontEnd() override;

    // Starts the program, then runs the event loop until it ends; returns its exit status.
    int run(Application& app);
    // Starts the program without entering the event loop (the tests run their own).
    void open(Application& app);

    // Under high contrast the windows take the desktop's colours for the design's.
    void setHighContrast(bool high);

    void show(Window& window, Window* owner) override;
    void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) override;
    void end(int status) override;
    [[nodiscard]] NativeWindow nativeHandle(const Window& window) override;

private:
    void takeDown(WindowView& view) override;

    void wakeProgram();

    linux_os::WakeTimer wakeTimer_;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
    QTimer timer_;
};

}  // namespace lwviz::qt
