#include "gui/shell/startup.h"

#include <QApplication>

#include "gui/app_context.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/coupons/view_res_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/game/dialogh_sel_dlg.h"
#include "gui/game/game_windows.h"
#include "gui/game/info_dial_dlg.h"
#include "gui/shell/main_frm.h"
#include "gui/shell/paixn_type_dlg.h"
#include "gui/shell/splash.h"
#include "gui/shell/tips_dlg.h"
#include "gui/tools/apodoseis.h"
#include "gui/tools/katoxos_dlg.h"
#include "gui/tools/pososta.h"
#include "gui/tools/rythmiseis_dlg.h"
#include "gui/trio/kataskeuh3_frm.h"
#include "gui/trio/standard3_frm.h"
#include "gui/trio/stiles3_frm.h"

namespace quintaro::gui {

Startup::Startup(AppContext& context) : ctx_(context) {}

Startup::~Startup() = default;

void Startup::createWindows() {
    main_ = std::make_unique<TMainFrm>(ctx_);
    ctx_.mainFrm = main_.get();
    // The main window's closing ends the program, whatever other windows are still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(main_.get(), &TMainFrm::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    // The other windows, owned by the main window, in their start-up order.
    TMainFrm* owner = main_.get();
    splash_ = new TSplash();
    createGameWindows(ctx_, owner);  // the new-game dialog, the game window and the basic editor
    ctx_.viewResDlg = new TViewResDlg(ctx_, owner);
    ctx_.katoxosDlg = new TKatoxosDlg(ctx_, owner);
    ctx_.tipsDlg = new TTipsDlg(ctx_, owner);
    ctx_.viewResExDlg = new TViewResExDlg(ctx_, owner);
    ctx_.selSthDlg = new TSelSthDlg(owner);
    ctx_.dialoghSelDlg = new TDialoghSelDlg(owner);
    ctx_.infoDialDlg = new TInfoDialDlg(owner);
    ctx_.prnPrvDlg = new TPrnPrvDlg(ctx_, owner);
    ctx_.prnFrm = new TPrnFrm(owner);
    ctx_.prnTetFrm = new TPrnTetFrm(owner);
    ctx_.paixnTypeDlg = new TPaixnTypeDlg(owner);
    ctx_.rythmiseisDlg = new TRythmiseisDlg(ctx_, owner);
    ctx_.apodoseis = new TAPODOSEIS(ctx_, owner);
    ctx_.pososta = new TPOSOSTA(ctx_, owner);
    ctx_.standard3Frm = new TStandard3Frm(ctx_, owner);
    ctx_.kataskeuh3Frm = new TKataskeuh3Frm(ctx_, owner);
    ctx_.stiles3Frm = new TStiles3Frm(ctx_, ctx_.kataskeuh3Frm);
}

void Startup::runSplash() {
    if (splash_) {
        runSplashLoop(*splash_);  // the splash destroys itself as it closes
    }
}

void Startup::showMainWindow() {
    main_->showMaximized();
    main_->activateWindow();  // after the splash the main window takes the focus (and shows the tips)
}

}  // namespace quintaro::gui
