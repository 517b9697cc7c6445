#pragma once

#include <string>

#include "core/control.h"
#include "core/window.h"

namespace lwviz::qt {

// What a window's view passes on from the user; the front-end hands each to the program as
// one event and then redraws what changed.
class ViewInput {
public:
    virtual ~ViewInput() = default;
    virtual void clicked(Control& control) = 0;
    virtual void doubleClicked(Control& control) = 0;
    // The user changed the text of a box that takes typing.
    virtual void typed(Control& textBox, const std::string& text) = 0;
    virtual void closeRequested(Window& window) = 0;
    virtual void escapePressed(Window& window) = 0;
    // The outer top-left corner, in twips.
    virtual void moved(Window& window, float left, float top) = 0;
};

}  // namespace lwviz::qt
