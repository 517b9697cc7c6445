#include "ui/qt/window_view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QWindow>

#include "core/window_placement.h"
#include "platform/qt/x11_frame_extents.h"
#include "ui/qt/accessible_views.h"
#include "ui/qt/lw_icon.h"
#include "ui/qt/model_to_qt.h"

namespace lwviz::qt {
namespace {

// While a window is mapped the window manager and Qt exchange a few positions before the
// final one; only where the window comes to rest counts.
constexpr int kMoveSettleMs = 100;

// The frame the window manager draws around a window is known only once the window is on the
// screen; until then the last frame seen is the best guess (first of all, the design's).
QMargins& lastFrameSeen() {
    static QMargins frame = [] {
        const FrameMargins design = designFrame(kStandardDpi);
        return QMargins(design.left, design.top, design.right, design.bottom);
    }();
    return frame;
}

Qt::WindowFlags flagsFor(const WindowStyle& style, bool dialog) {
    Qt::WindowFlags flags = dialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (style.minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (style.maximizeButton) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

}  // namespace

WindowView::WindowView(Window& window, Application& app, WindowView* owner)
    : QWidget(nullptr, flagsFor(window.definition().style, owner != nullptr)),
      window_(window),
      app_(app),
      widgets_(window.controls().size(), nullptr),
      dialog_(owner != nullptr) {
    const WindowDefinition& definition = window.definition();
    setWindowTitle(toQString(definition.caption));
    setWindowIcon(lwIcon());
    setFont(toQFont(definition.font));
    if (owner != nullptr) {
        // Modal but not blocking: the event loop, and with it the owner's timers, keep running.
        setWindowModality(Qt::ApplicationModal);
        winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    moveSettled_.setSingleShot(true);
    moveSettled_.setInterval(kMoveSettleMs);
    connect(&moveSettled_, &QTimer::timeout, this, [this] { reportPosition(); });
    // Asked of the window manager before the window is shown, so that it opens where it
    // belongs rather than moving once it is framed.
    winId();
    frameAhead_ = frameExtentsAhead(*windowHandle());
    place();
}

void WindowView::present() {
    if (const Control* first = window_.layout().firstFocus()) {
        widgets_[first->index()]->setFocus(Qt::OtherFocusReason);
    }
    show();
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
    }
}

void WindowView::apply(const Control& control, unsigned changes) {
    if (QWidget* widget = widgets_[control.index()]) {
        renderControl(control, *widget, changes);
    }
}

QMargins WindowView::frame() const {
    if (frameKnown_ && windowHandle() != nullptr) {
        return windowHandle()->frameMargins();
    }
    return frameAhead_.value_or(lastFrameSeen());
}

// The client area is the design's whatever frame the window manager draws, and the client is
// placed itself (not the frame, whose size the window manager tells when it likes) so that the
// real frame's outer corner lands on the window's place.
void WindowView::place() {
    const QMargins margins = frame();
    usedFrame_ = margins;
    const PixelRect client = clientOnScreen(
        window_, {margins.left(), margins.top(), margins.right(), margins.bottom()}, kStandardDpi);
    if (window_.definition().style.fixedBorder) {
        setFixedSize(client.width(), client.height());
    }
    setGeometry(toQRect(client));
    if (window_.layout().fit(client.width(), client.height(), kStandardDpi)) {
        syncWidgets();
    }
}

// Once the window manager has framed the window, its real frame decides where the client goes.
void WindowView::settleFrame() {
    QWindow* handle = windowHandle();
    if (handle == nullptr || !isVisible() || !handle->isExposed()) {
        return;
    }
    frameKnown_ = true;
    const QMargins margins = handle->frameMargins();
    lastFrameSeen() = margins;
    if (margins != usedFrame_) {
        place();
    }
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        settleFrame();
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    settleFrame();
}

void WindowView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    settleFrame();
    if (!detached_) {
        moveSettled_.start();
    }
}

// The outer corner is told by the frame the window was placed with: a window that was not
// moved keeps its place exactly, whatever the window manager says of its frame meanwhile.
void WindowView::reportPosition() {
    moveSettled_.stop();
    if (frameKnown_) {
        const QPoint client = geometry().topLeft();
        forward([&] {
            app_.moved(window_, client.x() - usedFrame_.left(), client.y() - usedFrame_.top(),
                       isMinimized());
        });
    }
}

void WindowView::closeEvent(QCloseEvent* event) {
    if (detached_) {
        event->accept();
        return;
    }
    if (moveSettled_.isActive()) {
        reportPosition();
    }
    // The program decides; an unload takes the view away.
    event->ignore();
    app_.closeWindow(window_);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        forward([this] { app_.enterKey(window_); });
    } else if (plain && event->key() == Qt::Key_Escape) {
        forward([this] { app_.escapeKey(window_); });
    } else {
        QWidget::keyPressEvent(event);
    }
}

void WindowView::syncWidgets() {
    const WindowLayout& layout = window_.layout();
    for (Control& control : window_.controls()) {
        QWidget*& widget = widgets_[control.index()];
        if (layout.drawn(control) && widget == nullptr) {
            widget = createControlWidget(control, *this, *this);
        } else if (!layout.drawn(control) && widget != nullptr) {
            delete widget;
            widget = nullptr;
        }
        // Labels and lines lie under every other control.
        if (widget != nullptr && !WindowLayout::takesFocus(control)) {
            widget->lower();
        }
    }
    const std::vector<Control*>& chain = layout.tabChain();
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(widgets_[chain[i - 1]->index()], widgets_[chain[i]->index()]);
    }
    nameControls(widgets_, window_);
}

void WindowView::recolour() {
    for (const Control& control : window_.controls()) {
        if (QWidget* widget = widgets_[control.index()]) {
            renderControl(control, *widget, kChangedBackColor);
        }
    }
}

void WindowView::click(Control& control) {
    forward([&] { app_.click(control); });
}

void WindowView::doubleClick(Control& control) {
    forward([&] { app_.doubleClick(control); });
}

void WindowView::typed(Control& control, const std::string& text) {
    forward([&] { app_.typed(control, text); });
}

}  // namespace lwviz::qt
