#pragma once
// The start-up tips protocol of ShowTips and EndFlag (General\Tips): the tips appear once per run, at the
// first activation of the main window, as long as ShowTips is set; a run that ends without closing the main
// window leaves EndFlag set, and the next run then shows no tips until a run has ended normally.

#include "core/settings/settings_store.h"

namespace quintaro::tips {

// When the main window is first shown: whether the tips menu item carries its check mark.
bool menuCheckedAtStart(SettingsStore& store);

// When the main window is activated: whether to show the tips dialog now. Writes EndFlag = "1" either way
// (the caller shows the dialog before anything else happens).
bool takeShowOnActivation(SettingsStore& store);

// When the main window closes: EndFlag = "0".
void onMainWindowClosed(SettingsStore& store);

// The tips menu command. Returns the item's new check state. Unchecking writes ShowTips = "0" and
// EndFlag = "1". Checking writes ShowTips = "1" and marks the tips as handled for this run (EndFlag = "1"),
// and the caller shows the tips dialog at once: with EndFlag cleared, the activation of the main window that
// follows the dialog's closing would show the tips a second time.
bool toggleMenu(SettingsStore& store, bool checkedNow);

}  // namespace quintaro::tips
