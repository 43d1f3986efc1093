// quintaro-cli count GAMEFILE [--price P] [--columns] [--json] [--path auto|states|exhaustive]
// Loads a game file as the new-game dialog does, rebuilds the group table and counts the columns as the game
// window's "&ΜΕΤΡΗΜΑ" does. --path names the way through the candidates (the window's, auto, by default);
// every path gives the same result, so it serves for comparing and timing them.

#include <filesystem>
#include <optional>
#include <ostream>

#include "command.h"
#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_types.h"
#include "core/settings/column_cost.h"
#include "core/text/number_text.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

constexpr const char* kUsage =
    "count GAMEFILE [--price P] [--columns] [--json] [--path auto|states|exhaustive]";

std::optional<CountingPath> parsePath(std::string_view text) {
    if (text == "auto") {
        return CountingPath::Automatic;
    }
    if (text == "states") {
        return CountingPath::States;
    }
    if (text == "exhaustive") {
        return CountingPath::Exhaustive;
    }
    return std::nullopt;
}

// A price typed with either "." or "," as its decimal point.
std::optional<double> parsePrice(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    return tryParseFloat(text, '.');
}

void writeJson(std::ostream& out, const GameType& type, const CountOutcome& outcome, bool columns) {
    JsonWriter json;
    json.beginObject();
    json.key("game").value(type.name);
    json.key("races").value(type.races);
    json.key("full").value(outcome.full);
    json.key("candidates").value(outcome.candidates);
    json.key("found").value(outcome.found);
    json.key("stored").value(static_cast<std::uint64_t>(outcome.columns.stored()));
    json.key("cost").value(formatFixed2(outcome.cost, '.'));
    if (columns) {
        json.key("columns").beginArray();
        for (std::size_t i = 0; i < outcome.columns.stored(); ++i) {
            json.beginArray();
            for (std::uint8_t h : outcome.columns.horses(i)) {
                json.value(static_cast<int>(h));
            }
            json.endArray();
        }
        json.endArray();
    }
    json.endObject();
    out << json.str() << "\n";
}

void writeText(std::ostream& out, const GameType& type, const CountOutcome& outcome, bool columns) {
    out << countedInformationLine(type.name, outcome, '.') << "\n";
    if (columns) {
        for (std::size_t i = 0; i < outcome.columns.stored(); ++i) {
            const char* separator = "";
            for (std::uint8_t h : outcome.columns.horses(i)) {
                out << separator << static_cast<int>(h);
                separator = " ";
            }
            out << "\n";
        }
    }
}

int count(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> file;
    std::optional<std::string> priceText;
    bool json = false, columns = false;
    CountingPath countingPath = CountingPath::Automatic;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--columns") {
            columns = true;
        } else if (a == "--price" && i + 1 < args.size()) {
            priceText = args[++i];
        } else if (a == "--path" && i + 1 < args.size()) {
            const auto chosen = parsePath(args[++i]);
            if (!chosen) {
                err << "quintaro-cli: '" << args[i]
                    << "' is not a counting path (auto, states or exhaustive)\n";
                return kExitUsage;
            }
            countingPath = *chosen;
        } else if (a.starts_with("--") || file) {
            err << "quintaro-cli: usage: quintaro-cli " << kUsage << "\n";
            return kExitUsage;
        } else {
            file = a;
        }
    }
    if (!file) {
        err << "quintaro-cli: usage: quintaro-cli " << kUsage << "\n";
        return kExitUsage;
    }

    const std::filesystem::path path(*file);
    const GameType* type = findGameTypeByExtension(path.extension().string());
    if (!type) {
        err << "quintaro-cli: " << *file
            << ": the extension does not name a game (.sk4, .sk6, .sk9, .tet or .tri)\n";
        return kExitBadInput;
    }
    std::optional<double> price =
        parsePrice(priceText.value_or(std::string(defaultColumnCostText(type->name))));
    if (!price) {
        err << "quintaro-cli: '" << *priceText << "' is not a price\n";
        return kExitUsage;
    }

    try {
        LoadedGame game = tablesFromGameFile(readGameFile(path, type->races), type->name);
        rebuildGroupTable(game.selection, game.groups, game.superGroups);
        CountRequest request;
        request.game = std::string(type->name);
        request.selection = std::move(game.selection);
        request.leastSum = game.leastSum;
        request.greatestSum = game.greatestSum;
        request.groups = std::move(game.groups);
        request.superGroups = std::move(game.superGroups);
        request.price = *price;
        request.path = countingPath;
        const CountOutcome outcome = countColumns(request);
        if (json) {
            writeJson(out, *type, outcome, columns);
        } else {
            writeText(out, *type, outcome, columns);
        }
        return kExitOk;
    } catch (const GameFileError& e) {
        err << "quintaro-cli: " << *file << ": " << e.what() << "\n";
    } catch (const ConversionError& e) {
        err << "quintaro-cli: " << *file << ": " << e.what() << "\n";
    }
    return kExitBadInput;
}

const CommandRegistration registration{
    {"count", kUsage, "count the columns of a game file as the game window's counting does", count}};

}  // namespace
}  // namespace quintaro::cli
