#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <limits>

#include "ui/qt/lw_icon.h"

namespace lwviz::qt {

void prepareApplication() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setWindowIcon(lwIcon());
}

QtFrontEnd::QtFrontEnd() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (app_ != nullptr) {
            app_->wake();
        }
    });
}

QtFrontEnd::~QtFrontEnd() {
    timer_.stop();
    // Dialogs before their owners.
    while (!views_.empty()) {
        views_.pop_back();
    }
}

void QtFrontEnd::open(Application& app) {
    app_ = &app;
    app.start();
}

int QtFrontEnd::run(Application& app) {
    // The program decides when it ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    open(app);
    if (!exitStatus_) {
        const int status = QApplication::exec();
        exitStatus_ = exitStatus_.value_or(status);
    }
    return *exitStatus_;
}

WindowView* QtFrontEnd::view(const Window& window) const {
    const auto found = std::find_if(views_.begin(), views_.end(), [&window](const auto& view) {
        return &view->window() == &window;
    });
    return found == views_.end() ? nullptr : found->get();
}

void QtFrontEnd::show(Window& window, Window* owner) {
    WindowView* ownerView = owner == nullptr ? nullptr : view(*owner);
    views_.push_back(std::make_unique<WindowView>(window, *app_, ownerView));
    views_.back()->present();
}

void QtFrontEnd::apply(Control& control, std::uint8_t changes) {
    if (WindowView* shown = view(control.window())) {
        shown->apply(control, changes);
    }
}

void QtFrontEnd::place(Window& window) {
    if (WindowView* shown = view(window)) {
        shown->place();
    }
}

void QtFrontEnd::unloaded(Window& window) {
    const auto found = std::find_if(views_.begin(), views_.end(), [&window](const auto& view) {
        return &view->window() == &window;
    });
    if (found == views_.end()) {
        return;
    }
    (*found)->detach();
    (*found)->hide();
    // The unload may run inside a signal of one of the view's own widgets.
    app_->dispatcher().retire(std::shared_ptr<WindowView>(std::move(*found)));
    views_.erase(found);
}

void QtFrontEnd::wakeAfter(std::optional<std::int64_t> milliseconds) {
    if (!milliseconds) {
        timer_.stop();
        return;
    }
    timer_.start(
        static_cast<int>(std::min<std::int64_t>(*milliseconds, std::numeric_limits<int>::max())));
}

void QtFrontEnd::end(int status) {
    exitStatus_ = status;
    timer_.stop();
    QCoreApplication::exit(status);
}

NativeWindow QtFrontEnd::nativeHandle(const Window& window) {
    const WindowView* shown = view(window);
    return shown == nullptr ? 0 : static_cast<NativeWindow>(shown->winId());
}

}  // namespace lwviz::qt
