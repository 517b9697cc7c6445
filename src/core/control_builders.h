#pragma once

// Short ways to write down a window's design: each returns a control of one kind with the
// properties that every window of the program gives that kind.

#include <string_view>

#include "core/control.h"

namespace lwviz::design {

inline ControlDefinition timer(std::string_view name, bool enabled) {
    ControlDefinition c;
    c.kind = ControlKind::Timer;
    c.name = name;
    c.enabled = enabled;
    return c;
}

// A single-line, left-aligned, editable text box in the window's font.
inline ControlDefinition textBox(std::string_view name, std::string_view text, Rect rect,
                                 int tabIndex, bool visible = true) {
    ControlDefinition c;
    c.kind = ControlKind::TextBox;
    c.name = name;
    c.text = text;
    c.rect = rect;
    c.tabIndex = tabIndex;
    c.visible = visible;
    return c;
}

// A multi-line text box that shows a text but takes no typing.
inline ControlDefinition report(std::string_view name, std::string_view text, Rect rect,
                                int tabIndex, bool visible = true) {
    ControlDefinition c = textBox(name, text, rect, tabIndex, visible);
    c.multiLine = true;
    c.readOnly = true;
    return c;
}

inline ControlDefinition label(std::string_view name, std::string_view caption, Rect rect,
                               int tabIndex) {
    ControlDefinition c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.text = caption;
    c.rect = rect;
    c.tabIndex = tabIndex;
    return c;
}

// The green-on-black, bordered, centred labels of the program's titles and status line.
inline ControlDefinition banner(std::string_view name, std::string_view caption, Rect rect,
                                int tabIndex, Font font) {
    ControlDefinition c = label(name, caption, rect, tabIndex);
    c.font = font;
    c.foreColor = kGreen;
    c.backColor = kBlack;
    c.border = Border::FixedSingle;
    c.alignment = Alignment::Center;
    return c;
}

inline ControlDefinition button(std::string_view name, std::string_view caption, Rect rect,
                                int tabIndex, ButtonRole role = ButtonRole::Normal) {
    ControlDefinition c;
    c.kind = ControlKind::CommandButton;
    c.name = name;
    c.text = caption;
    c.rect = rect;
    c.tabIndex = tabIndex;
    c.role = role;
    return c;
}

inline ControlDefinition tickBox(std::string_view name, std::string_view caption, Rect rect,
                                 int tabIndex, bool enabled, std::int16_t value) {
    ControlDefinition c;
    c.kind = ControlKind::TickBox;
    c.name = name;
    c.text = caption;
    c.rect = rect;
    c.tabIndex = tabIndex;
    c.enabled = enabled;
    c.value = value;
    return c;
}

}  // namespace lwviz::design
