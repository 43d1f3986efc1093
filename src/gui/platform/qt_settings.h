#pragma once
// The settings store of the running program. On Windows it is the per-user registry key
// HKEY_CURRENT_USER\Software\Quintaro; elsewhere an INI file, by default
// $XDG_CONFIG_HOME/Quintaro/Quintaro.ini (~/.config/Quintaro/Quintaro.ini), or the file named by the
// environment variable QUINTARO_SETTINGS_FILE.
// Keys and sections become INI groups: [Rythmiseis/Options] holds the costs named after the games.

#include <QString>

#include "core/settings/settings_store.h"

namespace quintaro::gui {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniFile);  // an INI file at the given path, on every platform

    std::optional<std::string> read(std::string_view key, std::string_view section,
                                    std::string_view name) override;
    void write(std::string_view key, std::string_view section, std::string_view name,
               std::string_view value) override;

    // Where the values are kept, for the README and the about box.
    QString location() const;

    // The default INI file of this user (not used on Windows).
    static QString defaultIniFile();

private:
    QString iniFile_;  // empty: the native registry
};

}  // namespace quintaro::gui
