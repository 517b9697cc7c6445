#pragma once

#include "core/ports.h"

namespace lwviz::win32 {

// The log file in the system's ANSI code page, the line ends as the text carries them (CR LF).
// Each write goes to a temporary file in the same folder, written through to the disk and
// then moved over the old file, so a failed write leaves the previous entry whole; the failure
// names the file with its full path. A read-only log file is refused, not replaced.
// Temporary files that killed writes of the same log left behind are removed on the way.
class AnsiLogFile final : public LogFileWriter {
public:
    void replaceWith(const std::string& fileName, const std::string& text) override;
};

}  // namespace lwviz::win32
