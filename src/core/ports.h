#pragma once

// The small interfaces through which the core reaches the outside world. Each platform
// (linux/, win32/, qt/) implements them; tests use the in-memory ones in tests/support.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lwviz {

class RuntimeFailure;

// Milliseconds since the system started, including time asleep. Never wraps, never negative.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    [[nodiscard]] virtual std::uint64_t milliseconds() = 0;
};

// A monotonic clock for the scheduler, in milliseconds from an arbitrary origin.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    [[nodiscard]] virtual std::int64_t nowMs() = 0;
};

// The current date and time as text under the user's regional settings. The log writer reads
// the date and the time separately, the date first.
class WallClock {
public:
    virtual ~WallClock() = default;
    [[nodiscard]] virtual std::string dateText() = 0;  // short date format
    [[nodiscard]] virtual std::string timeText() = 0;  // time format, with seconds
};

// The process environment.
class Environment {
public:
    virtual ~Environment() = default;
    // The computer name for the log: COMPUTERNAME where set; what an unset variable gives is the
    // platform's own rule (empty on Windows, the host name on Linux).
    [[nodiscard]] virtual std::string computerName() = 0;
};

// The running executable's file name without folder and extension, taken afresh at each call.
class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    [[nodiscard]] virtual std::string baseName() = 0;
};

// Per-user settings: text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when no value is stored there.
    [[nodiscard]] virtual std::optional<std::string> get(const std::string& application,
                                                         const std::string& section,
                                                         const std::string& key) = 0;
    // Stores at once; throws RuntimeFailure when the store refuses.
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& text) = 0;
};

// Whole-file text output. The text arrives as UTF-8 with its own line ends; the platform
// chooses the byte encoding (UTF-8 on Linux, the ANSI code page on Windows).
class LogFileWriter {
public:
    virtual ~LogFileWriter() = default;
    // Replaces the file (a name relative to the working directory) with the text, atomically:
    // either the new text is there whole or the old file is untouched. Throws RuntimeFailure
    // naming the file and the operating system's reason.
    virtual void replaceWith(const std::string& fileName, const std::string& text) = 0;
};

// A native window handle as the window manager sees it; 0 is the null handle.
using NativeWindow = std::uint64_t;

// Stacking-order operations of the window manager.
class WindowManager {
public:
    virtual ~WindowManager() = default;
    // The window that has the user's focus, or 0 when there is none.
    [[nodiscard]] virtual NativeWindow foregroundWindow() = 0;
    // Takes the window's topmost status away and places it above all non-topmost windows.
    virtual void removeTopmost(NativeWindow window) = 0;
    // Gives the window topmost status.
    virtual void makeTopmost(NativeWindow window) = 0;
};

// A rectangle on the screen, in twips.
struct ScreenRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The screens' work areas, to keep a restored window from opening where nobody can see it.
class ScreenLayout {
public:
    virtual ~ScreenLayout() = default;
    // Empty when the platform cannot tell; then every position is accepted.
    [[nodiscard]] virtual std::vector<ScreenRect> screens() = 0;
};

// Tells the user about a run-time failure (a message box in the GUI).
class FailureReporter {
public:
    virtual ~FailureReporter() = default;
    virtual void report(const RuntimeFailure& failure) = 0;
};

}  // namespace lwviz
