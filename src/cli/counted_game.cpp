#include "counted_game.h"

#include "core/game/game_file.h"
#include "core/settings/column_cost.h"
#include "core/text/number_text.h"

namespace quintaro::cli {

const GameType* gameOfFile(const std::filesystem::path& path, std::ostream& err) {
    const GameType* type = findGameTypeByExtension(path.extension().string());
    if (!type) {
        err << "quintaro-cli: " << path.string()
            << ": the extension does not name a game (.sk4, .sk6, .sk9, .tet or .tri)\n";
    }
    return type;
}

std::optional<double> priceOf(const std::optional<std::string>& text, const GameType& game) {
    std::string price = text.value_or(std::string(defaultColumnCostText(game.name)));
    for (char& c : price) {
        if (c == ',') {
            c = '.';
        }
    }
    return tryParseFloat(price, '.');
}

CountOutcome countGameFile(const std::filesystem::path& path, const GameType& game, double price) {
    LoadedGame loaded = tablesFromGameFile(readGameFile(path, game.races), game.name);
    rebuildGroupTable(loaded.selection, loaded.groups, loaded.superGroups);
    CountRequest request;
    request.game = std::string(game.name);
    request.selection = std::move(loaded.selection);
    request.leastSum = loaded.leastSum;
    request.greatestSum = loaded.greatestSum;
    request.groups = std::move(loaded.groups);
    request.superGroups = std::move(loaded.superGroups);
    request.price = price;
    return countColumns(request);
}

}  // namespace quintaro::cli
