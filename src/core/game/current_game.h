#pragma once
// The current game: process-wide, one at a time, shared by the game window, its dialogs and the column views.

#include <cstdint>
#include <string>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/game_types.h"
#include "core/game/race_horses.h"

namespace quintaro {

struct CurrentGame {
    std::string Paixnidi;                    // name of the game type, one of the five window games
    std::int32_t Kourses = 0;                // races or places: 3, 4, 6 or 9
    aTAloga Aloga;                           // the horses of each race
    ColumnList Sthles;                       // the counted columns of the last counting
    std::vector<std::uint8_t> OlaAloga;      // counting's working list: race 1's horses, then race 2's, ...
    std::vector<std::uint8_t> KoursaAlogou;  // parallel to OlaAloga: the 1-based race of each entry
    std::vector<std::string> DiakritaAloga;  // distinct horse numbers of all races, ascending

    // Sets Paixnidi and Kourses from a row of the game-type table. Aloga and Sthles keep their contents
    // until the new game is accepted and counted.
    void choose(const GameType& type) {
        Paixnidi = std::string(type.name);
        Kourses = type.races;
    }

    bool isPlaces() const { return isPlacesGame(Paixnidi); }

    // Whether the counted columns belong to the game in hand: a counting found at least one column, and for
    // as many races as the current game has. Columns of a game with another number of races (left from
    // before another game was chosen or loaded) cannot be shown, checked or printed for this one.
    bool hasCountedColumns() const { return !Sthles.empty() && Sthles.races() == Kourses; }
};

}  // namespace quintaro
