#pragma once
// The fixed table of game types. A game type's name is its identity: it keys the column cost, shows in
// captions and decides every game-dependent branch together with the number of races or places.

#include <optional>
#include <span>
#include <string_view>

namespace quintaro {

enum class GameKind { Races, Places, Trio };

struct GameType {
    std::string_view name;
    int races;  // races or places; 0 for the TRIO row
    GameKind kind;
    std::string_view rowLabel;   // header of the race column: "ΚΟΥΡΣΕΣ" or "ΘΕΣΕΙΣ"
    std::string_view extension;  // game file extension without the dot
};

namespace games {
inline constexpr std::string_view kSkor4 = "ΣΚΟΡ 4";
inline constexpr std::string_view kSkor6 = "ΣΚΟΡ 6";
inline constexpr std::string_view kSkor9 = "ΣΚΟΡ 9";
inline constexpr std::string_view kTetraplo = "ΤΕΤΡΑΠΛΟ";
inline constexpr std::string_view kTrikast = "ΤΡΙΚΑΣΤ";
inline constexpr std::string_view kTrio = "ΤΡΙΟ";

inline constexpr std::string_view kRacesLabel = "ΚΟΥΡΣΕΣ";
inline constexpr std::string_view kPlacesLabel = "ΘΕΣΕΙΣ";
}  // namespace games

// All six rows in table order: the five games of the game window, then "ΤΡΙΟ".
std::span<const GameType> gameTypes();

// The five games of the game window.
std::span<const GameType> windowGameTypes();

const GameType* findGameType(std::string_view name);

// The game whose file extension this is ("sk4", "tri", ...; without the dot, any case).
const GameType* findGameTypeByExtension(std::string_view extension);

// A places game is one named "ΤΕΤΡΑΠΛΟ" or "ΤΡΙΚΑΣΤ"; every other name is a races game.
bool isPlacesGame(std::string_view name);

// "ΘΕΣΕΙΣ" for a places game, "ΚΟΥΡΣΕΣ" otherwise.
std::string_view rowLabelFor(std::string_view name);

}  // namespace quintaro
