#pragma once

#include <cstdint>
#include <string_view>

namespace lwviz {

// What assistive technology is told of a control beyond what it shows.
enum class AccessibleRole : std::uint8_t {
    Default,    // the role of the control's kind
    StatusBar,  // the window's status line, which a screen reader reads on request
};

struct AccessibleDefinition {
    // On a caption: the control whose name it is (the caption's text, less a trailing colon).
    std::string_view labelFor;
    // A name of its own, where the control shows a value rather than what it is.
    std::string_view name;
    AccessibleRole role = AccessibleRole::Default;
    // Said after the name: what a sighted user finds by other means (a double-click).
    std::string_view description;
    // The name of an action that does what a double-click on the control does; empty: none.
    std::string_view doubleClickAction;
};

}  // namespace lwviz
