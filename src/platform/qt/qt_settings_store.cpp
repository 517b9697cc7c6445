#include "platform/qt/qt_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <chrono>

#include "core/runtime_failure.h"

namespace lwviz::qt {
namespace {

// Another save holds the lock for milliseconds; a lock that stays longer is taken for a
// settings file that cannot be written.
constexpr std::chrono::seconds kLockWait{3};

QString configFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules; following it would make the
    // settings depend on the working directory.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        return QDir::homePath() + QStringLiteral("/.config");
    }
    return folder;
}

QString iniPath(const std::string& application) {
    // The application name becomes a file name; one that could leave the folder is refused.
    if (application.empty() || application.find('/') != std::string::npos || application == "." ||
        application == "..") {
        throw RuntimeFailure(RuntimeFailure::kBadFileNameOrNumber,
                             "Bad settings application name \"" + application + "\"");
    }
    return configFolder() + QLatin1Char('/') + QString::fromStdString(application) +
           QStringLiteral(".ini");
}

[[noreturn]] void failSave(const std::string& key, const QString& path) {
    throw RuntimeFailure(RuntimeFailure::kPathFileAccessError,
                         "Cannot save the setting \"" + key + "\" to \"" + path.toStdString() +
                             "\": the file cannot be written");
}

// QSettings waits for the lock file beside the INI file without end, and one that a crashed
// save left in a folder the user cannot write is never removed. So a lock file that is there
// is waited for here, a few seconds at most (QLockFile removes it when it is stale and may be
// removed), and released again for QSettings to take.
bool lockFreedInTime(const QString& iniPath) {
    QLockFile lock(iniPath + QStringLiteral(".lock"));
    return !QFileInfo::exists(lock.fileName()) || lock.tryLock(kLockWait);
}

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

std::string QtSettingsStore::filePath(const std::string& application) {
    return iniPath(application).toStdString();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the port's signature
std::optional<std::string> QtSettingsStore::get(const std::string& application,
                                                const std::string& section,
                                                const std::string& key) {
    const QSettings settings(iniPath(application), QSettings::IniFormat);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with bare commas reads as a list; give the caller its text back.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.toString().toStdString();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the port's signature
void QtSettingsStore::save(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& text) {
    const QString path = iniPath(application);
    if (!lockFreedInTime(path)) {
        failSave(key, path);
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(keyPath(section, key), QString::fromStdString(text));
    settings.sync();
    // QSettings reports lines it could not parse as a format error, yet still writes the file;
    // only a write that did not happen is a failure.
    if (settings.status() == QSettings::AccessError) {
        failSave(key, path);
    }
}

}  // namespace lwviz::qt
