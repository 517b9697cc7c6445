#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <functional>

namespace lwviz::qt {

// Whether the desktop asks programs for high contrast, as its settings portal tells: the
// freedesktop appearance setting ("contrast": 1 for more), or GNOME's high-contrast switch,
// which GNOME's portal passes on. The answer comes after the program has started, and again
// at every change, through `changed`; with no portal, the answer is no.
class DesktopContrast final : public QObject {
    Q_OBJECT

public:
    explicit DesktopContrast(std::function<void(bool)> changed);

    [[nodiscard]] bool high() const noexcept { return appearance_ || gnome_; }

private slots:
    void settingChanged(const QDBusMessage& message);

private:
    void read(const QString& group, const QString& key);
    void take(const QString& group, const QString& key, const QVariant& value);

    std::function<void(bool)> changed_;
    bool appearance_ = false;
    bool gnome_ = false;
};

}  // namespace lwviz::qt
