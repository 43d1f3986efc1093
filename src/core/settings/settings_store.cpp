#include "core/settings/settings_store.h"

#include "core/text/number_text.h"

namespace quintaro {

std::string SettingsStore::readString(std::string_view key, std::string_view section, std::string_view name,
                                      std::string_view defaultValue) {
    if (auto value = read(key, section, name)) {
        return *value;
    }
    return std::string(defaultValue);
}

bool SettingsStore::readFlag(std::string_view key, std::string_view section, std::string_view name,
                             bool defaultValue) {
    const auto value = read(key, section, name);
    if (!value) {
        return defaultValue;
    }
    const auto number = tryParseInt(*value);
    if (!number) {
        return defaultValue;
    }
    return *number != 0;
}

void SettingsStore::writeFlag(std::string_view key, std::string_view section, std::string_view name,
                              bool value) {
    write(key, section, name, value ? "1" : "0");
}

}  // namespace quintaro
