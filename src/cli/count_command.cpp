// quintaro-cli count GAMEFILE [--price P] [--columns] [--json] [--path auto|states|exhaustive]
// Loads a game file as the new-game dialog does, rebuilds the group table and counts the columns as the game
// window's "&ΜΕΤΡΗΜΑ" does. --path names the way through the candidates (the window's, auto, by default);
// every path gives the same result, so it serves for comparing and timing them.

#include <optional>
#include <ostream>

#include "command.h"
#include "core/game/counting.h"
#include "core/text/number_text.h"
#include "game_file_command.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

const GameFileSyntax kSyntax{
    "count GAMEFILE [--price P] [--columns] [--json] [--path auto|states|exhaustive]",
    {"--json", "--columns"},
    {"--price", "--path"},
    {}};

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
    int status = kExitOk;
    const std::optional<PricedGameFile> f = pricedGameFile(args, kSyntax, err, status);
    if (!f) {
        return status;
    }
    const std::optional<CountingPath> countingPath = parsePath(f->args.option("--path").value_or("auto"));
    if (!countingPath) {
        err << "quintaro-cli: '" << *f->args.option("--path")
            << "' is not a counting path (auto, states or exhaustive)\n";
        return kExitUsage;
    }
    const GameType& type = *f->game;
    return withCountedGameFile(
        f->args.file, type, f->price, err,
        [&](const CountOutcome& outcome) {
            if (f->args.has("--json")) {
                writeJson(out, type, outcome, f->args.has("--columns"));
            } else {
                writeText(out, type, outcome, f->args.has("--columns"));
            }
        },
        *countingPath);
}

const CommandRegistration registration{{"count", std::string(kSyntax.usage),
                                        "count the columns of a game file as the game window's counting does",
                                        count}};

}  // namespace
}  // namespace quintaro::cli
