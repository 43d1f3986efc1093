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

#include "core/settings/tips_protocol.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/platform/calculator.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/keyboard.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/status_title_panel.h"
#include "gui/shell/trio_information.h"

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
    pendingItem(tools, QStringLiteral("ΑΠΟΔΟΣΕΙΣ ΣΕ ΠΟΣΟΣΤΑ"), "MnuApodoseis");
    pendingItem(tools, QStringLiteral("ΠΟΣΟΣΤΑ ΑΠΟ ΑΠΟΔΟΣΕΙΣ"), "MnuPososta");

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
    pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ"), "MnuRythmiseis");
    QAction* prnSkor = pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΣΚΟΡ4, ΣΚΟΡ6"), "MnuPrnSkor");
    prnSkor->setEnabled(true);
    connect(prnSkor, &QAction::triggered, this, &TMainFrm::MnuPrnSkorClick);
    QAction* prnTet = pendingItem(aux, QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΤΕΤΡΑΠΛΟ"), "MnuPrnTet");
    prnTet->setEnabled(true);
    connect(prnTet, &QAction::triggered, this, &TMainFrm::MnuPrnTetClick);
    aux->addSeparator();
    pendingItem(aux, QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"), "MnuKatoxos");
    aux->addSeparator();
    pendingItem(aux, QStringLiteral("ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ"), "MnuDelete");
    aux->addSeparator();
    pendingItem(aux, QStringLiteral("ΓΕΝΙΚΑ"), "MnuAbout");

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
            // The tips dialog is shown here once it is part of the program.
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
    // The group table, the game window and the new-game dialog are reset and shown here once they are part
    // of the program.
}

void TMainFrm::MnuTrioClick() {
    showInformation(this, trioInformationText());
    // The TRIO construction window opens here, modally, once it is part of the program.
}

void TMainFrm::MnuHelpClick() {
    showHelp(this, kHelpContext);
}

void TMainFrm::MnuTipsClick() {
    // Qt has already toggled the check mark; the command works from the state before the click.
    const bool wasChecked = !MnuTips->isChecked();
    try {
        const bool nowChecked = tips::toggleMenu(ctx_.settings, wasChecked);
        MnuTips->setChecked(nowChecked);
    } catch (const std::exception& e) {
        MnuTips->setChecked(wasChecked);
        showError(this, qs(e.what()));
    }
}

void TMainFrm::MnuCalcClick() {
    startCalculator();
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
