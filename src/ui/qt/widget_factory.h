#pragma once

#include <QWidget>
#include <string>

#include "core/control.h"

namespace lwviz::qt {

// Where a control's widget hands the user's raw input: the window view, which passes it on
// to the application while its window is loaded.
class ControlInput {
public:
    virtual ~ControlInput() = default;
    virtual void click(Control& control) = 0;
    virtual void doubleClick(Control& control) = 0;
    virtual void typed(Control& control, const std::string& text) = 0;
};

// The widget that draws a control of this kind, in `parent` at the control's bounds, showing
// the control's properties as they are now; nullptr for a kind that draws nothing (a timer).
[[nodiscard]] QWidget* createControlWidget(Control& control, QWidget& parent, ControlInput& input);

// Under high contrast the desktop's colours stand for the design's fixed ones, which would
// otherwise stay green on black whatever the desktop asks for.
void setDesktopColours(bool desktop);

// Draws the changed properties (kChanged... flags) of a control on the widget that
// createControlWidget made for it.
void renderControl(const Control& control, QWidget& widget, unsigned changes);

}  // namespace lwviz::qt
