#include "gui/shell/startup.h"

#include <QApplication>

#include "gui/app_context.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/coupons/view_res_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/game/dialogh_sel_dlg.h"
#include "gui/game/info_dial_dlg.h"
#include "gui/shell/main_frm.h"

namespace quintaro::gui {

Startup::Startup(AppContext& context) : ctx_(context) {}

Startup::~Startup() = default;

void Startup::createWindows() {
    main_ = std::make_unique<TMainFrm>(ctx_);
    ctx_.mainFrm = main_.get();
    // The column windows, owned by the main window. (In the start-up order the plain columns view follows
    // the basic editor; the gathered view, the choice dialog and the two check dialogs follow the tips.)
    ctx_.viewResDlg = new TViewResDlg(ctx_, main_.get());
    ctx_.viewResExDlg = new TViewResExDlg(ctx_, main_.get());
    ctx_.selSthDlg = new TSelSthDlg(main_.get());
    ctx_.dialoghSelDlg = new TDialoghSelDlg(main_.get());
    ctx_.infoDialDlg = new TInfoDialDlg(main_.get());
    // The coupon preview and the two printer layout windows, owned by the main window.
    ctx_.prnPrvDlg = new TPrnPrvDlg(ctx_, main_.get());
    ctx_.prnFrm = new TPrnFrm(main_.get());
    ctx_.prnTetFrm = new TPrnTetFrm(main_.get());
    // The main window's closing ends the program, whatever other windows are still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(main_.get(), &TMainFrm::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void Startup::runSplash() {}

void Startup::showMainWindow() {
    main_->showMaximized();
}

}  // namespace quintaro::gui
