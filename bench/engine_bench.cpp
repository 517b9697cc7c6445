// One round of the uptime engine, as the scheduler runs it at each wake-up: sampling, the four
// breakdown stages and the display line, on a tick count that moves on 15 ms every round.
// Also counts the heap allocations a round makes once warm; the engine should make none.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "core/ports.h"
#include "main_window/main_form.h"
#include "uptime/uptime_engine.h"

namespace {
std::size_t allocations = 0;
}  // namespace

// Counting replacements of the global allocation functions. GCC takes free() on what a
// replaced operator new returned for a mismatch, though both sides are ours.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t /*size*/) noexcept { std::free(p); }

namespace {

class AdvancingTicks final : public lwviz::TickCounter {
public:
    [[nodiscard]] std::uint64_t milliseconds() override { return now += 15; }
    // Some 40 days up: every unit total has its full count of digits.
    std::uint64_t now = 3'456'789'012;
};

void Round(lwviz::UptimeEngine& engine) {
    engine.UPTIME_TIMER_Timer();
    engine.DAY_UPTIME_TIMER_Timer();
    engine.HOUR_UPTIME_TIMER_Timer();
    engine.MINUTE_UPTIME_TIMER_Timer();
    engine.SECOND_UPTIME_TIMER_Timer();
    engine.LW_DISPLAY_UPDATE_TIMER_Timer();
}

void BM_EngineRound(benchmark::State& state) {
    lwviz::MainForm form;
    AdvancingTicks ticks;
    lwviz::UptimeEngine engine(form, ticks);
    // Nobody drains the window's list of changed controls here; it holds each control once,
    // so it stays bounded.
    const lwviz::Control& display = form.window.control("LW_UPTIME_DISPLAY_TEXTBOX");
    Round(engine);  // cells grow their buffers once
    const std::size_t before = allocations;
    for (auto _ : state) {
        Round(engine);
        benchmark::DoNotOptimize(display.text().data());
    }
    state.counters["allocations_per_round"] = benchmark::Counter(
        static_cast<double>(allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EngineRound);

}  // namespace
