#pragma once
// The new-game dialog: the meeting data of a game and, in a grid of races by horse numbers 1..20, the
// horses that run in each race (or that may take each place). "&ΠΑΙΧΝΙΔΙ" hands the horses to the game
// window and shows it. Shown not modally; it stays open beside the game window.

#include <QDialog>
#include <map>
#include <string>

#include "core/game/game_file.h"
#include "core/game/new_game_marks.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro::gui {

struct AppContext;
class CellGrid;

class TNewDiagDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNewDiagDlg(AppContext& context, QWidget* parent = nullptr);

    // Empties the three edit fields and every row of the grid.
    void clear();

    // Colours and the band with the game's name; the grid for `races` races with every mark 0; "ΣΥ1".
    void prepare(int races);

    // Fills `Aloga` from the marks; false (and `Aloga` untouched) when a race has no horse.
    bool collectHorses();

    // "&ΠΑΙΧΝΙΔΙ": the horses go to the game window, which is shown; a fresh game opens basic 1.
    void BtnPaixnidiClick();
    // "&ΦΟΡΤΩΜΑ": loads a saved game of the current game type.
    void BtnFortomaClick();
    void BtnEpistrofiClick();
    void BtnHelpClick();

    // The help page of the current game: 3 for "ΣΚΟΡ 4", 4 for "ΣΚΟΡ 6", 6 for the others.
    int helpContext() const;

    // A mouse button released over the horse grid (column 1..20 is the horse, row 1.. the race).
    void HorseGridMouseUp(int column, int row);

    const NewGameMarks& marks() const { return marks_; }
    CellGrid* horseGrid() const { return grid_; }
    QLabel* gameBand() const { return band_; }

    // The meeting data, as the game file keeps them.
    QComboBox* meetingBox() const { return meeting_; }
    QLineEdit* raceDayField() const { return raceDay_; }
    QLineEdit* dateField() const { return date_; }
    QLineEdit* commentField() const { return comment_; }
    MeetingData meetingData() const;
    // The meeting list selects the item equal to the stored meeting, none when no item is.
    void setMeetingData(const MeetingData& meeting);

    // Clears every mark, then marks each race's horses.
    void markHorses(const aTAloga& races);

    // The file last chosen in the current game's open dialog (empty when none was chosen); saving offers
    // its name.
    QString lastOpenedFile() const;
    void setLastOpenedFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& ctx_;
    NewGameMarks marks_;
    QLabel* band_;
    QComboBox* meeting_;
    QLineEdit* raceDay_;
    QLineEdit* date_;
    QLineEdit* comment_;
    CellGrid* grid_;
    QPushButton* btnPaixnidi_;
    QPushButton* btnFortoma_;
    QPushButton* btnEpistrofi_;
    QPushButton* btnHelp_;
    bool cleared_ = true;
    std::map<std::string, QString> openedFiles_;  // by game name
};

}  // namespace quintaro::gui
