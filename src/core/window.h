#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/control.h"
#include "core/window_layout.h"

namespace lwviz {

// Title-bar buttons and border of a window.
struct WindowStyle {
    bool fixedBorder = true;  // the user can move the window but not resize it
    bool minimizeButton = false;
    bool maximizeButton = false;
};

struct WindowDefinition {
    std::string_view name;
    std::string_view caption;
    WindowStyle style;
    int clientWidth = 0;  // twips, at design
    int clientHeight = 0;
    Font font{"MS Sans Serif", 8.25, false};
    std::vector<ControlDefinition> controls;  // in creation order
};

// Told when a timer of a window is switched, so the scheduler can (re)arm it.
class TimerObserver {
public:
    virtual ~TimerObserver() = default;
    virtual void timerChanged(Control& timer) = 0;
};

// A window and its controls: the program's state. Geometry is in twips, as single-precision
// numbers; Left and Top are the outer top-left corner, Width and Height the outer size.
class Window {
public:
    explicit Window(const WindowDefinition& definition);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&&) = delete;
    Window& operator=(Window&&) = delete;
    ~Window() = default;

    [[nodiscard]] const WindowDefinition& definition() const noexcept { return definition_; }
    [[nodiscard]] std::string_view name() const noexcept { return definition_.name; }

    // The control of that name; a name the window does not have is a programming error.
    [[nodiscard]] Control& control(std::string_view name);
    [[nodiscard]] const Control& control(std::string_view name) const;
    [[nodiscard]] std::deque<Control>& controls() noexcept { return controls_; }
    [[nodiscard]] const std::deque<Control>& controls() const noexcept { return controls_; }

    [[nodiscard]] float left() const noexcept { return left_; }
    [[nodiscard]] float top() const noexcept { return top_; }
    [[nodiscard]] float width() const noexcept { return width_; }
    [[nodiscard]] float height() const noexcept { return height_; }
    // A size the window cannot take (negative, not finite) is refused: invalid property value.
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    // Where the user moved the window; the handlers' own moves go through setLeft and setTop.
    void movedTo(float left, float top) noexcept;

    // What the front-end draws of the window at its client area's size.
    [[nodiscard]] WindowLayout& layout() noexcept { return layout_; }
    [[nodiscard]] const WindowLayout& layout() const noexcept { return layout_; }

    void setTimerObserver(TimerObserver* observer) noexcept { timerObserver_ = observer; }
    void timerChanged(Control& timer);

    // Hands each control whose properties changed since the last call to `visit`, once, in
    // order of change, and forgets the changes. Allocates nothing.
    template <typename Visitor>
    void drainChangedControls(Visitor&& visit) {
        for (Control* control : changed_) {
            visit(*control);
            control->clearChanges();
        }
        changed_.clear();
    }
    void noteChanged(Control& control);
    // True once after the handlers moved or resized the window.
    [[nodiscard]] bool takeGeometryChanged() noexcept;

private:
    const WindowDefinition& definition_;
    std::deque<Control> controls_;  // stable addresses: subsystems keep references
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    bool geometryChanged_ = false;
    TimerObserver* timerObserver_ = nullptr;
    std::vector<Control*> changed_;
    WindowLayout layout_{*this};
};

}  // namespace lwviz
