#pragma once
// The main window: a multiple-document parent window with the menu from which every function is reached and
// a status bar. Choosing a game in the menu sets the current game and opens the new-game dialog.

#include <QMainWindow>
#include <string_view>

#include "core/game/game_types.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;

namespace quintaro::gui {

struct AppContext;

class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainFrm(AppContext& context, QWidget* parent = nullptr);

    // The initial caption, before a game is chosen.
    static QString initialCaption();

    // Choose game: check mark, Paixnidi and Kourses, the caption "ΒΕΛΤΡΑΝΟ   -   <game>", and the game
    // windows reset for the new number of races.
    void chooseGame(const GameType& type);

    // The menu item of a game ("ΣΚΟΡ 4", ...), or of "ΤΡΙΟ".
    QAction* gameAction(std::string_view name) const;
    QAction* tipsAction() const { return MnuTips; }
    QLabel* datePanel() const { return datePanel_; }

signals:
    // The main window has closed after its close query: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void FormActivate();
    void MnuTrioClick();
    void MnuHelpClick();
    void MnuTipsClick();
    void MnuCalcClick();
    void MnuApodoseisClick();
    void MnuPosostaClick();
    void MnuRythmiseisClick();
    void MnuKatoxosClick();
    void MnuAboutClick();
    void showTips();
    void MnuPrnSkorClick();
    void MnuPrnTetClick();

    AppContext& ctx_;
    QMdiArea* workspace_;
    QActionGroup* gameGroup_ = nullptr;
    QMenu* gameMenu_ = nullptr;
    QAction* MnuTrio = nullptr;
    QAction* MnuTips = nullptr;
    QLabel* datePanel_ = nullptr;
    bool shownOnce_ = false;
};

}  // namespace quintaro::gui
