#pragma once

#include <QWidget>

#include "core/control.h"

namespace lwviz::qt {

// Tells assistive technology what the window model says of the program's windows: the main
// window is a frame and the About window a dialog, modal while it is open; a window's
// children are walked in reading order; the status line is a status bar whose item is the
// phase; the author line offers its double-click as an action. Call once, with the
// QApplication made.
void installAccessibleViews();

// Names a control's widget after its caption and ties captions to what they name; call once
// the window's widgets exist.
void nameControls(const std::vector<QWidget*>& widgets, const Window& window);

// The status line shows a new phase: its item's name changed.
void phaseChanged(QWidget& statusLine);

}  // namespace lwviz::qt
