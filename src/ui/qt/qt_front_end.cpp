#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <limits>
#include <memory>

#include "ui/qt/accessible_views.h"
#include "ui/qt/lw_icon.h"

namespace lwviz::qt {

void prepareApplication() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setWindowIcon(lwIcon());
    installAccessibleViews();
}

QtFrontEnd::QtFrontEnd() {
    if (wakeTimer_.descriptor() >= 0) {
        wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeTimer_.descriptor(),
                                                          QSocketNotifier::Read);
        QObject::connect(wakeNotifier_.get(), &QSocketNotifier::activated, [this] {
            if (wakeTimer_.takeExpiry()) {
                wakeProgram();
            }
        });
    }
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { wakeProgram(); });
}

QtFrontEnd::~QtFrontEnd() {
    timer_.stop();
    views_.clear();
}

void QtFrontEnd::wakeProgram() {
    if (app_ != nullptr) {
        app_->wake();
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

void QtFrontEnd::show(Window& window, Window* owner) {
    WindowView* ownerView = owner == nullptr ? nullptr : view(*owner);
    views_.add(window, std::make_unique<WindowView>(window, *app_, ownerView)).present();
}

void QtFrontEnd::setHighContrast(bool high) {
    setDesktopColours(high);
    views_.forEach([](WindowView& view) { view.recolour(); });
}

void QtFrontEnd::takeDown(WindowView& view) {
    view.detach();
    view.hide();
}

void QtFrontEnd::wakeAt(std::optional<std::int64_t> dueMs, std::int64_t nowMs) {
    if (wakeNotifier_) {
        if (dueMs) {
            wakeTimer_.armAt(*dueMs);
        } else {
            wakeTimer_.disarm();
        }
        return;
    }
    if (!dueMs) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(
        std::clamp<std::int64_t>(*dueMs - nowMs, 0, std::numeric_limits<int>::max())));
}

void QtFrontEnd::end(int status) {
    exitStatus_ = status;
    timer_.stop();
    wakeTimer_.disarm();
    QCoreApplication::exit(status);
}

NativeWindow QtFrontEnd::nativeHandle(const Window& window) {
    const WindowView* shown = view(window);
    return shown == nullptr ? 0 : static_cast<NativeWindow>(shown->winId());
}

}  // namespace lwviz::qt
