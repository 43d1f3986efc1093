#include "core/settings/memory_settings.h"

namespace quintaro {

std::optional<std::string> MemorySettings::read(std::string_view key, std::string_view section,
                                                std::string_view name) {
    keys_.insert(std::string(key));
    auto it = values_.find({std::string(key), std::string(section), std::string(name)});
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void MemorySettings::write(std::string_view key, std::string_view section, std::string_view name,
                           std::string_view value) {
    keys_.insert(std::string(key));
    if (failWrites_) {
        throw SettingsError("Failed to set data for '" + std::string(name) + "'");
    }
    sections_.insert({std::string(key), std::string(section)});
    values_[{std::string(key), std::string(section), std::string(name)}] = std::string(value);
}

bool MemorySettings::hasSection(std::string_view key, std::string_view section) const {
    return sections_.count({std::string(key), std::string(section)}) != 0;
}

}  // namespace quintaro
