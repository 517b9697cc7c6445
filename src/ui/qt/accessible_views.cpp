#include "ui/qt/accessible_views.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>

#include "core/accessibility.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/model_to_qt.h"
#include "ui/qt/window_view.h"

namespace lwviz::qt {
namespace {

// The phase a status line shows, as the one item of the status bar: a screen reader reads a
// status bar's items, not the bar's own name.
class PhaseItem final : public QAccessibleInterface {
public:
    explicit PhaseItem(QLabel* line) : line_(line) {}
    [[nodiscard]] bool isValid() const override { return !line_.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return parent()->window(); }
    [[nodiscard]] QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation /*match*/) const override {
        return {};
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(line_.data());
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
        return -1;
    }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? line_->text() : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    [[nodiscard]] QRect rect() const override { return parent()->rect(); }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::StaticText; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }

private:
    QPointer<QLabel> line_;
};

// A label the model says more of than its text: the status line, or one with an action.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label)
        : QAccessibleWidget(
              label, label->control->definition().accessible.role == AccessibleRole::StatusBar
                         ? QAccessible::StatusBar
                         : QAccessible::StaticText),
          label_(label) {}
    LabelAccessible(const LabelAccessible&) = delete;
    LabelAccessible& operator=(const LabelAccessible&) = delete;
    LabelAccessible(LabelAccessible&&) = delete;
    LabelAccessible& operator=(LabelAccessible&&) = delete;
    ~LabelAccessible() override {
        if (phase_ != 0) {
            QAccessible::deleteAccessibleInterface(phase_);
        }
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const std::string name = accessibleName(*label_->control);
            return name.empty() ? label_->text() : QString::fromStdString(name);
        }
        return QAccessibleWidget::text(t);
    }
    [[nodiscard]] int childCount() const override { return statusBar() ? 1 : 0; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        return statusBar() && index == 0 ? phase() : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        return statusBar() && child == phase() ? 0 : -1;
    }
    [[nodiscard]] QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!action().isEmpty()) {
            names.append(action());
        }
        return names;
    }
    void doAction(const QString& name) override {
        if (!action().isEmpty() && name == action() && label_->onDoubleClick) {
            label_->onDoubleClick();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

    [[nodiscard]] QAccessibleInterface* phase() const {
        if (phase_ == 0) {
            phase_ = QAccessible::registerAccessibleInterface(new PhaseItem(label_));
        }
        return QAccessible::accessibleInterface(phase_);
    }

private:
    [[nodiscard]] bool statusBar() const { return role() == QAccessible::StatusBar; }
    [[nodiscard]] QString action() const {
        return toQString(label_->control->definition().accessible.doubleClickAction);
    }

    LabelWidget* label_;
    mutable QAccessible::Id phase_ = 0;
};

// A window: a frame, or a dialog that is modal while it is open, with its children in
// reading order whatever the order they are stacked in.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(WindowView* view)
        : QAccessibleWidget(view, view->isDialog() ? QAccessible::Dialog : QAccessible::Window),
          view_(view) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = view_->isModal();
        return state;
    }
    [[nodiscard]] int childCount() const override { return static_cast<int>(children().size()); }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> all = children();
        return index >= 0 && static_cast<std::size_t>(index) < all.size()
                   ? QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)])
                   : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> all = children();
        const auto found = std::find(all.begin(), all.end(), child->object());
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }

private:
    // The controls' widgets in reading order, then any other shown child (the lines).
    [[nodiscard]] std::vector<QWidget*> children() const {
        std::vector<QWidget*> all;
        for (const Control* control : readingOrder(view_->window())) {
            if (QWidget* widget = view_->widgetOf(*control)) {
                all.push_back(widget);
            }
        }
        for (QObject* object : view_->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget != nullptr && !widget->isWindow() && !widget->isHidden() &&
                std::find(all.begin(), all.end(), widget) == all.end()) {
                all.push_back(widget);
            }
        }
        return all;
    }

    WindowView* view_;
};

QAccessibleInterface* accessibleView(const QString& /*key*/, QObject* object) {
    if (auto* view = dynamic_cast<WindowView*>(object)) {
        return new WindowAccessible(view);
    }
    auto* label = dynamic_cast<LabelWidget*>(object);
    if (label == nullptr || label->control == nullptr) {
        return nullptr;
    }
    const AccessibleDefinition& accessible = label->control->definition().accessible;
    if (accessible.role == AccessibleRole::StatusBar || !accessible.doubleClickAction.empty()) {
        return new LabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

void installAccessibleViews() { QAccessible::installFactory(accessibleView); }

void nameControls(const std::vector<QWidget*>& widgets, const Window& window) {
    for (const Control& control : window.controls()) {
        QWidget* widget = widgets[control.index()];
        if (widget == nullptr) {
            continue;
        }
        // A label with a name of its own then keeps it when its text changes (the status line).
        if (const std::string name = accessibleName(control); !name.empty()) {
            widget->setAccessibleName(QString::fromStdString(name));
        }
        widget->setAccessibleDescription(toQString(control.definition().accessible.description));
        const Control* named = namedBy(control);
        if (auto* caption = qobject_cast<QLabel*>(widget); caption != nullptr && named != nullptr) {
            caption->setBuddy(widgets[named->index()]);
        }
    }
}

void phaseChanged(QWidget& statusLine) {
    if (!QAccessible::isActive()) {
        return;
    }
    auto* bar = dynamic_cast<LabelAccessible*>(QAccessible::queryAccessibleInterface(&statusLine));
    if (bar != nullptr) {
        QAccessibleEvent event(bar->phase(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace lwviz::qt
