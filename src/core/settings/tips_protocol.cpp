#include "core/settings/tips_protocol.h"

namespace quintaro::tips {

using namespace settings;

bool menuCheckedAtStart(SettingsStore& store) {
    if (!store.readFlag(kGeneralKey, kTipsSection, kShowTips, true)) {
        return false;
    }
    // The item starts checked; it keeps its mark whatever EndFlag says.
    return true;
}

bool takeShowOnActivation(SettingsStore& store) {
    const bool showTips = store.readFlag(kGeneralKey, kTipsSection, kShowTips, true);
    const bool endFlag = store.readFlag(kGeneralKey, kTipsSection, kEndFlag, false);
    store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, true);
    return showTips && !endFlag;
}

void onMainWindowClosed(SettingsStore& store) {
    store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, false);
}

bool toggleMenu(SettingsStore& store, bool checkedNow) {
    if (checkedNow) {
        store.writeFlag(kGeneralKey, kTipsSection, kShowTips, false);
        store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, true);
        return false;
    }
    store.writeFlag(kGeneralKey, kTipsSection, kShowTips, true);
    store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, true);
    return true;
}

}  // namespace quintaro::tips
