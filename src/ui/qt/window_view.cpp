#include "ui/qt/window_view.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QWindow>
#include <algorithm>

#include "core/text_fit.h"
#include "core/window_placement.h"
#include "ui/qt/control_widgets.h"
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

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setColours(QWidget* widget, Colour colour, std::initializer_list<QPalette::ColorRole> roles) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, toQColor(colour));
    }
    widget->setPalette(palette);
}

Qt::Alignment alignmentOf(const ControlDefinition& definition, Qt::Alignment vertical) {
    return (definition.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
           vertical;
}

// Pixels between a multi-line box's frame and its text.
constexpr int kReportMargin = 2;

// A multi-line box shows its whole text: its lines are never wrapped nor cut off at the bottom,
// whatever the fonts installed here or the text's length (a long computer name).
void fitText(QPlainTextEdit& box, const Font& design) {
    const QStringList lines = box.toPlainText().split(QLatin1Char('\n'));
    const QRect room =
        box.contentsRect().adjusted(kReportMargin, kReportMargin, -kReportMargin, -kReportMargin);
    const auto sized = [&design](double points) {
        return toQFont(Font{design.face, points, design.bold});
    };
    // One pixel less: the text layout keeps room for the cursor.
    const double points = pointsToFitLines(
        design.points, {room.width() - 1, room.height()}, static_cast<std::size_t>(lines.size()),
        [&](double candidate, std::size_t line) {
            const QFontMetrics metrics(sized(candidate));
            return TextExtent{metrics.horizontalAdvance(lines[static_cast<qsizetype>(line)]),
                              metrics.lineSpacing()};
        });
    box.setFont(sized(points));
}

}  // namespace

WindowView::WindowView(Window& window, Application& app, WindowView* owner)
    : QWidget(nullptr, flagsFor(window.definition().style, owner != nullptr)),
      window_(window),
      app_(app),
      widgets_(window.controls().size(), nullptr) {
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
        render(control, widget, changes);
    }
}

QWidget* WindowView::widgetFor(std::string_view name) const {
    for (const Control& control : window_.controls()) {
        if (control.name() == name) {
            return widgets_[control.index()];
        }
    }
    return nullptr;
}

std::vector<std::string> WindowView::shownControls() const {
    std::vector<std::string> names;
    for (const Control& control : window_.controls()) {
        if (widgets_[control.index()] != nullptr) {
            names.emplace_back(control.name());
        }
    }
    return names;
}

QMargins WindowView::frame() const {
    if (frameKnown_ && windowHandle() != nullptr) {
        return windowHandle()->frameMargins();
    }
    return lastFrameSeen();
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
            widget = createWidget(control);
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
}

QWidget* WindowView::createWidget(Control& control) {
    const ControlDefinition& definition = control.definition();
    const PixelRect bounds = pixelBounds(control, kStandardDpi);
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = new LabelWidget(this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(alignmentOf(definition, Qt::AlignTop));
            if (definition.border == Border::FixedSingle) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            label->onDoubleClick = [this, &control] {
                forward([&] { app_.doubleClick(control); });
            };
            widget = label;
            break;
        }
        case ControlKind::TextBox:
            if (definition.multiLine) {
                auto* box = new QPlainTextEdit(this);
                box->setReadOnly(true);
                box->document()->setDocumentMargin(kReportMargin);
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                box->setTabChangesFocus(true);
                widget = box;
            } else {
                auto* box = new QLineEdit(this);
                box->setReadOnly(definition.readOnly);
                box->setAlignment(alignmentOf(definition, Qt::AlignVCenter));
                connect(box, &QLineEdit::textEdited, this, [this, &control](const QString& text) {
                    forward([&] { app_.typed(control, text.toStdString()); });
                });
                widget = box;
            }
            break;
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(this);
            button->setAutoDefault(true);
            button->setDefault(definition.role == ButtonRole::Default);
            connect(button, &QPushButton::clicked, this,
                    [this, &control] { forward([&] { app_.click(control); }); });
            widget = button;
            break;
        }
        case ControlKind::TickBox: {
            auto* box = new TickBoxWidget(this);
            connect(box, &QCheckBox::clicked, this,
                    [this, &control] { forward([&] { app_.click(control); }); });
            widget = box;
            break;
        }
        case ControlKind::Line: {
            const LinePoints& line = definition.line;
            const QPoint from(twipsToPixels(line.x1, kStandardDpi) - bounds.left,
                              twipsToPixels(line.y1, kStandardDpi) - bounds.top);
            const QPoint to(twipsToPixels(line.x2, kStandardDpi) - bounds.left,
                            twipsToPixels(line.y2, kStandardDpi) - bounds.top);
            widget = new LineWidget(QLine(from, to), this);
            break;
        }
        case ControlKind::Timer:
            return nullptr;
    }
    if (definition.font) {
        widget->setFont(toQFont(*definition.font));
    }
    if (definition.foreColor) {
        setColours(widget, *definition.foreColor,
                   {QPalette::WindowText, QPalette::Text, QPalette::ButtonText});
    }
    widget->setGeometry(toQRect(bounds));
    render(control, widget, kChangedText | kChangedBackColor | kChangedEnabled | kChangedValue);
    widget->show();
    return widget;
}

void WindowView::render(const Control& control, QWidget* widget, unsigned changes) {
    if ((changes & kChangedText) != 0) {
        const QString text = QString::fromStdString(control.text());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            // A multi-line box breaks its text at CR LF; Qt wants plain line feeds.
            box->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            fitText(*box, control.definition().font.value_or(control.window().definition().font));
        } else if (auto* line = qobject_cast<QLineEdit*>(widget);
                   line != nullptr && line->text() != text) {
            // A box the user is typing into already shows its text; leave the cursor. Show the
            // start of a text wider than the box, not its end.
            line->setText(text);
            line->setCursorPosition(0);
        }
    }
    if ((changes & kChangedBackColor) != 0) {
        if (const std::optional<Colour> back = control.backColor()) {
            setColours(widget, *back, {QPalette::Window, QPalette::Base, QPalette::Button});
            widget->setAutoFillBackground(true);
        }
    }
    if ((changes & kChangedEnabled) != 0) {
        widget->setEnabled(control.enabled());
    }
    if ((changes & kChangedValue) != 0) {
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setTristate(control.value() == kGreyed);
            box->setCheckState(control.value() == kTicked   ? Qt::Checked
                               : control.value() == kGreyed ? Qt::PartiallyChecked
                                                            : Qt::Unchecked);
        }
    }
}

}  // namespace lwviz::qt
