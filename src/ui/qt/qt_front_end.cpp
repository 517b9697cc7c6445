#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <limits>
#include <vector>

#include "ui/qt/lw_icon.h"

namespace lwviz::qt {

void prepareApplication() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setWindowIcon(lwIcon());
}

QtFrontEnd::QtFrontEnd(MonotonicClock& clock) : clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { wake(); });
}

QtFrontEnd::~QtFrontEnd() {
    // The application may be gone already (it is made after the front-end): touch only the views.
    timer_.stop();
    // Views the program still had on the screen.
    std::vector<WindowView*> owners;
    for (auto& [window, view] : views_) {
        view->detach();
        if (view->parentWidget() == nullptr) {
            owners.push_back(view);
        }
    }
    views_.clear();
    // Deleting an owner deletes its dialogs with it.
    for (WindowView* owner : owners) {
        delete owner;
    }
    // Views of unloaded windows that the event loop had no chance to delete.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool QtFrontEnd::open(Application& app) {
    app_ = &app;
    app.dispatcher().onEnd = [this](int status) {
        exitStatus_ = status;
        timer_.stop();
        QCoreApplication::exit(status);
    };
    app.start();
    if (app.ended()) {
        return false;
    }
    auto* main = new WindowView(app.mainWindow(), *this);
    views_[&app.mainWindow()] = main;
    main->present();
    rearm();
    return true;
}

int QtFrontEnd::run(Application& app) {
    // The program decides when it ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    if (open(app)) {
        const int status = QApplication::exec();
        if (!exitStatus_) {
            exitStatus_ = status;
        }
    }
    return exitStatus_.value_or(app.exitStatus().value_or(0));
}

void QtFrontEnd::afterEvent() {
    for (auto& [window, view] : views_) {
        view->refresh();
    }
    rearm();
}

void QtFrontEnd::rearm() {
    const std::optional<std::int64_t> due =
        app_ != nullptr && !app_->ended() ? app_->nextDueMs() : std::nullopt;
    if (!due) {
        timer_.stop();
        return;
    }
    const std::int64_t wait =
        std::clamp<std::int64_t>(*due - clock_.nowMs(), 0, std::numeric_limits<int>::max());
    timer_.start(static_cast<int>(wait));
}

void QtFrontEnd::wake() {
    if (app_ == nullptr) {
        return;
    }
    app_->fireDueTimers();
    afterEvent();
}

WindowView* QtFrontEnd::view(const Window& window) const {
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : found->second;
}

NativeWindow QtFrontEnd::nativeHandle(const Window& window) {
    WindowView* shown = view(window);
    return shown == nullptr ? 0 : static_cast<NativeWindow>(shown->winId());
}

void QtFrontEnd::showModal(Window& window, Window& owner) {
    // Modal but not blocking: the event loop, and with it the owner's timers, keep running.
    auto* dialog = new WindowView(window, *this, view(owner));
    dialog->setWindowModality(Qt::ApplicationModal);
    views_[&window] = dialog;
    dialog->present();
}

void QtFrontEnd::unloaded(Window& window) {
    const auto found = views_.find(&window);
    if (found == views_.end()) {
        return;
    }
    WindowView* gone = found->second;
    views_.erase(found);
    gone->detach();
    gone->hide();
    // The unload may run inside a signal of one of the view's own widgets.
    gone->deleteLater();
}

void QtFrontEnd::clicked(Control& control) {
    app_->click(control);
    afterEvent();
}

void QtFrontEnd::doubleClicked(Control& control) {
    app_->doubleClick(control);
    afterEvent();
}

void QtFrontEnd::typed(Control& textBox, const std::string& text) {
    app_->typed(textBox, text);
    afterEvent();
}

void QtFrontEnd::closeRequested(Window& window) {
    app_->closeWindow(window);
    afterEvent();
}

void QtFrontEnd::escapePressed(Window& window) {
    app_->escapeKey(window);
    afterEvent();
}

void QtFrontEnd::moved(Window& window, float left, float top) { app_->movedTo(window, left, top); }

}  // namespace lwviz::qt
