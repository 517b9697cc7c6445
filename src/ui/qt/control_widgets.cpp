#include "ui/qt/control_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <utility>

namespace lwviz::qt {

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, text());
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();  // the release then comes here
        return;
    }
    QLabel::mousePressEvent(event);
}

// A click is a press and a release on the label, as a button takes it.
void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(doubled_, false)) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick) {
        onClick();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onDoubleClick) {
        doubled_ = true;
        onDoubleClick();
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void TickBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    const QRect indicatorRect =
        style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.rect = QRect(QPoint(indicatorRect.left(), (height() - indicatorRect.height()) / 2),
                           indicatorRect.size());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textArea = rect().adjusted(indicator.rect.right() + 1 + spacing, 0, 0, 0);
    constexpr int kFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(textArea, kFlags, palette(), isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(textArea, kFlags, text()).adjusted(-1, 0, 1, 0) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool TickBoxWidget::hitButton(const QPoint& pos) const { return rect().contains(pos); }

LineWidget::LineWidget(QLine line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(line_);
}

}  // namespace lwviz::qt
