// The message loop's wake-up under Wine: a real window timer, its ticks dispatched here.
#ifdef _WIN32

#include "platform/win32/timer_window_wake_up.h"

#include <gtest/gtest.h>

#include <optional>

namespace lwviz::win32 {
namespace {

// Dispatches messages for `ms` of real time.
void pump(int ms) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    MSG msg{};
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != 0) {
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

// A wait asked again from the tick keeps the timer's period and it goes on ticking; no moment
// stops it for good.
TEST(TimerWindowWakeUp, TicksOnTheBeatItIsAskedAgainForAndStopsWithNoMoment) {
    int ticks = 0;
    TimerWindowWakeUp* self = nullptr;
    TimerWindowWakeUp wakeUp(GetModuleHandleW(nullptr), [&] {
        ++ticks;
        self->wakeAt(20, 0);
    });
    self = &wakeUp;
    wakeUp.wakeAt(20, 0);
    pump(300);
    EXPECT_GE(ticks, 3);
    wakeUp.wakeAt(std::nullopt, 0);
    pump(30);  // a tick already posted may still arrive
    const int stoppedAt = ticks;
    pump(150);
    EXPECT_EQ(ticks, stoppedAt);
}

}  // namespace
}  // namespace lwviz::win32

#endif  // _WIN32
