#pragma once
// What the windows share for the whole run: the settings store, the current game and the windows themselves,
// created once at start-up and shown and hidden again.

#include "core/game/current_game.h"
#include "core/game/group_tables.h"
#include "core/game/selection_table.h"
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
class TNewDiagDlg;
class TPaixnidiFrm;
class TEpilogesDlg;
class TOmadesDlg;
class TYPEOmadesDlg;
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
    // The game window's selection table (`Sgrd`): selected horses, basics, bounds and groups as text cells.
    SelectionTable selection;
    // The group and super-group limits; their dialogs show and edit them.
    GroupTable groups;
    SuperGroupTable superGroups;

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
    TNewDiagDlg* newDiagDlg = nullptr;
    TPaixnidiFrm* paixnidiFrm = nullptr;
    TEpilogesDlg* epilogesDlg = nullptr;
    TOmadesDlg* omadesDlg = nullptr;          // created on first use
    TYPEOmadesDlg* ypeOmadesDlg = nullptr;    // created on first use
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
