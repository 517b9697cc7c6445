#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/window.h"

namespace lwviz {

// The rules by which every front-end tells assistive technology about a window's controls.

// The caption that names the control, or nullptr.
[[nodiscard]] const Control* captionOf(const Control& control) noexcept;
// The control a caption names, or nullptr when it names none.
[[nodiscard]] const Control* namedBy(const Control& caption) noexcept;

// The control's accessible name: its own name, else its caption's text less a trailing colon
// ("UPTIME:" names the uptime display "UPTIME"); empty when neither (the toolkit then names
// labels, buttons and tick boxes by their text).
[[nodiscard]] std::string accessibleName(const Control& control);

// The colours a control is drawn in: the design's, or none (the system's own) under high
// contrast, where the design's fixed green, black and red would override what the user chose.
struct ShownColours {
    std::optional<Colour> fore;
    std::optional<Colour> back;
};
[[nodiscard]] ShownColours shownColours(const Control& control, bool highContrast) noexcept;

// The drawn controls but the lines, in reading order: by rows from the top, each row from the left.
// Screen readers walk a window in this order, whatever the order the controls are stacked in.
[[nodiscard]] std::vector<const Control*> readingOrder(const Window& window);

}  // namespace lwviz
