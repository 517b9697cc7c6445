#include "ui/qt/widget_factory.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <initializer_list>

#include "core/accessibility.h"
#include "core/text_fit.h"
#include "core/window.h"
#include "ui/qt/accessible_views.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/model_to_qt.h"

namespace lwviz::qt {
namespace {

bool& desktopColours() {
    static bool desktop = false;
    return desktop;
}

void setColours(QWidget& widget, Colour colour, std::initializer_list<QPalette::ColorRole> roles) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, toQColor(colour));
    }
    widget.setPalette(palette);
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

QWidget* labelWidget(Control& control, QWidget& parent, ControlInput& input) {
    const ControlDefinition& definition = control.definition();
    auto* label = new LabelWidget(&parent);
    label->control = &control;
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignmentOf(definition, Qt::AlignTop));
    if (definition.border == Border::FixedSingle) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    label->onClick = [&input, &control] { input.click(control); };
    label->onDoubleClick = [&input, &control] { input.doubleClick(control); };
    return label;
}

QWidget* textBoxWidget(Control& control, QWidget& parent, ControlInput& input) {
    const ControlDefinition& definition = control.definition();
    if (definition.multiLine) {
        auto* box = new QPlainTextEdit(&parent);
        box->setReadOnly(true);
        box->document()->setDocumentMargin(kReportMargin);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        return box;
    }
    auto* box = new QLineEdit(&parent);
    box->setReadOnly(definition.readOnly);
    box->setAlignment(alignmentOf(definition, Qt::AlignVCenter));
    QObject::connect(box, &QLineEdit::textEdited, box, [&input, &control](const QString& text) {
        input.typed(control, text.toStdString());
    });
    return box;
}

QWidget* lineWidget(const Control& control, QWidget& parent, const PixelRect& bounds) {
    const LinePoints& line = control.definition().line;
    const QPoint from(twipsToPixels(line.x1, kStandardDpi) - bounds.left,
                      twipsToPixels(line.y1, kStandardDpi) - bounds.top);
    const QPoint to(twipsToPixels(line.x2, kStandardDpi) - bounds.left,
                    twipsToPixels(line.y2, kStandardDpi) - bounds.top);
    return new LineWidget(QLine(from, to), &parent);
}

}  // namespace

QWidget* createControlWidget(Control& control, QWidget& parent, ControlInput& input) {
    const ControlDefinition& definition = control.definition();
    const PixelRect bounds = pixelBounds(control, kStandardDpi);
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case ControlKind::Label:
            widget = labelWidget(control, parent, input);
            break;
        case ControlKind::TextBox:
            widget = textBoxWidget(control, parent, input);
            break;
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(&parent);
            button->setAutoDefault(true);
            button->setDefault(definition.role == ButtonRole::Default);
            QObject::connect(button, &QPushButton::clicked, button,
                             [&input, &control] { input.click(control); });
            widget = button;
            break;
        }
        case ControlKind::TickBox: {
            auto* box = new TickBoxWidget(&parent);
            QObject::connect(box, &QCheckBox::clicked, box,
                             [&input, &control] { input.click(control); });
            widget = box;
            break;
        }
        case ControlKind::Line:
            widget = lineWidget(control, parent, bounds);
            break;
        case ControlKind::Timer:
            return nullptr;
    }
    if (definition.font) {
        widget->setFont(toQFont(*definition.font));
    }
    widget->setGeometry(toQRect(bounds));
    renderControl(control, *widget,
                  kChangedText | kChangedBackColor | kChangedEnabled | kChangedValue);
    widget->show();
    return widget;
}

namespace {

void renderText(const Control& control, QWidget& widget) {
    const QString text = QString::fromStdString(control.text());
    switch (control.kind()) {
        case ControlKind::Label:
            static_cast<QLabel&>(widget).setText(text);
            if (control.definition().accessible.role == AccessibleRole::StatusBar) {
                phaseChanged(widget);
            }
            break;
        case ControlKind::CommandButton:
        case ControlKind::TickBox:
            static_cast<QAbstractButton&>(widget).setText(text);
            break;
        case ControlKind::TextBox:
            if (control.definition().multiLine) {
                // A multi-line box breaks its text at CR LF; Qt wants plain line feeds.
                auto& box = static_cast<QPlainTextEdit&>(widget);
                box.setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
                fitText(box,
                        control.definition().font.value_or(control.window().definition().font));
            } else if (auto& line = static_cast<QLineEdit&>(widget); line.text() != text) {
                // A box the user is typing into already shows its text; leave the cursor.
                // Show the start of a text wider than the box, not its end.
                line.setText(text);
                line.setCursorPosition(0);
            }
            break;
        case ControlKind::Line:
        case ControlKind::Timer:
            break;
    }
}

// The shown colours; the desktop's where there are none (an empty palette inherits).
void applyColours(const Control& control, QWidget& widget) {
    const ShownColours shown = shownColours(control, desktopColours());
    if (!shown.fore && !shown.back) {
        if (desktopColours()) {  // colours the design gave it before are dropped
            widget.setPalette(QPalette());
            widget.setAutoFillBackground(false);
        }
        return;
    }
    if (shown.fore) {
        setColours(widget, *shown.fore,
                   {QPalette::WindowText, QPalette::Text, QPalette::ButtonText});
    }
    if (shown.back) {
        setColours(widget, *shown.back, {QPalette::Window, QPalette::Base, QPalette::Button});
        widget.setAutoFillBackground(true);
    }
}

}  // namespace

void setDesktopColours(bool desktop) { desktopColours() = desktop; }

void renderControl(const Control& control, QWidget& widget, unsigned changes) {
    if ((changes & kChangedText) != 0) {
        renderText(control, widget);
    }
    if ((changes & kChangedBackColor) != 0) {
        applyColours(control, widget);
    }
    if ((changes & kChangedEnabled) != 0) {
        widget.setEnabled(control.enabled());
    }
    if ((changes & kChangedValue) != 0 && control.kind() == ControlKind::TickBox) {
        auto& box = static_cast<QCheckBox&>(widget);
        box.setTristate(control.value() == kGreyed);
        box.setCheckState(control.value() == kTicked   ? Qt::Checked
                          : control.value() == kGreyed ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
    }
}

}  // namespace lwviz::qt
