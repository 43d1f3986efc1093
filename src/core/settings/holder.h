#pragma once
// The holder details printed at the head of the game and column printouts (Info\Options).
// The defaults differ by reader: the printouts and the holder dialog show different address lines.

#include <string>
#include <string_view>

#include "core/settings/settings_store.h"

namespace quintaro {

struct HolderDetails {
    std::string title;
    std::string address;
    std::string misc;
};

namespace holder {
inline constexpr std::string_view kDefaultTitle = "ΠΡΑΚΤΟΡΕΙΟ ΣΤΟΙΧΗΜΑΤΩΝ";
inline constexpr std::string_view kPrintoutAddress = "ΟΔΟΣ ΙΠΠΟΔΡΟΜΟΥ 1";
inline constexpr std::string_view kDialogAddress = "ΔΙΕΥΘΥΝΣΗ ΚΑΤΑΣΤΗΜΑΤΟΣ";
inline constexpr std::string_view kDefaultMisc = "ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ";
}  // namespace holder

// The three lines as the printouts read them.
HolderDetails readHolderForPrintout(SettingsStore& store);

// The three lines as the holder dialog shows them.
HolderDetails readHolderForDialog(SettingsStore& store);

// Saves all three lines at once.
void writeHolder(SettingsStore& store, const HolderDetails& details);

}  // namespace quintaro
