#pragma once

#include <cstdint>

namespace lwviz::linux_os {

// Wakes the event loop at a moment of the scheduler's clock (SteadyClock), through a timer
// descriptor that the loop watches. A poll() with a timeout of the same length may end up to
// 0.1% of it late, a whole millisecond after a second's wait; the descriptor keeps only the
// kernel's timer slack (50 us). Its clock counts time asleep, so a wait that spans a suspend
// ends as soon as the machine resumes.
class WakeTimer {
public:
    WakeTimer();
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;
    WakeTimer(WakeTimer&&) = delete;
    WakeTimer& operator=(WakeTimer&&) = delete;
    ~WakeTimer();

    // -1 when the system gave no timer descriptor; the caller then waits some other way.
    [[nodiscard]] int descriptor() const noexcept { return descriptor_; }
    // Readable once the clock reads `dueMs`; a moment already past makes it readable at once.
    void armAt(std::int64_t dueMs) const noexcept;
    void disarm() const noexcept;
    // Whether it fell due since the last call; a read clears it.
    bool takeExpiry() const noexcept;

private:
    int descriptor_;
};

}  // namespace lwviz::linux_os
