#include "core/control.h"

#include "core/runtime_failure.h"
#include "core/window.h"

namespace lwviz {

Control::Control(Window& owner, const ControlDefinition& definition, std::size_t index)
    : text_(definition.text),
      enabled_(definition.enabled),
      value_(definition.value),
      owner_(&owner),
      backColor_(definition.backColor),
      definition_(&definition),
      index_(index) {}

void Control::markChanged(std::uint8_t property) {
    if (changes_ == 0) {
        owner_->noteChanged(*this);
    }
    changes_ = static_cast<std::uint8_t>(changes_ | property);
}

void Control::setText(std::string_view text) {
    if (text_ == text) {
        return;
    }
    text_.assign(text);
    markChanged(kChangedText);
}

void Control::setBackColor(Colour colour) {
    if (backColor_ == colour) {
        return;
    }
    backColor_ = colour;
    markChanged(kChangedBackColor);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    if (kind() == ControlKind::Timer) {
        owner_->timerChanged(*this);
    } else {
        markChanged(kChangedEnabled);
    }
}

void Control::setValue(std::int16_t value) {
    if (value < kClear || value > kGreyed) {
        throw RuntimeFailure::invalidPropertyValue();
    }
    if (value_ == value) {
        return;
    }
    value_ = value;
    markChanged(kChangedValue);
    // A tick box reports every change of its value, whoever made it.
    raiseClick();
}

void Control::setInterval(int milliseconds) {
    if (milliseconds < 0) {
        throw RuntimeFailure::invalidPropertyValue();
    }
    if (interval_ == milliseconds) {
        return;
    }
    interval_ = milliseconds;
    owner_->timerChanged(*this);
}

void Control::raiseClick() const {
    if (onClick) {
        onClick();
    }
}

void Control::raiseDblClick() const {
    if (onDblClick) {
        onDblClick();
    }
}

void Control::raiseTimer() const {
    if (onTimer) {
        onTimer();
    }
}

}  // namespace lwviz
