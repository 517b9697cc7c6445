#pragma once

#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "ui/qt/widget_factory.h"

namespace lwviz::qt {

// One window of the model (main or About) as a top-level widget: caption, fixed border, outer
// geometry from the model, and a widget for every control its layout draws. The model stays
// the only state: the view shows it and hands the user's raw input to the application.
class WindowView final : public QWidget, public ControlInput {
public:
    // With an owner the view is a modal dialog over the owner's view.
    WindowView(Window& window, Application& app, WindowView* owner);

    [[nodiscard]] Window& window() const noexcept { return window_; }
    [[nodiscard]] NativeWindow nativeWindow() const { return static_cast<NativeWindow>(winId()); }
    // Shown over an owner, modal while it is open.
    [[nodiscard]] bool isDialog() const noexcept { return dialog_; }

    // Shows the window for the first time, the focus where the layout says it starts.
    void present();
    // Draws the changed properties of one of its controls.
    void apply(const Control& control, unsigned changes);
    // Takes the model's geometry again and draws what the layout then draws.
    void place();
    // Draws every control's colours again (the desktop's colours were switched).
    void recolour();
    // The program unloaded the window: it passes nothing on any more.
    void detach() noexcept { detached_ = true; }

    // The widget drawing the control, or nullptr when it is not drawn.
    [[nodiscard]] QWidget* widgetOf(const Control& control) const {
        return widgets_[control.index()];
    }
    [[nodiscard]] QWidget* widgetFor(std::string_view name) const {
        return widgetOf(window_.control(name));
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settleFrame();
    void reportPosition();
    [[nodiscard]] QMargins frame() const;
    void syncWidgets();
    void click(Control& control) override;
    void doubleClick(Control& control) override;
    void typed(Control& control, const std::string& text) override;
    // Runs `input` unless the window has been unloaded.
    template <typename Input>
    void forward(Input&& input) {
        if (!detached_) {
            input();
        }
    }

    Window& window_;
    Application& app_;
    std::vector<QWidget*> widgets_;  // by control index; nullptr where nothing is drawn
    QMargins usedFrame_;
    std::optional<QMargins> frameAhead_;  // the window manager's answer before the first show
    QTimer moveSettled_;
    bool dialog_;
    bool frameKnown_ = false;
    bool detached_ = false;
};

}  // namespace lwviz::qt
