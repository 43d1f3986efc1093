#include "gui/shell/main_frm.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "core/settings/tips_protocol.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/game/game_windows.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/calculator.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/keyboard.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/about_dlg.h"
#include "gui/shell/paixn_type_dlg.h"
#include "gui/shell/status_title_panel.h"
#include "gui/shell/tips_dlg.h"
#include "gui/shell/trio_information.h"
#include "gui/tools/apodoseis.h"
#include "gui/tools/katoxos_dlg.h"
#include "gui/tools/pososta.h"
#include "gui/tools/rythmiseis_dlg.h"
#include "gui/trio/kataskeuh3_frm.h"

namespace quintaro::gui {
namespace {

constexpr int kHelpContext = 9999;

QLabel* statusPanel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(150);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A menu item that a later part of the program connects; until then it shows its caption, disabled.
QAction* pendingItem(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false);
    return action;
}

}  // namespace

QString TMainFrm::initialCaption() {
    return QStringLiteral("QUINTARO ΠΡΟΓΡΑΜΜΑ ΚΑΤΑΣΚΕΥΑΣΤΙΚΟ ΓΙΑ ΤΟ ΙΠΠΟΔΡΟΜΙΑΚΟ ΣΤΟΙΧΗΜΑ");
}

TMainFrm::TMainFrm(AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context), workspace_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(initialCaption());
    setCentralWidget(workspace_);
    buildMenu();
    buildStatusBar();
    resize(1024, 700);
}

void TMainFrm::buildMenu() {
    // "&ΠΑΙΧΝΙΔΙ": TRIO, then the five games; the games carry radio-like check marks.
    gameMenu_ = menuBar()->addMenu(QStringLiteral("&ΠΑΙΧΝΙΔΙ"));
    MnuTrio = pendingItem(gameMenu_, qs(games::kTrio), "MnuTrio");
    MnuTrio->setEnabled(true);
    connect(MnuTrio, &QAction::triggered, this, &TMainFrm::MnuTrioClick);
    gameGroup_ = new QActionGroup(this);
    gameGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto addGame = [this](std::string_view name) {
        const GameType* type = findGameType(name);
        QAction* action = gameMenu_->addAction(qs(name));
        action->setObjectName(QStringLiteral("MnuGame ") + qs(name));
        action->setCheckable(true);
        action->setData(type->races);  // the item's tag: races or places
        gameGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, type] { chooseGame(*type); });
    };
    gameMenu_->addSeparator();
    addGame(games::kTrikast);
    addGame(games::kTetraplo);
    gameMenu_->addSeparator();
    addGame(games::kSkor4);
    addGame(games::kSkor6);
    addGame(games::kSkor9);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ΕΡΓΑΛΕΙΑ"));
    QAction* apodoseis = pendingItem(tools, QStringLiteral("ΑΠΟΔΟΣΕΙΣ ΣΕ ΠΟΣΟΣΤΑ"), "MnuApodoseis");
    apodoseis->setEnabled(true);
    connect(apodoseis, &QAction::triggered, this, &TMainFrm::MnuApodoseisClick);
    QAction* pososta = pendingItem(tools, QStringLiteral("ΠΟΣΟΣΤΑ ΑΠΟ ΑΠΟΔΟΣΕΙΣ"), "MnuPososta");
    pososta->setEnabled(true);
    connect(pososta, &QAction::triggered, this, &TMainFrm::MnuPosostaClick);

    menuBar()->addMenu(QStringLiteral("ΣΤΑΤΙΣΤΙΚΗ"));

    QMenu* customers = menuBar()->addMenu(QStringLiteral("ΠΕΛΑΤΕΣ"));
    customers->addAction(QStringLiteral("ΝΕΟΣ"));
    customers->addSeparator();
    customers->addAction(QStringLiteral("ΕΜΦΑΝΙΣΗ - ΑΛΛΑΓΕΣ"));

    QMenu* aux = menuBar()->addMenu(QStringLiteral("&ΒΟΗΘΗΤΙΚΑ"));
    QAction* help = aux->addAction(QStringLiteral("ΒΟΗΘΕΙΑ"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    connect(help, &QAction::triggered, this, &TMainFrm::MnuHelpClick);
    MnuTips = aux->addAction(QStringLiteral("ΕΝΕΡΓΟΠΟΙΗΣΗ ΠΛΗΡΟΦΟΡΙΩΝ ΕΚΚΙΝΗΣΗΣ"));
    MnuTips->setObjectName(QStringLiteral("MnuTips"));
    MnuTips->setCheckable(true);
    MnuTips->setChecked(true);
    connect(MnuTips, &QAction::triggered, this, &TMainFrm::MnuTipsClick);
    aux->addSeparator();
    QAction* calculator = aux->addAction(QStringLiteral("ΑΡΙΘΜΟΜΗΧΑΝΗ"));
    calculator->setObjectName(QStringLiteral("MnuCalc"));
    connect(calculator, &QAction::triggered, this, &TMainFrm::MnuCalcClick);
    aux->addSeparator();
    QAction* rythmiseis = pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ"), "MnuRythmiseis");
    rythmiseis->setEnabled(true);
    connect(rythmiseis, &QAction::triggered, this, &TMainFrm::MnuRythmiseisClick);
    QAction* prnSkor = pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΣΚΟΡ4, ΣΚΟΡ6"), "MnuPrnSkor");
    prnSkor->setEnabled(true);
    connect(prnSkor, &QAction::triggered, this, &TMainFrm::MnuPrnSkorClick);
    QAction* prnTet = pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΤΕΤΡΑΠΛΟ"), "MnuPrnTet");
    prnTet->setEnabled(true);
    connect(prnTet, &QAction::triggered, this, &TMainFrm::MnuPrnTetClick);
    aux->addSeparator();
    QAction* katoxos = pendingItem(aux, QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"), "MnuKatoxos");
    katoxos->setEnabled(true);
    connect(katoxos, &QAction::triggered, this, &TMainFrm::MnuKatoxosClick);
    aux->addSeparator();
    QAction* deleteFiles = aux->addAction(QStringLiteral("ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ"));
    deleteFiles->setObjectName(QStringLiteral("MnuDelete"));
    connect(deleteFiles, &QAction::triggered, this, [this] {
        if (ctx_.paixnTypeDlg) {
            ctx_.paixnTypeDlg->exec();
        }
    });
    aux->addSeparator();
    QAction* about = pendingItem(aux, QStringLiteral("ΓΕΝΙΚΑ"), "MnuAbout");
    about->setEnabled(true);
    connect(about, &QAction::triggered, this, &TMainFrm::MnuAboutClick);

    QAction* exit = menuBar()->addAction(QStringLiteral("&ΕΞΟΔΟΣ"));
    exit->setObjectName(QStringLiteral("MnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void TMainFrm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    bar->addWidget(new StatusTitlePanel(bar));
    bar->addWidget(statusPanel(bar, Qt::AlignLeft));
    bar->addWidget(statusPanel(bar, Qt::AlignHCenter));
    datePanel_ = statusPanel(bar, Qt::AlignHCenter);
    datePanel_->setObjectName(QStringLiteral("DatePanel"));
    bar->addWidget(datePanel_);
}

QAction* TMainFrm::gameAction(std::string_view name) const {
    for (QAction* action : gameMenu_->actions()) {
        if (action->text() == qs(name)) {
            return action;
        }
    }
    return nullptr;
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    selectUsEnglishLayout();
    setCapsLock(true);
    datePanel_->setText(QLocale().toString(QDate::currentDate(), QStringLiteral("dddd d/M/yyyy")));
    MnuTips->setChecked(tips::menuCheckedAtStart(ctx_.settings));
}

void TMainFrm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TMainFrm::FormActivate() {
    try {
        if (tips::takeShowOnActivation(ctx_.settings)) {
            // Once the activation is over, so that the dialog opens over the shown main window.
            QTimer::singleShot(0, this, &TMainFrm::showTips);
        }
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    if (!askYesNo(this, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), QStringLiteral("Έξοδος από την εφαρμογή;"),
                  MessageKind::Information)) {
        event->ignore();
        return;
    }
    try {
        tips::onMainWindowClosed(ctx_.settings);
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    event->accept();
    emit closed();
}

void TMainFrm::chooseGame(const GameType& type) {
    for (QAction* action : gameMenu_->actions()) {
        action->setChecked(false);
    }
    if (QAction* chosen = gameAction(type.name)) {
        chosen->setChecked(true);
    }
    ctx_.game.choose(type);
    setWindowTitle(appTitle() + QStringLiteral("   -   ") + qs(ctx_.game.Paixnidi));
    createGameWindows(ctx_, this);
    ctx_.groups.clear();
    refreshGroupDialogs(ctx_);
    ctx_.paixnidiFrm->resetFor(ctx_.game.Kourses);
    ctx_.newDiagDlg->clear();
    ctx_.newDiagDlg->prepare(ctx_.game.Kourses);
    ctx_.newDiagDlg->show();
    ctx_.newDiagDlg->raise();
}

void TMainFrm::MnuTrioClick() {
    showInformation(this, trioInformationText());
    if (!ctx_.kataskeuh3Frm) {
        ctx_.kataskeuh3Frm = new TKataskeuh3Frm(ctx_, this);
    }
    ctx_.kataskeuh3Frm->exec();
}

void TMainFrm::MnuHelpClick() {
    showHelp(this, kHelpContext);
}

void TMainFrm::MnuTipsClick() {
    // Qt has already toggled the check mark; the command works from the state before the click.
    const bool wasChecked = !MnuTips->isChecked();
    try {
        const bool nowChecked = tips::toggleMenu(ctx_.settings, wasChecked);
        if (nowChecked) {
            showTips();  // the check mark is set once the dialog has closed
        }
        MnuTips->setChecked(nowChecked);
    } catch (const std::exception& e) {
        MnuTips->setChecked(wasChecked);
        showError(this, qs(e.what()));
    }
}

void TMainFrm::MnuCalcClick() {
    startCalculator();
}

void TMainFrm::showTips() {
    if (ctx_.tipsDlg) {
        ctx_.tipsDlg->exec();
    }
}

void TMainFrm::MnuApodoseisClick() {
    if (!ctx_.apodoseis) {
        ctx_.apodoseis = new TAPODOSEIS(ctx_, this);
    }
    ctx_.apodoseis->exec();
}

void TMainFrm::MnuPosostaClick() {
    if (!ctx_.pososta) {
        ctx_.pososta = new TPOSOSTA(ctx_, this);
    }
    ctx_.pososta->exec();
}

void TMainFrm::MnuRythmiseisClick() {
    if (!ctx_.rythmiseisDlg) {
        ctx_.rythmiseisDlg = new TRythmiseisDlg(ctx_, this);
    }
    ctx_.rythmiseisDlg->exec();
}

void TMainFrm::MnuKatoxosClick() {
    if (!ctx_.katoxosDlg) {
        ctx_.katoxosDlg = new TKatoxosDlg(ctx_, this);
    }
    ctx_.katoxosDlg->exec();
}

void TMainFrm::MnuAboutClick() {
    // Created on first use.
    if (!ctx_.aboutDlg) {
        ctx_.aboutDlg = new TAboutDlg(ctx_, this);
    }
    ctx_.aboutDlg->exec();
}

void TMainFrm::MnuPrnSkorClick() {
    if (ctx_.prnFrm) {
        ctx_.prnFrm->exec();
    }
}

void TMainFrm::MnuPrnTetClick() {
    if (ctx_.prnTetFrm) {
        ctx_.prnTetFrm->exec();
    }
}

}  // namespace quintaro::gui
