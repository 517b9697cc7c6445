#pragma once

#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/window.h"
#include "ui/qt/view_input.h"

namespace lwviz::qt {

// Draws one window of the model (main or About) as a top-level widget: caption, fixed border,
// outer geometry from the model, and a widget for every visible control that lies inside the
// client area. The model stays the only state: the view shows it and passes the user's input on.
class WindowView final : public QWidget {
public:
    // With an owner the view is a dialog over the owner's view.
    WindowView(Window& window, ViewInput& input, QWidget* owner = nullptr);

    [[nodiscard]] Window& window() const noexcept { return window_; }

    // Shows the window for the first time, with the focus on its first control.
    void present();
    // Applies what the program changed since the last call.
    void refresh();
    // The program unloaded the window: it passes nothing on any more.
    void detach() noexcept { detached_ = true; }

    // The widget drawing the named control, or nullptr when it is not shown.
    [[nodiscard]] QWidget* widgetFor(std::string_view name) const;
    // Names of the controls that have a widget, in creation order.
    [[nodiscard]] std::vector<std::string> shownControls() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        Control* control;
        QWidget* widget;  // nullptr while the control lies outside the client area
    };

    void applyGeometry();
    void settleFrame();
    void reportPosition();
    [[nodiscard]] QMargins frame() const;
    void syncWidgets();
    void orderFocus();
    QWidget* createWidget(Control& control);
    static void render(const Control& control, QWidget* widget, unsigned changes);
    void pressButton(ButtonRole role);

    Window& window_;
    ViewInput& input_;
    std::vector<Shown> controls_;  // every drawable control, in creation order
    std::unordered_map<const Control*, std::size_t> index_;
    QMargins usedFrame_;
    QTimer moveSettled_;
    bool frameKnown_ = false;
    bool detached_ = false;
};

}  // namespace lwviz::qt
