#pragma once
// A settings store held in memory, for tests and for the command-line tool.

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "core/settings/settings_store.h"

namespace quintaro {

class MemorySettings : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view key, std::string_view section,
                                    std::string_view name) override;
    void write(std::string_view key, std::string_view section, std::string_view name,
               std::string_view value) override;

    // Which keys and sections exist, to check what a reading or writing created.
    bool hasKey(std::string_view key) const { return keys_.count(std::string(key)) != 0; }
    bool hasSection(std::string_view key, std::string_view section) const;

    // Makes the next writes fail as a store that cannot create the section or set the value would.
    void setFailWrites(bool fail) { failWrites_ = fail; }

private:
    std::set<std::string> keys_;
    std::set<std::pair<std::string, std::string>> sections_;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    bool failWrites_ = false;
};

}  // namespace quintaro
