#include "platform/qt/desktop_contrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <utility>

namespace lwviz::qt {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kContrast = QStringLiteral("contrast");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kGnomeHighContrast = QStringLiteral("high-contrast");

// Read() answers with the value in a variant of its own.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

}  // namespace

DesktopContrast::DesktopContrast(std::function<void(bool)> changed) : changed_(std::move(changed)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(kPortal, kPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    read(kAppearance, kContrast);
    read(kGnomeInterface, kGnomeHighContrast);
}

// Asked without waiting: the program does not start any later for a portal that is slow to
// answer, or that has to be started first.
void DesktopContrast::read(const QString& group, const QString& key) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortal, kPath, kSettings, QStringLiteral("Read"));
    call << group << key;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, group, key](QDBusPendingCallWatcher* answered) {
                const QDBusPendingReply<QVariant> reply = *answered;
                if (!reply.isError()) {
                    take(group, key, reply.value());
                }
                answered->deleteLater();
            });
}

void DesktopContrast::settingChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3) {
        take(arguments[0].toString(), arguments[1].toString(), arguments[2]);
    }
}

void DesktopContrast::take(const QString& group, const QString& key, const QVariant& value) {
    const bool before = high();
    const QVariant setting = unwrapped(value);
    if (group == kAppearance && key == kContrast) {
        appearance_ = setting.toUInt() == 1;
    } else if (group == kGnomeInterface && key == kGnomeHighContrast) {
        gnome_ = setting.toBool();
    } else {
        return;
    }
    if (high() != before && changed_) {
        changed_(high());
    }
}

}  // namespace lwviz::qt
