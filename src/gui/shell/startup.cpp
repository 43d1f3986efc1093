#include "gui/shell/startup.h"

#include <QApplication>

#include "gui/app_context.h"
#include "gui/shell/main_frm.h"
#include "gui/shell/paixn_type_dlg.h"
#include "gui/trio/kataskeuh3_frm.h"
#include "gui/trio/standard3_frm.h"
#include "gui/trio/stiles3_frm.h"

namespace quintaro::gui {

Startup::Startup(AppContext& context) : ctx_(context) {}

Startup::~Startup() = default;

void Startup::createWindows() {
    main_ = std::make_unique<TMainFrm>(ctx_);
    ctx_.mainFrm = main_.get();
    // The other windows belong to the main window and live for the whole run.
    ctx_.paixnTypeDlg = new TPaixnTypeDlg(main_.get());
    // The TRIO windows, last of the start-up order.
    ctx_.standard3Frm = new TStandard3Frm(ctx_, main_.get());
    ctx_.kataskeuh3Frm = new TKataskeuh3Frm(ctx_, main_.get());
    ctx_.stiles3Frm = new TStiles3Frm(ctx_, ctx_.kataskeuh3Frm);
    // The main window's closing ends the program, whatever other windows are still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(main_.get(), &TMainFrm::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void Startup::runSplash() {}

void Startup::showMainWindow() {
    main_->showMaximized();
}

}  // namespace quintaro::gui
