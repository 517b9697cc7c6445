// Start-up with arbitrary stored settings: any bytes, any length, in any of the eleven keys,
// each key present or absent. Whatever is stored, the program starts in the Ready or the
// Warm-up phase with its windows on the screen, opens the About window, closes cleanly and
// saves values that the next start can read.
//
// Input layout (FuzzedDataProvider): from the end, two bytes whose low eleven bits mark keys
// as absent, then eight bytes of uptime; from the front, the eleven values in key order, each
// ended by a backslash and any other character ("\\" stands for one backslash).

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/conversions.h"
#include "core/runtime_failure.h"
#include "fuzz_check.h"
#include "support/harness.h"

namespace lwviz::fuzz {
namespace {

constexpr std::string_view kSection = "LW-DODOZU-ZIDADA-V1";
constexpr std::array<std::string_view, 11> kKeys = {
    "MAIN_Left",           "MAIN_Top",          "MAIN_Width",        "MAIN_Height",
    "AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX", "AUTOCLOSE_TICKBOX", "ABOUT_Left",
    "ABOUT_Top",           "ABOUT_Width",       "ABOUT_Height"};
// Up to a hundred years of uptime.
constexpr std::uint64_t kMaxUptimeMs = 100ULL * 366 * 24 * 3600 * 1000;

// A shown window has a finite corner, a positive finite size, and overlaps the screen.
void checkPlaced(const Window& window, const ScreenRect& screen, std::string_view what) {
    const double left = window.left();
    const double top = window.top();
    const double width = window.width();
    const double height = window.height();
    check(std::isfinite(left) && std::isfinite(top), what, "corner not finite");
    check(std::isfinite(width) && width > 0 && std::isfinite(height) && height > 0, what,
          "size not positive");
    check(left < screen.left + screen.width && left + width > screen.left &&
              top < screen.top + screen.height && top + height > screen.top,
          what, "off every screen");
}

// What the close saved must read back at the next start.
void checkSavedPosition(testing::MemorySettingsStore& store, std::string_view key) {
    const std::optional<std::string> text = store.value(std::string(kSection), std::string(key));
    check(text.has_value(), key, "not saved at close");
    try {
        check(std::isfinite(conv::TextToSingle(*text)), key, *text);
    } catch (const RuntimeFailure&) {
        fail(key, "saved a position the next start cannot read: " + *text);
    }
}

void checkSavedTickState(testing::MemorySettingsStore& store, std::string_view key) {
    const std::optional<std::string> text = store.value(std::string(kSection), std::string(key));
    check(text == "0" || text == "1" || text == "2", key, "saved tick state not 0, 1 or 2");
}

}  // namespace
}  // namespace lwviz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lwviz;
    using namespace lwviz::fuzz;

    FuzzedDataProvider input(data, size);
    const auto absent = input.ConsumeIntegral<std::uint16_t>();
    const auto uptimeMs = input.ConsumeIntegralInRange<std::uint64_t>(0, kMaxUptimeMs);

    testing::Harness h;
    h.platform.clock.bootOffsetMs = uptimeMs;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const std::string value = input.ConsumeRandomLengthString();
        if ((absent & (1U << i)) == 0) {
            h.platform.settings.put(std::string(kSection), std::string(kKeys[i]), value);
        }
    }
    const ScreenRect screen = h.platform.screens.areas.front();
    const auto& failures = h.platform.failures.reported;
    const auto failed = [&] {
        return failures.empty() ? std::string() : failures.front().description();
    };

    Application& app = h.start();
    check(failures.empty(), "start-up reported a failure", failed());
    check(!app.ended(), "start-up ended the program", "");
    const bool autoStart = h.control("AUTOSTART_TICKBOX").value() == 1;
    const std::string& status = h.control("CURRENT_STATUS_LABEL").caption();
    const std::string& button = h.control("START_STOP_BUTTON").caption();
    if (autoStart) {
        check(status == "!!! AUTOSTARTING !!!" && button == "STOP", "not in Warm-up", status);
        check(h.control("AUTOSTART_TIMER").enabled(), "Warm-up without its timer", status);
    } else {
        check(status == "READY..." && button == "START", "not Ready", status);
        check(h.text("LW_UPTIME_DISPLAY_TEXTBOX") == "TIMERS DISABLED", "Ready, display wrong",
              h.text("LW_UPTIME_DISPLAY_TEXTBOX"));
    }
    for (const char* box : {"AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX", "AUTOCLOSE_TICKBOX"}) {
        const std::int16_t value = h.control(box).value();
        check(value >= 0 && value <= 2, box, "restored a state other than 0, 1 or 2");
    }
    checkPlaced(app.mainWindow(), screen, "main window");

    // A few wake-ups of whatever runs now.
    h.runFor(100);
    check(failures.empty(), "the first wake-ups reported a failure", failed());
    if (autoStart) {
        check(!h.text("LW_UPTIME_DISPLAY_TEXTBOX").empty(), "engine on, no uptime line", "");
    }

    h.click("ABOUT_BUTTON");
    Window* about = app.aboutWindow();
    check(about != nullptr, "the About window did not open", failed());
    checkPlaced(*about, screen, "About window");
    app.closeWindow(*about);
    check(app.aboutWindow() == nullptr, "the About window did not close", failed());
    app.closeWindow(app.mainWindow());
    check(failures.empty(), "closing reported a failure", failed());
    check(app.ended() && app.exitStatus() == 0, "the close did not end the program cleanly", "");

    auto& store = h.platform.settings;
    for (const char* key : {"MAIN_Left", "MAIN_Top", "ABOUT_Left", "ABOUT_Top"}) {
        checkSavedPosition(store, key);
    }
    for (const char* key : {"AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX", "AUTOCLOSE_TICKBOX"}) {
        checkSavedTickState(store, key);
    }
    return 0;
}
