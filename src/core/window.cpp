#include "core/window.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "core/runtime_failure.h"

namespace lwviz {

Window::Window(const WindowDefinition& definition) : definition_(definition) {
    for (const ControlDefinition& control : definition.controls) {
        controls_.emplace_back(*this, control, controls_.size());
    }
    changed_.reserve(controls_.size());
}

Control& Window::control(std::string_view name) {
    for (Control& control : controls_) {
        if (control.name() == name) {
            return control;
        }
    }
    throw std::logic_error("window " + std::string(definition_.name) + " has no control " +
                           std::string(name));
}

const Control& Window::control(std::string_view name) const {
    return const_cast<Window*>(this)->control(name);
}

namespace {
float checkedPosition(float twips) {
    if (!std::isfinite(twips)) {
        throw RuntimeFailure::invalidPropertyValue();
    }
    return twips;
}

float checkedSize(float twips) {
    if (!std::isfinite(twips) || twips < 0) {
        throw RuntimeFailure::invalidPropertyValue();
    }
    return twips;
}
}  // namespace

void Window::setLeft(float twips) {
    left_ = checkedPosition(twips);
    geometryChanged_ = true;
}

void Window::setTop(float twips) {
    top_ = checkedPosition(twips);
    geometryChanged_ = true;
}

void Window::setWidth(float twips) {
    width_ = checkedSize(twips);
    geometryChanged_ = true;
}

void Window::setHeight(float twips) {
    height_ = checkedSize(twips);
    geometryChanged_ = true;
}

void Window::movedTo(float left, float top) noexcept {
    left_ = left;
    top_ = top;
}

void Window::timerChanged(Control& timer) {
    if (timerObserver_ != nullptr) {
        timerObserver_->timerChanged(timer);
    }
}

void Window::noteChanged(Control& control) { changed_.push_back(&control); }

bool Window::takeGeometryChanged() noexcept {
    const bool changed = geometryChanged_;
    geometryChanged_ = false;
    return changed;
}

}  // namespace lwviz
