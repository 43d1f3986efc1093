#include "core/settings/holder.h"

namespace quintaro {
namespace {

HolderDetails readHolder(SettingsStore& store, std::string_view addressDefault) {
    using namespace settings;
    HolderDetails d;
    d.title = store.readString(kHolderKey, kOptionsSection, kTitle, holder::kDefaultTitle);
    d.address = store.readString(kHolderKey, kOptionsSection, kAddress, addressDefault);
    d.misc = store.readString(kHolderKey, kOptionsSection, kMisc, holder::kDefaultMisc);
    return d;
}

}  // namespace

HolderDetails readHolderForPrintout(SettingsStore& store) {
    return readHolder(store, holder::kPrintoutAddress);
}

HolderDetails readHolderForDialog(SettingsStore& store) {
    return readHolder(store, holder::kDialogAddress);
}

void writeHolder(SettingsStore& store, const HolderDetails& details) {
    using namespace settings;
    store.writeString(kHolderKey, kOptionsSection, kTitle, details.title);
    store.writeString(kHolderKey, kOptionsSection, kAddress, details.address);
    store.writeString(kHolderKey, kOptionsSection, kMisc, details.misc);
}

}  // namespace quintaro
