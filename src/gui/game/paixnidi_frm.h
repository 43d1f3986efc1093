#pragma once
// The game window: the selection table `Sgrd` (the selected horses of each race and one column per basic
// with its bounds and group), the sum bounds, the group limits, the counting and the later commands.
// Created at start-up, hidden; shown not modally by the new-game dialog. The cells live in the core
// (AppContext::selection); the grid is a view over them.

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game/basic_editor_model.h"
#include "core/game/game_file.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quintaro::gui {

struct AppContext;
class CellGrid;

class TPaixnidiFrm : public QWidget {
    Q_OBJECT
public:
    explicit TPaixnidiFrm(AppContext& context, QWidget* parent = nullptr);

    // Reset for R races: colours, the information line back to the game's name, the basics emptied, the
    // first R race pictures shown.
    void resetFor(int races);

    // Column 1 from `Aloga`, the distinct horse list, the sum bounds and the full-system size; false when
    // the sum bounds cannot be computed.
    bool setSelectedHorses();

    // Selects row 1 of column 2 and opens the basic editor for entry on it.
    void openEditorForEntryOnBasic1();

    // A loaded game's basics (cells, bounds, groups, headers, each column as wide as its horses), its
    // information line and its sum bounds; the selected horses are already in place.
    void showLoadedBasics(const LoadedGame& game);

    // The commands.
    void BtnMetraClick();
    void BtnAthroismaClick();
    void BtnOmadesClick();
    void BtnKatharismosClick();
    void BtnAllaghClick();
    void BtnApothikeyshClick();
    void BtnPlusClick();
    void BtnEpistrofiClick();
    void BtnHelpClick();
    void BtnStilesClick();    // the counted columns, plain or gathered
    void BtnDialoghClick();   // the winning-column check
    void BtnDeltiaClick();    // the coupon preview
    void BtnEktyposhClick();  // the system report
    void SgrdMouseUp(int column, int row, Qt::MouseButton button);

    // Deletes basic `column` after the user's confirmation.
    void deleteBasic(int column);

    // The information line: the caption of the top band.
    QString informationLine() const;
    void setInformationLine(const QString& text);

    CellGrid* grid() const { return Sgrd; }
    QLineEdit* sumFrom() const { return Edit1; }
    QLineEdit* sumTo() const { return Edit2; }
    QLabel* label6() const { return Label6; }
    QLabel* label7() const { return Label7; }
    // The results of the last counting.
    std::uint64_t found() const { return found_; }
    std::uint64_t candidates() const { return candidates_; }
    double cost() const { return cost_; }
    bool noBasics() const { return noBasics_; }

    QLabel* racePictureLabel(int race) const { return pictures_[static_cast<std::size_t>(race - 1)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void applyColours();
    bool addBasic();
    bool recomputeSumBounds();
    // Rebuilds the group table from the basics; a conversion error is shown and yields false.
    bool rebuildGroups();
    void showFullSystemSize();
    // Opens the editor on basic `column`, writes its answer back, and deletes the basic when asked to.
    void openEditor(int column, EditorMode mode);
    int letterWidth() const;  // the width of "X" in the grid's font
    int fittedWidth(int ruleWidth, const std::vector<std::string>& texts) const;
    QPushButton* button(const QString& caption, const char* name, const QString& hint = {});

    AppContext& ctx_;
    QWidget* band_;
    QLabel* infoLine_;
    std::array<QLabel*, 9> pictures_{};
    CellGrid* Sgrd;
    QWidget* middle_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* BtnAthroisma = nullptr;
    QPushButton* BtnOmades = nullptr;
    QPushButton* BtnKatharismos = nullptr;
    QPushButton* BtnAllagh = nullptr;
    QPushButton* BtnPlus = nullptr;
    QPushButton* BtnMetra = nullptr;
    QPushButton* BtnStiles = nullptr;
    QPushButton* BtnDialogh = nullptr;
    QPushButton* BtnDeltia = nullptr;
    QPushButton* BtnEktyposh = nullptr;
    QPushButton* BtnApothikeysh = nullptr;
    QPushButton* BtnEpistrofi = nullptr;
    QPushButton* BtnHelp = nullptr;

    std::uint64_t found_ = 0;
    std::uint64_t candidates_ = 0;
    double cost_ = 0;
    bool noBasics_ = false;
    std::optional<std::uint64_t> previousFound_;  // the counting before the last, for Label7
};

}  // namespace quintaro::gui
