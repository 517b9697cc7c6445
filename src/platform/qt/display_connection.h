#pragma once

#include <QApplication>
#include <array>
#include <string>

namespace lwviz::qt {

// The program's connection to the desktop's display: Qt's application object. In a Wayland
// session with an X server beside it (Xwayland) it is made on X, since Wayland lets no program
// place its own window or keep it above other programs' windows; Wayland stays the fallback,
// and a platform the user chose stands. What Qt says while it opens the display is replayed
// once the display is open; where none can be opened, the program ends with status 1 and one
// line that says which display it tried.
class DisplayConnection {
public:
    // `programName` starts the failure's line. The program takes no arguments, the toolkit's
    // own (-platform, -style, ...) included; the toolkit's environment variables still count.
    explicit DisplayConnection(std::string programName);

private:
    std::string programName_;
    int argc_ = 1;
    std::array<char*, 2> argv_;
    // Set before the application object is made: the platform is chosen by then, and Qt's
    // messages are held back.
    QtMessageHandler previousHandler_;
    QApplication application_;
};

}  // namespace lwviz::qt
