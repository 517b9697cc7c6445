#include "platform/qt/qt_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include "core/runtime_failure.h"

namespace lwviz::qt {
namespace {

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
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(keyPath(section, key), QString::fromStdString(text));
    settings.sync();
    // QSettings reports lines it could not parse as a format error, yet still writes the file;
    // only a write that did not happen is a failure.
    if (settings.status() == QSettings::AccessError) {
        throw RuntimeFailure(RuntimeFailure::kPathFileAccessError,
                             "Cannot save the setting \"" + key + "\" to \"" + path.toStdString() +
                                 "\": the file cannot be written");
    }
}

}  // namespace lwviz::qt
