#pragma once

namespace lwviz {

// The phase the main window opens in. Both phases belong to the logging cycle, which also
// enters them on START and STOP; the load only chooses one, by the Auto Start box.
class OpeningPhase {
public:
    virtual ~OpeningPhase() = default;
    // Ready: the uptime engine stopped, no cycle running.
    virtual void openAtRest() = 0;
    // Warm-up of an automatic start: the engine running, the entry due in about 11 seconds.
    virtual void openWarmingUp() = 0;
};

}  // namespace lwviz
