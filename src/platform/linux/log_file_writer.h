#pragma once

#include "core/ports.h"

namespace lwviz::linux_os {

// Replaces the log file atomically: the text goes to a temporary file in the target's folder,
// is flushed to disk and renamed over the target. On failure the temporary file is removed,
// the old log file stays exactly as it was, and a RuntimeFailure names the file with its full
// path and the system's reason: 61 for a full disk or quota, 70 for a refused permission or
// read-only file system, 75 for anything else. Temporary files that killed writes of the same
// log left behind are removed on the way.
//
// As with an ordinary open for output, an existing log file the user may not write is refused
// rather than replaced; a symbolic link is followed, so the file it points to is replaced,
// except where the kernel's protected_symlinks rule would not follow it (a sticky,
// world-writable folder and a link of neither the user nor the folder's owner): refused.
// The new file keeps the old one's permissions (and owner, where allowed); a new log file gets
// the permissions any newly created file gets (0666 less the umask).
class AtomicLogFileWriter final : public LogFileWriter {
public:
    void replaceWith(const std::string& fileName, const std::string& text) override;
};

}  // namespace lwviz::linux_os
