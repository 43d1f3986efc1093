#include "gui/platform/qt_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

QString groupOf(std::string_view key, std::string_view section) {
    return qs(key) + u'/' + qs(section);
}

}  // namespace

QString QtSettingsStore::defaultIniFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quintaro/Quintaro.ini");
}

QtSettingsStore::QtSettingsStore() {
#ifndef Q_OS_WIN
    const QString overridden = qEnvironmentVariable("QUINTARO_SETTINGS_FILE");
    iniFile_ = overridden.isEmpty() ? defaultIniFile() : overridden;
#else
    const QString overridden = qEnvironmentVariable("QUINTARO_SETTINGS_FILE");
    iniFile_ = overridden;
#endif
}

QtSettingsStore::QtSettingsStore(const QString& iniFile) : iniFile_(iniFile) {}

QString QtSettingsStore::location() const {
    return iniFile_.isEmpty() ? QStringLiteral("HKEY_CURRENT_USER\\Software\\Quintaro") : iniFile_;
}

namespace {
std::unique_ptr<QSettings> open(const QString& iniFile) {
    if (iniFile.isEmpty()) {
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quintaro"),
                                           QSettings::NativeFormat);
    }
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}
}  // namespace

std::optional<std::string> QtSettingsStore::read(std::string_view key, std::string_view section,
                                                 std::string_view name) {
    auto settings = open(iniFile_);
    settings->beginGroup(groupOf(key, section));
    const QString valueName = qs(name);
    if (!settings->contains(valueName)) {
        return std::nullopt;
    }
    const QVariant value = settings->value(valueName);
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
        throw SettingsError("Invalid data type for '" + std::string(name) + "'");
    }
    return us(value.toString());
}

void QtSettingsStore::write(std::string_view key, std::string_view section, std::string_view name,
                            std::string_view value) {
    if (!iniFile_.isEmpty()) {
        const QString folder = QFileInfo(iniFile_).absolutePath();
        if (!QDir().mkpath(folder)) {
            throw SettingsError("Failed to create key " + us(groupOf(key, section)));
        }
    }
    auto settings = open(iniFile_);
    settings->beginGroup(groupOf(key, section));
    settings->setValue(qs(name), qs(value));
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        throw SettingsError("Failed to set data for '" + std::string(name) + "'");
    }
}

}  // namespace quintaro::gui
