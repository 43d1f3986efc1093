#pragma once
// Saving the current game from the game window ("&ΑΠΟΘΗΚΕΥΣΗ") and loading a saved one from the new-game
// dialog ("&ΦΟΡΤΩΜΑ"). Game files live in the folder "Qnt" beside the program, one extension per game.

#include <QString>
#include <string_view>
#include <vector>

#include "core/game/game_file.h"

class QWidget;

namespace quintaro::gui {

struct AppContext;

// The one filter of a game's save or open dialog, "description|pattern": "Αρχεία ΣΚΟΡ 4|*.sk4". The
// "ΤΡΙΚΑΣΤ" files are "Αρχεία ΤRICAST" (Greek tau) when saving and "Αρχεία TRIKAST" (Latin T) when opening.
QString gameFileFilter(std::string_view game, bool saving);

// The warning before a save that would cut basics' race cells, naming each basic and race.
QString cutRaceCellsWarning(const std::vector<CutRaceCell>& cut, bool placesGame);

// Asks for a file name in "Qnt" and writes the game there; the group table has been rebuilt. A failure is
// reported with the file and its cause, and leaves any earlier file of that name as it was.
void saveGame(AppContext& context, QWidget* parent);

// Asks for a game file of the current game in "Qnt" and loads it into the new-game dialog, the game window
// and the group dialogs. A damaged file, or one of another game, is refused before anything changes.
void loadGame(AppContext& context, QWidget* parent);

}  // namespace quintaro::gui
