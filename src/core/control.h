#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/accessible_definition.h"

namespace lwviz {

class Window;

enum class ControlKind : std::uint8_t { Label, TextBox, CommandButton, TickBox, Timer, Line };

// 24-bit colour packed as red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;

struct Font {
    std::string_view face;
    double points = 8.25;
    bool bold = false;
};

// Twips, relative to the top-left corner of the window's client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LinePoints {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

enum class Border : std::uint8_t { None, FixedSingle };
enum class Alignment : std::uint8_t { Left, Center };
// The keyboard flag a command button may carry.
enum class ButtonRole : std::uint8_t { Normal, Default, Cancel };

// Tick-box states; every test in the program counts only kTicked as ticked.
inline constexpr std::int16_t kClear = 0;
inline constexpr std::int16_t kTicked = 1;
inline constexpr std::int16_t kGreyed = 2;

// A control's design state. Unset colours and fonts mean the platform's defaults for the kind
// and the window's font.
struct ControlDefinition {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    std::string_view text;  // caption or text
    Rect rect;
    int tabIndex = -1;  // -1: the kind takes no place in the tab order (timers, lines)
    std::optional<Font> font;
    std::optional<Colour> foreColor;
    std::optional<Colour> backColor;
    Border border = Border::None;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    std::int16_t value = kClear;
    bool multiLine = false;
    bool readOnly = false;
    ButtonRole role = ButtonRole::Normal;
    LinePoints line;
    AccessibleDefinition accessible;
};

// Which properties changed since the front-end last looked, so it redraws only those.
enum ChangedProperty : std::uint8_t {
    kChangedText = 1U << 0U,
    kChangedBackColor = 1U << 1U,
    kChangedEnabled = 1U << 2U,
    kChangedValue = 1U << 3U,
};

// One control of a window. Handlers read and write controls only through this class; the
// front-end renders what it reports as changed.
class Control {
public:
    // `index` is the control's place in its window's creation order.
    Control(Window& owner, const ControlDefinition& definition, std::size_t index);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;
    ~Control() = default;

    [[nodiscard]] ControlKind kind() const noexcept { return definition_->kind; }
    [[nodiscard]] std::string_view name() const noexcept { return definition_->name; }
    [[nodiscard]] const ControlDefinition& definition() const noexcept { return *definition_; }
    [[nodiscard]] Window& window() const noexcept { return *owner_; }
    [[nodiscard]] std::size_t index() const noexcept { return index_; }

    // Text of a text box, caption of a label, button or tick box.
    [[nodiscard]] const std::string& text() const noexcept { return text_; }
    void setText(std::string_view text);
    [[nodiscard]] const std::string& caption() const noexcept { return text_; }
    void setCaption(std::string_view caption) { setText(caption); }

    [[nodiscard]] std::optional<Colour> backColor() const noexcept { return backColor_; }
    void setBackColor(Colour colour);

    [[nodiscard]] bool enabled() const noexcept { return enabled_; }
    // On a timer this arms or disarms it; switching off and on restarts the wait.
    void setEnabled(bool enabled);

    [[nodiscard]] bool visible() const noexcept { return definition_->visible; }

    // Tick-box state. A value other than 0, 1 or 2 is refused (invalid property value); a new
    // value raises Click at once, also when a handler set it.
    [[nodiscard]] std::int16_t value() const noexcept { return value_; }
    void setValue(std::int16_t value);

    // Timer period in milliseconds; 0 never ticks. A negative period is refused.
    [[nodiscard]] int interval() const noexcept { return interval_; }
    void setInterval(int milliseconds);

    void raiseClick() const;
    void raiseDblClick() const;
    void raiseTimer() const;

    [[nodiscard]] std::uint8_t changes() const noexcept { return changes_; }
    void clearChanges() noexcept { changes_ = 0; }

private:
    void markChanged(std::uint8_t property);

    // What a handler's write touches comes first, in one cache line: the engine writes some 35
    // cells at every wake-up, and the CPU's caches have gone cold in the 15 ms between them.
    std::string text_;
    std::uint8_t changes_ = 0;
    bool enabled_;
    std::int16_t value_;
    int interval_ = 0;
    Window* owner_;
    std::optional<Colour> backColor_;
    // The design lives in the window's definition, for the life of the window.
    const ControlDefinition* definition_;
    std::size_t index_;

public:
    // Event handlers, wired by the subsystem that owns them.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onTimer;
};

}  // namespace lwviz
