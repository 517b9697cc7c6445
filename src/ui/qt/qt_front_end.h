#pragma once

#include <optional>

#include "app/application.h"
#include "app/view_host.h"
#include "platform/qt/qt_wake_up.h"
#include "ui/qt/window_view.h"

namespace lwviz::qt {

// The look every window of the program shares, whatever desktop it runs on: the Fusion
// style and the program's icon. Call once after the QApplication exists.
void prepareApplication();

// The program's windows in Qt: a view per window the program shows, its changes drawn, and
// one wake-up for the moment its next timer falls due.
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

private:
    void takeDown(WindowView& view) override;

    QtWakeUp wakeUp_;
};

}  // namespace lwviz::qt
