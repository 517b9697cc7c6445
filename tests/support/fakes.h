#pragma once

// In-memory ports and a virtual clock: a whole unattended run takes milliseconds of real time
// and repeats exactly.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/runtime_failure.h"
#include "core/services.h"

namespace lwviz::testing {

// One clock for both the scheduler and the uptime: the tick counter reads bootOffsetMs plus
// the virtual time.
class VirtualClock final : public MonotonicClock, public TickCounter {
public:
    [[nodiscard]] std::int64_t nowMs() override { return now; }
    [[nodiscard]] std::uint64_t milliseconds() override {
        return bootOffsetMs + static_cast<std::uint64_t>(now);
    }
    std::int64_t now = 0;
    std::uint64_t bootOffsetMs = 0;
};

class FakeWallClock final : public WallClock {
public:
    [[nodiscard]] std::string dateText() override {
        reads.push_back("date");
        std::string read = date;
        if (onDateRead) {
            onDateRead();
        }
        return read;
    }
    [[nodiscard]] std::string timeText() override {
        reads.push_back("time");
        return time;
    }
    std::string date = "07/12/2026";
    std::string time = "10:11:12";
    std::vector<std::string> reads;  // "date", "time", in order of reading
    // Runs after each date reading: lets a test move the clock on between the date and the
    // time (a tick at midnight).
    std::function<void()> onDateRead;
};

class FakeEnvironment final : public Environment {
public:
    [[nodiscard]] std::string computerName() override { return name; }
    std::string name = "TESTPC";
};

class FakeProgramInfo final : public ProgramInfo {
public:
    [[nodiscard]] std::string baseName() override { return name; }
    std::string name = "LW-DODOZU-ZIDADA-V1";
};

class MemorySettingsStore final : public SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;

    [[nodiscard]] std::optional<std::string> get(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) override;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;

    // Values of the program's own application and the given section.
    void put(const std::string& section, const std::string& key, const std::string& text);
    [[nodiscard]] std::optional<std::string> value(const std::string& section,
                                                   const std::string& key) const;

    std::map<Address, std::string> values;
    std::vector<std::string> savedKeys;  // in order of saving
    bool refuseSaves = false;
};

class MemoryLogFile final : public LogFileWriter {
public:
    void replaceWith(const std::string& fileName, const std::string& text) override;

    std::map<std::string, std::string> files;
    std::vector<std::string> writes;        // file names, in order
    std::optional<RuntimeFailure> failure;  // thrown by the next writes when set
};

class RecordingWindowManager final : public WindowManager {
public:
    [[nodiscard]] NativeWindow foregroundWindow() override {
        calls.push_back("foreground");
        if (!nextForeground.empty()) {
            const NativeWindow answer = nextForeground.front();
            nextForeground.erase(nextForeground.begin());
            return answer;
        }
        return foreground;
    }
    void removeTopmost(NativeWindow window) override {
        calls.push_back("removeTopmost " + std::to_string(window));
    }
    void makeTopmost(NativeWindow window) override {
        calls.push_back("makeTopmost " + std::to_string(window));
    }
    NativeWindow foreground = 0;
    // Answered first, one per query, before `foreground`: the focus moving between two queries.
    std::vector<NativeWindow> nextForeground;
    std::vector<std::string> calls;
};

class FakeScreens final : public ScreenLayout {
public:
    [[nodiscard]] std::vector<ScreenRect> screens() override { return areas; }
    // One 1280 x 800 pixel screen.
    std::vector<ScreenRect> areas{{0, 0, 1280.0 * 15, 800.0 * 15}};
};

class RecordingFailureReporter final : public FailureReporter {
public:
    void report(const RuntimeFailure& failure) override {
        reported.push_back(failure);
        if (whileReporting) {
            whileReporting();
        }
    }
    std::vector<RuntimeFailure> reported;
    // Runs while the report is "on the screen".
    std::function<void()> whileReporting;
};

// A front-end that draws nothing and records what the program asked of it. It fits a shown
// window's layout to its outer size, as a front-end without a frame would.
class RecordingWindowHost final : public WindowHost {
public:
    void show(Window& window, Window* owner) override;
    void apply(Control& /*control*/, std::uint8_t /*changes*/) override { ++applied; }
    void place(Window& window) override;
    void unloaded(Window& window) override;
    void wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) override {
        wake = dueMs ? std::optional<std::int64_t>(*dueMs - nowMs) : std::nullopt;
    }
    void end(int status) override { events.push_back("end " + std::to_string(status)); }
    [[nodiscard]] NativeWindow nativeHandle(const Window& window) override;

    // "show LW_VIZ_MAIN", "show LW_VIZ_ABOUT over LW_VIZ_MAIN", "unloaded LW_VIZ_ABOUT", "end 0"
    std::vector<std::string> events;
    int applied = 0;                   // property changes drawn
    std::optional<std::int64_t> wake;  // the timer as last armed
    std::map<std::string, NativeWindow, std::less<>> handles{{"LW_VIZ_MAIN", 0x1001},
                                                             {"LW_VIZ_ABOUT", 0x2002}};
};

// The ports a test puts in place of the fakes: a front-end's own window host, a tick counter
// that counts its readings, a real settings store.
struct PortReplacements {
    TickCounter* tickCounter = nullptr;
    SettingsStore* settings = nullptr;
    WindowHost* host = nullptr;
};

// All fakes together, as the Services the application takes.
struct FakePlatform {
    VirtualClock clock;
    FakeWallClock wallClock;
    FakeEnvironment environment;
    FakeProgramInfo program;
    MemorySettingsStore settings;
    MemoryLogFile logFile;
    RecordingWindowManager windowManager;
    FakeScreens screens;
    RecordingFailureReporter failures;
    RecordingWindowHost host;
    Services services = servicesWith(PortReplacements{});

    [[nodiscard]] Services servicesWith(PortReplacements replaced) {
        return Services{
            .tickCounter = replaced.tickCounter != nullptr ? *replaced.tickCounter : clock,
            .clock = clock,
            .wallClock = wallClock,
            .environment = environment,
            .program = program,
            .settings = replaced.settings != nullptr ? *replaced.settings : settings,
            .logFile = logFile,
            .windowManager = windowManager,
            .screens = screens,
            .failures = failures,
            .host = replaced.host != nullptr ? *replaced.host : host};
    }
};

}  // namespace lwviz::testing
