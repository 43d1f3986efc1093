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
class TAPODOSEIS;
class TPOSOSTA;
class TRythmiseisDlg;
class TKatoxosDlg;
class TTipsDlg;
class TAboutDlg;

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
    TAPODOSEIS* apodoseis = nullptr;
    TPOSOSTA* pososta = nullptr;
    TRythmiseisDlg* rythmiseisDlg = nullptr;
    TKatoxosDlg* katoxosDlg = nullptr;
    TTipsDlg* tipsDlg = nullptr;
    TAboutDlg* aboutDlg = nullptr;  // created on first use
};

}  // namespace quintaro::gui
