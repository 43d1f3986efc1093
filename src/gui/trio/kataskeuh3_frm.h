#pragma once
// The TRIO construction window: the user marks the numbers that take part (1-20), may restrict the columns
// with numeric conditions and up to four number groups, chooses the guarantee and calculates. The window
// shows the full system and the guaranteed one, writes the prototype file of every system found, saves the
// columns, saves and loads the conditions, and opens the TRIO columns editor.
//
// The calculation runs in slices on the window's thread: each slice walks whole runs of columns and then lets
// the window breathe, so that "ΔΙΑΚΟ&ΠΗ" and the progress bar work; the result is the same as one plain walk.

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "core/game/text_grid.h"
#include "core/trio/board.h"
#include "core/trio/conditions.h"
#include "core/trio/walk.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace quintaro::gui {

struct AppContext;
class ConditionGridView;
class NumberBoard;
class TextGridModel;

class TKataskeuh3Frm : public QDialog {
    Q_OBJECT
public:
    explicit TKataskeuh3Frm(AppContext& context, QWidget* parent = nullptr);
    ~TKataskeuh3Frm() override;

    static QString resetCaption();

    // State, as tests and the number-group dialog look at it.
    const trio::TrioBoard& selection() const { return board_; }
    const std::vector<trio::Column>& foundColumns() const { return found_; }
    bool stopFlag() const { return stopFlag_; }
    bool isCalculating() const { return walk_ != nullptr; }
    const QString& systemName() const { return systemName_; }
    TextGrid& conditionGrid() { return grid_; }
    ConditionGridView* conditionView() const { return Sgrd; }
    NumberBoard* board() const { return SgrdA; }

    // Runs of columns walked per slice of a calculation; 0 (the default) gives each slice about 20 ms.
    void setRunsPerSlice(int runs) { runsPerSlice_ = runs; }

    // The handlers, as the controls call them.
    void SgrdAMouseUp(int row, int column);
    void SGrdEnter(int column, int row);
    void SpeedButtonClick(int group);
    void BtnClearClick();
    void BBtnCalcClick();
    void BBtnStopClick();
    void BitBtn7Click();
    void BBtnSaveOroiClick();
    void BBtnLoadOroiClick();
    void STILES3Click();
    void Image1Click();

    // The grid's texts changed from outside the view (tests): the view follows.
    void conditionGridChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLeftPart();
    void buildRightPanel();
    void reset();
    void liveRefresh();
    void CmbEggyChange();
    void CmbSysthmaChange();
    void ToolButton1Click(QToolButton* button);
    void runSlice();
    void finishCalculation();
    void endCalculationControls();
    void setBusy(bool busy);
    void writePrototype(const QString& path);
    std::array<trio::NumberGroupTexts, trio::kNumberGroups> groupTexts() const;
    void applyConditionsFile(const QString& path);
    void repaintBoard();

    AppContext& ctx_;
    trio::TrioBoard board_;
    TextGrid grid_;
    std::vector<trio::Column> found_;
    bool stopFlag_ = false;
    int guarantee_ = 3;
    QString systemName_;
    std::unique_ptr<trio::TrioWalk> walk_;
    int runsPerSlice_ = 0;

    // Left part.
    NumberBoard* SgrdA = nullptr;
    std::array<QToolButton*, 4> toolButtons_{};  // ToolButton1 ... ToolButton4
    ConditionGridView* Sgrd = nullptr;
    TextGridModel* sgrdModel_ = nullptr;
    std::array<QPushButton*, trio::kNumberGroups> speedButtons_{};
    std::array<QLabel*, trio::kNumberGroups> groupLists_{};
    std::array<QLineEdit*, trio::kNumberGroups> groupFrom_{};
    std::array<QLineEdit*, trio::kNumberGroups> groupTo_{};

    // Right panel.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* CmbNums = nullptr;
    QComboBox* CmbEggy = nullptr;
    QComboBox* CmbSysthma = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QProgressBar* PrgFill = nullptr;
    QPushButton* BBtnStop = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BBtnCalc = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* STILES3 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QToolButton* Image1 = nullptr;
};

}  // namespace quintaro::gui
