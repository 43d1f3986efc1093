#pragma once
// What the windows share for the whole run: the settings store, the current game and the windows themselves,
// created once at start-up and shown and hidden again.

#include "core/game/current_game.h"
#include "core/settings/settings_store.h"

namespace quintaro::gui {

class TMainFrm;
class TPaixnTypeDlg;
class TStandard3Frm;
class TKataskeuh3Frm;
class TStiles3Frm;

struct AppContext {
    explicit AppContext(SettingsStore& store) : settings(store) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    SettingsStore& settings;
    CurrentGame game;

    // The windows.
    TMainFrm* mainFrm = nullptr;
    TPaixnTypeDlg* paixnTypeDlg = nullptr;
    TStandard3Frm* standard3Frm = nullptr;    // the TRIO number-group dialog
    TKataskeuh3Frm* kataskeuh3Frm = nullptr;  // the TRIO construction window
    TStiles3Frm* stiles3Frm = nullptr;        // the TRIO columns editor
};

}  // namespace quintaro::gui
