#pragma once
// What the windows share for the whole run: the settings store, the current game and the windows themselves,
// created once at start-up and shown and hidden again.

#include "core/game/current_game.h"
#include "core/settings/settings_store.h"

namespace quintaro::gui {

class TMainFrm;
class TSelSthDlg;
class TViewResDlg;
class TViewResExDlg;
class TDialoghSelDlg;
class TInfoDialDlg;
class TPrnPrvDlg;
class TPrnFrm;
class TPrnTetFrm;

struct AppContext {
    explicit AppContext(SettingsStore& store) : settings(store) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    SettingsStore& settings;
    CurrentGame game;

    // The windows.
    TMainFrm* mainFrm = nullptr;
    TSelSthDlg* selSthDlg = nullptr;          // plain or gathered columns
    TViewResDlg* viewResDlg = nullptr;        // the plain column list
    TViewResExDlg* viewResExDlg = nullptr;    // the gathered columns
    TDialoghSelDlg* dialoghSelDlg = nullptr;  // entry of the winning column
    TInfoDialDlg* infoDialDlg = nullptr;      // result of the winning-column check
    TPrnPrvDlg* prnPrvDlg = nullptr;          // the coupon preview
    TPrnFrm* prnFrm = nullptr;                // printer layouts of the "ΣΚΟΡ" coupon form
    TPrnTetFrm* prnTetFrm = nullptr;          // printer layouts of the "ΤΕΤΡΑΠΛΟ" coupon form
};

}  // namespace quintaro::gui
