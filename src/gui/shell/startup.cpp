#include "gui/shell/startup.h"

#include <QApplication>

#include "gui/app_context.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/shell/main_frm.h"

namespace quintaro::gui {

Startup::Startup(AppContext& context) : ctx_(context) {}

Startup::~Startup() = default;

void Startup::createWindows() {
    main_ = std::make_unique<TMainFrm>(ctx_);
    ctx_.mainFrm = main_.get();
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
