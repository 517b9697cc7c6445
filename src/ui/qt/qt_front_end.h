#pragma once

#include <QTimer>
#include <map>
#include <optional>

#include "app/application.h"
#include "app/services.h"
#include "ui/qt/view_input.h"
#include "ui/qt/window_view.h"

namespace lwviz::qt {

// The look every window of the program shares, whatever desktop it runs on: the Fusion
// style and the program's icon. Call once after the QApplication exists.
void prepareApplication();

// Runs the program in Qt: shows its windows, hands the user's input to it one event at a time,
// wakes it with one timer when its next timer falls due, and redraws what each event changed.
// It is also the program's WindowHost.
class QtFrontEnd final : public WindowHost, private ViewInput {
public:
    // `clock` is the one the program's scheduler runs on.
    explicit QtFrontEnd(MonotonicClock& clock);
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;
    QtFrontEnd(QtFrontEnd&&) = delete;
    QtFrontEnd& operator=(QtFrontEnd&&) = delete;
    ~QtFrontEnd() override;

    // Starts the program and shows its main window; false when it ended during start-up.
    bool open(Application& app);
    // open(), then the event loop until the program ends; returns its exit status.
    int run(Application& app);

    // Redraws what the last event changed and re-arms the timer.
    void afterEvent();

    // The view of a window while it is on the screen.
    [[nodiscard]] WindowView* view(const Window& window) const;

    // WindowHost
    [[nodiscard]] NativeWindow nativeHandle(const Window& window) override;
    void showModal(Window& window, Window& owner) override;
    void unloaded(Window& window) override;

private:
    // ViewInput
    void clicked(Control& control) override;
    void doubleClicked(Control& control) override;
    void typed(Control& textBox, const std::string& text) override;
    void closeRequested(Window& window) override;
    void escapePressed(Window& window) override;
    void moved(Window& window, float left, float top) override;

    void rearm();
    void wake();

    MonotonicClock& clock_;
    Application* app_ = nullptr;
    QTimer timer_;
    std::map<const Window*, WindowView*> views_;
    std::optional<int> exitStatus_;
};

}  // namespace lwviz::qt
