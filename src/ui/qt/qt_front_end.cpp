#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QStyleFactory>
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

QtFrontEnd::QtFrontEnd()
    : wakeUp_([this] {
          if (app_ != nullptr) {
              app_->wake();
          }
      }) {}

QtFrontEnd::~QtFrontEnd() {
    wakeUp_.wakeAt(std::nullopt, 0);
    views_.clear();
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
    wakeUp_.wakeAt(dueMs, nowMs);
}

void QtFrontEnd::end(int status) {
    exitStatus_ = status;
    wakeUp_.wakeAt(std::nullopt, 0);
    QCoreApplication::exit(status);
}

}  // namespace lwviz::qt
