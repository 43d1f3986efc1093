#pragma once
// What the windows share for the whole run: the settings store, the current game and the windows themselves,
// created once at start-up and shown and hidden again.

#include "core/game/current_game.h"
#include "core/settings/settings_store.h"

namespace quintaro::gui {

class TMainFrm;
class TPaixnTypeDlg;

struct AppContext {
    explicit AppContext(SettingsStore& store) : settings(store) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    SettingsStore& settings;
    CurrentGame game;

    // The windows.
    TMainFrm* mainFrm = nullptr;
    TPaixnTypeDlg* paixnTypeDlg = nullptr;
};

}  // namespace quintaro::gui
