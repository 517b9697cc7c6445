#include "ui/qt/window_view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QWindow>
#include <algorithm>

#include "ui/qt/control_widgets.h"
#include "ui/qt/lw_icon.h"
#include "ui/qt/model_to_qt.h"

namespace lwviz::qt {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The frame the window manager draws around a window is known only once the window is on the
// screen; until then the last frame seen is the best guess (first of all, a classic frame of
// 3 pixels with a 19 pixel title bar).
constexpr int kMoveSettleMs = 100;

QMargins& lastFrameSeen() {
    static QMargins frame{3, 22, 3, 3};
    return frame;
}

Qt::WindowFlags flagsFor(const WindowStyle& style, bool hasOwner) {
    Qt::WindowFlags flags = hasOwner ? Qt::Dialog : Qt::Window;
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

QRect boundsOf(const Control& control) {
    if (control.kind() == ControlKind::Line) {
        return toPixels(control.definition().line);
    }
    return toPixels(control.definition().rect);
}

void setBackground(QWidget* widget, Colour colour) {
    QPalette palette = widget->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(QPalette::Window, qcolour);
    palette.setColor(QPalette::Base, qcolour);
    palette.setColor(QPalette::Button, qcolour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, Colour colour) {
    QPalette palette = widget->palette();
    const QColor qcolour = toQColor(colour);
    palette.setColor(QPalette::WindowText, qcolour);
    palette.setColor(QPalette::Text, qcolour);
    palette.setColor(QPalette::ButtonText, qcolour);
    widget->setPalette(palette);
}

// A multi-line box breaks its text at CR LF; Qt wants plain line feeds.
QString multiLineText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

}  // namespace

WindowView::WindowView(Window& window, ViewInput& input, QWidget* owner)
    : QWidget(owner, flagsFor(window.definition().style, owner != nullptr)),
      window_(window),
      input_(input) {
    const WindowDefinition& definition = window.definition();
    setWindowTitle(toQString(definition.caption));
    setWindowIcon(lwIcon());
    setFont(toQFont(definition.font));
    setAttribute(Qt::WA_DeleteOnClose, false);
    moveSettled_.setSingleShot(true);
    moveSettled_.setInterval(kMoveSettleMs);
    connect(&moveSettled_, &QTimer::timeout, this, [this] { reportPosition(); });

    for (Control& control : window.controls()) {
        if (control.kind() == ControlKind::Timer) {
            continue;  // never drawn
        }
        index_.emplace(&control, controls_.size());
        controls_.push_back({&control, nullptr});
    }
    // The view starts from the model as it is now; older changes are already in it.
    window.drainChangedControls([](Control& /*control*/) {});
    static_cast<void>(window.takeGeometryChanged());
    applyGeometry();
}

void WindowView::present() {
    // The focus goes to the enabled control with the lowest TabIndex that can take it.
    std::vector<const Shown*> focusable;
    for (const Shown& shown : controls_) {
        if (shown.widget != nullptr && (shown.widget->focusPolicy() & Qt::TabFocus) != 0 &&
            shown.control->enabled()) {
            focusable.push_back(&shown);
        }
    }
    const auto first =
        std::min_element(focusable.begin(), focusable.end(), [](const Shown* a, const Shown* b) {
            return a->control->definition().tabIndex < b->control->definition().tabIndex;
        });
    if (first != focusable.end()) {
        (*first)->widget->setFocus(Qt::OtherFocusReason);
    }
    show();
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
    }
}

void WindowView::refresh() {
    window_.drainChangedControls([this](Control& control) {
        const auto found = index_.find(&control);
        if (found == index_.end()) {
            return;
        }
        if (QWidget* widget = controls_[found->second].widget) {
            render(control, widget, control.changes());
        }
    });
    if (window_.takeGeometryChanged()) {
        applyGeometry();
    }
}

QWidget* WindowView::widgetFor(std::string_view name) const {
    for (const Shown& shown : controls_) {
        if (shown.control->name() == name) {
            return shown.widget;
        }
    }
    return nullptr;
}

std::vector<std::string> WindowView::shownControls() const {
    std::vector<std::string> names;
    for (const Shown& shown : controls_) {
        if (shown.widget != nullptr) {
            names.emplace_back(shown.control->name());
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

void WindowView::applyGeometry() {
    const QMargins margins = frame();
    usedFrame_ = margins;
    const int outerWidth = twipsToPixels(window_.width());
    const int outerHeight = twipsToPixels(window_.height());
    const QSize client(std::max(1, outerWidth - margins.left() - margins.right()),
                       std::max(1, outerHeight - margins.top() - margins.bottom()));
    if (window_.definition().style.fixedBorder) {
        setFixedSize(client);
    } else {
        resize(client);
    }
    // A top-level widget's position is that of its outer frame.
    move(twipsToPixels(window_.left()), twipsToPixels(window_.top()));
    syncWidgets();
}

// Once the window manager has framed the window, the client area is what its frame leaves of
// the outer size.
void WindowView::settleFrame() {
    QWindow* handle = windowHandle();
    if (handle == nullptr || !isVisible() || !handle->isExposed()) {
        return;
    }
    frameKnown_ = true;
    const QMargins margins = handle->frameMargins();
    lastFrameSeen() = margins;
    if (margins != usedFrame_) {
        applyGeometry();
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
    // While a window is mapped the window manager and Qt exchange a few positions before the
    // final one; only where the window comes to rest counts.
    if (!detached_) {
        moveSettled_.start();
    }
}

void WindowView::reportPosition() {
    moveSettled_.stop();
    if (detached_ || !frameKnown_) {
        return;
    }
    const QPoint corner = frameGeometry().topLeft();
    // Where the program put the window already: keep its exact twips.
    if (corner == QPoint(twipsToPixels(window_.left()), twipsToPixels(window_.top()))) {
        return;
    }
    input_.moved(window_, pixelsToTwips(corner.x()), pixelsToTwips(corner.y()));
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
    input_.closeRequested(window_);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        pressButton(ButtonRole::Default);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        pressButton(ButtonRole::Cancel);
        return;
    }
    QWidget::keyPressEvent(event);
}

void WindowView::pressButton(ButtonRole role) {
    if (detached_) {
        return;
    }
    for (const Shown& shown : controls_) {
        Control& control = *shown.control;
        if (control.kind() == ControlKind::CommandButton && control.definition().role == role &&
            control.enabled()) {
            input_.clicked(control);
            return;
        }
    }
    if (role == ButtonRole::Cancel) {
        input_.escapePressed(window_);
    }
}

void WindowView::syncWidgets() {
    const QRect client(QPoint(0, 0), size());
    bool changed = false;
    for (Shown& shown : controls_) {
        const bool wanted = shown.control->visible() && client.intersects(boundsOf(*shown.control));
        if (wanted && shown.widget == nullptr) {
            shown.widget = createWidget(*shown.control);
            changed = true;
        } else if (!wanted && shown.widget != nullptr) {
            delete shown.widget;
            shown.widget = nullptr;
            changed = true;
        }
    }
    if (changed) {
        orderFocus();
    }
}

void WindowView::orderFocus() {
    std::vector<const Shown*> chain;
    for (const Shown& shown : controls_) {
        if (shown.widget == nullptr) {
            continue;
        }
        const ControlKind kind = shown.control->kind();
        // Labels and lines lie under every other control.
        if (kind == ControlKind::Label || kind == ControlKind::Line) {
            shown.widget->lower();
        } else if ((shown.widget->focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(&shown);
        }
    }
    std::stable_sort(chain.begin(), chain.end(), [](const Shown* a, const Shown* b) {
        return a->control->definition().tabIndex < b->control->definition().tabIndex;
    });
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->widget, chain[i]->widget);
    }
}

QWidget* WindowView::createWidget(Control& control) {
    const ControlDefinition& definition = control.definition();
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = new LabelWidget(this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(
                (definition.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                Qt::AlignTop);
            if (definition.border == Border::FixedSingle) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            label->onDoubleClick = [this, &control] {
                if (!detached_) {
                    input_.doubleClicked(control);
                }
            };
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            if (definition.multiLine) {
                auto* box = new QPlainTextEdit(this);
                box->setReadOnly(true);
                // Room for a whole 56-character separator line of the log entry.
                box->document()->setDocumentMargin(2);
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                box->setTabChangesFocus(true);
                widget = box;
            } else {
                auto* box = new QLineEdit(this);
                // The working area's cells take typing: the engine reads what the user typed
                // at its next run.
                box->setReadOnly(definition.readOnly);
                connect(box, &QLineEdit::textEdited, this, [this, &control](const QString& text) {
                    if (!detached_) {
                        input_.typed(control, text.toStdString());
                    }
                });
                box->setAlignment(
                    (definition.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                    Qt::AlignVCenter);
                widget = box;
            }
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(this);
            button->setAutoDefault(true);
            button->setDefault(definition.role == ButtonRole::Default);
            connect(button, &QPushButton::clicked, this, [this, &control] {
                if (!detached_) {
                    input_.clicked(control);
                }
            });
            widget = button;
            break;
        }
        case ControlKind::TickBox: {
            auto* box = new TickBoxWidget(this);
            connect(box, &QCheckBox::clicked, this, [this, &control] {
                if (!detached_) {
                    input_.clicked(control);
                }
            });
            widget = box;
            break;
        }
        case ControlKind::Line: {
            const LinePoints& line = definition.line;
            const QRect bounds = toPixels(line);
            const QPoint from(twipsToPixels(line.x1) - bounds.left(),
                              twipsToPixels(line.y1) - bounds.top());
            const QPoint to(twipsToPixels(line.x2) - bounds.left(),
                            twipsToPixels(line.y2) - bounds.top());
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
        setForeground(widget, *definition.foreColor);
    }
    widget->setGeometry(boundsOf(control));
    render(control, widget, kChangedText | kChangedBackColor | kChangedEnabled | kChangedValue);
    widget->show();
    return widget;
}

void WindowView::render(const Control& control, QWidget* widget, unsigned changes) {
    if ((changes & kChangedText) != 0) {
        const QString text = QString::fromStdString(control.text());
        switch (control.kind()) {
            case ControlKind::Label:
                static_cast<QLabel*>(widget)->setText(text);
                break;
            case ControlKind::TextBox:
                if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
                    box->setPlainText(multiLineText(control.text()));
                } else {
                    auto* line = static_cast<QLineEdit*>(widget);
                    // A box the user is typing into already shows its text; leave the cursor.
                    if (line->text() != text) {
                        line->setText(text);
                        // Show the start of a text wider than the box, not its end.
                        line->setCursorPosition(0);
                    }
                }
                break;
            case ControlKind::CommandButton:
            case ControlKind::TickBox:
                static_cast<QAbstractButton*>(widget)->setText(text);
                break;
            case ControlKind::Timer:
            case ControlKind::Line:
                break;
        }
    }
    if ((changes & kChangedBackColor) != 0) {
        if (const std::optional<Colour> back = control.backColor()) {
            setBackground(widget, *back);
        }
    }
    if ((changes & kChangedEnabled) != 0) {
        widget->setEnabled(control.enabled());
    }
    if ((changes & kChangedValue) != 0 && control.kind() == ControlKind::TickBox) {
        auto* box = static_cast<QCheckBox*>(widget);
        box->setTristate(control.value() == kGreyed);
        box->setCheckState(control.value() == kTicked   ? Qt::Checked
                           : control.value() == kGreyed ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
    }
}

}  // namespace lwviz::qt
