#include "platform/qt/qt_wake_up.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace lwviz::qt {

QtWakeUp::QtWakeUp(std::function<void()> wake) : wake_(std::move(wake)) {
    if (timer_.descriptor() >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(timer_.descriptor(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            // Nothing to read: it was armed anew since it became readable, and is not due yet.
            if (timer_.takeExpiry()) {
                wake_();
            }
        });
    }
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { wake_(); });
}

void QtWakeUp::wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) {
    if (notifier_ && dueMs) {
        timer_.armAt(*dueMs);
    } else if (notifier_) {
        timer_.disarm();
    } else if (dueMs) {
        fallback_.start(static_cast<int>(
            std::clamp<std::int64_t>(*dueMs - nowMs, 0, std::numeric_limits<int>::max())));
    } else {
        fallback_.stop();
    }
}

}  // namespace lwviz::qt
