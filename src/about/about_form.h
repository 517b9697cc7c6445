#pragma once

#include "about/about_window_definition.h"
#include "core/window.h"

namespace lwviz {

// The About window, every control that a handler uses bound here once by its name, as the main
// form binds its own: a misspelt name fails at the window's creation, not at some later use.
struct AboutForm {
    Window window{aboutWindowDefinition()};

    Control& OK_BUTTON = window.control("OK_BUTTON");
    Control& CREATOR_TEXTBOX = window.control("CREATOR_TEXTBOX");
    Control& OUTPUT_REPORT_TEXTBOX = window.control("OUTPUT_REPORT_TEXTBOX");
};

}  // namespace lwviz
