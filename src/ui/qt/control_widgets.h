#pragma once

// The widgets that draw the model's controls where a stock Qt widget does not behave like the
// control: a label that reports double-clicks, a tick box whose value the model owns and whose
// caption wraps, and a thin line.

#include <QCheckBox>
#include <QLabel>
#include <QLine>
#include <QWidget>
#include <functional>

#include "core/control.h"

namespace lwviz::qt {

// A label draws its caption from the top of its box, wrapped at word breaks, as the design
// lays it out (QLabel's own layout sets single lines a few pixels lower, which clips them in
// the 17-pixel boxes), and reports clicks and double-clicks: what a click on a label does is
// the program's to decide.
class LabelWidget final : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    const Control* control = nullptr;  // the control it draws, for assistive technology

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool doubled_ = false;  // the release that ends a double-click is not a click of its own
};

// A click or the space bar asks the model; the box shows only what the model then holds, so
// it never toggles on its own. A caption wider than the box wraps onto a second line.
class TickBoxWidget final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;
    [[nodiscard]] bool hitButton(const QPoint& pos) const override;
};

// A line through the widget from one corner to the other (or along its middle when it is one
// pixel thin), in the window's text colour.
class LineWidget final : public QWidget {
public:
    LineWidget(QLine line, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
};

}  // namespace lwviz::qt
