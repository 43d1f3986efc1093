#pragma once
// The settings store: values as strings under Software\Quintaro\<key>\<section>\<name>.
// There is no cache and no central table of defaults: every reader names its own default at the call site,
// so a value saved in a dialog takes effect at the next reading.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quintaro {

// A failure of the backing store. what() is the message shown to the user:
// "Failed to create key %s", "Failed to set data for '%s'" or "Invalid data type for '%s'".
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nullopt when the section or the value does not exist.
    // Opening the store creates the product key and the named key (not the section).
    virtual std::optional<std::string> read(std::string_view key, std::string_view section,
                                            std::string_view name) = 0;

    // Stores the text, creating the section when it is missing.
    virtual void write(std::string_view key, std::string_view section, std::string_view name,
                       std::string_view value) = 0;

    // The stored text, or the reader's default when it is missing.
    std::string readString(std::string_view key, std::string_view section, std::string_view name,
                           std::string_view defaultValue);

    // A flag stored as an integer text: non-zero is true, "0" false; missing or not a number gives the
    // default.
    bool readFlag(std::string_view key, std::string_view section, std::string_view name, bool defaultValue);

    void writeString(std::string_view key, std::string_view section, std::string_view name,
                     std::string_view value) {
        write(key, section, name, value);
    }

    // Stores "1" or "0".
    void writeFlag(std::string_view key, std::string_view section, std::string_view name, bool value);
};

// The product key and the keys, sections and value names the program uses.
namespace settings {
inline constexpr std::string_view kProductKey = "Software\\Quintaro";

inline constexpr std::string_view kCostsKey = "Rythmiseis";
inline constexpr std::string_view kHolderKey = "Info";
inline constexpr std::string_view kGeneralKey = "General";

inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kTipsSection = "Tips";

inline constexpr std::string_view kTitle = "Title";
inline constexpr std::string_view kAddress = "Address";
inline constexpr std::string_view kMisc = "Misc";
inline constexpr std::string_view kShowTips = "ShowTips";
inline constexpr std::string_view kEndFlag = "EndFlag";
}  // namespace settings

}  // namespace quintaro
