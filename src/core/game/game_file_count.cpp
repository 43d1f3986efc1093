#include "core/game/game_file_count.h"

#include <string>
#include <utility>

#include "core/game/group_tables.h"

namespace quintaro {

CountRequest countRequestOf(LoadedGame game, const GameType& type, double price) {
    rebuildGroupTable(game.selection, game.groups, game.superGroups);
    CountRequest request;
    request.game = std::string(type.name);
    request.selection = std::move(game.selection);
    request.leastSum = std::move(game.leastSum);
    request.greatestSum = std::move(game.greatestSum);
    request.groups = std::move(game.groups);
    request.superGroups = std::move(game.superGroups);
    request.price = price;
    return request;
}

CountRequest countRequestOfFile(const std::filesystem::path& path, const GameType& type, double price) {
    return countRequestOf(tablesFromGameFile(readGameFile(path, type.races), type.name), type, price);
}

CountOutcome countGameFile(const std::filesystem::path& path, const GameType& type, double price,
                           CountingPath countingPath) {
    CountRequest request = countRequestOfFile(path, type, price);
    request.path = countingPath;
    return countColumns(request);
}

}  // namespace quintaro
