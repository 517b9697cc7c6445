#pragma once

#include <QIcon>

namespace lwviz::qt {

// The program's icon: "LW" in green on black, as a 16 and a 24 pixel image. Drawn at start,
// so the binary carries no image files.
[[nodiscard]] QIcon lwIcon();

}  // namespace lwviz::qt
