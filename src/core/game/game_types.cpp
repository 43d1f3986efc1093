#include "core/game/game_types.h"

#include <array>
#include <cctype>

namespace quintaro {
namespace {

using namespace games;

constexpr std::array<GameType, 6> kTable = {{
    {kSkor4, 4, GameKind::Races, kRacesLabel, "sk4"},
    {kSkor6, 6, GameKind::Races, kRacesLabel, "sk6"},
    {kSkor9, 9, GameKind::Races, kRacesLabel, "sk9"},
    {kTetraplo, 4, GameKind::Places, kPlacesLabel, "tet"},
    {kTrikast, 3, GameKind::Places, kPlacesLabel, "tri"},
    {kTrio, 0, GameKind::Trio, "", ""},
}};

}  // namespace

std::span<const GameType> gameTypes() {
    return kTable;
}

std::span<const GameType> windowGameTypes() {
    return std::span<const GameType>(kTable).first(5);
}

const GameType* findGameType(std::string_view name) {
    for (const GameType& g : kTable) {
        if (g.name == name) {
            return &g;
        }
    }
    return nullptr;
}

const GameType* findGameTypeByExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') {
        extension.remove_prefix(1);
    }
    for (const GameType& g : windowGameTypes()) {
        if (g.extension.size() != extension.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < extension.size(); ++i) {
            same = same && std::tolower(static_cast<unsigned char>(extension[i])) == g.extension[i];
        }
        if (same) {
            return &g;
        }
    }
    return nullptr;
}

bool isPlacesGame(std::string_view name) {
    return name == kTetraplo || name == kTrikast;
}

std::string_view rowLabelFor(std::string_view name) {
    return isPlacesGame(name) ? kPlacesLabel : kRacesLabel;
}

}  // namespace quintaro
