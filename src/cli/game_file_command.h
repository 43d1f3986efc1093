#pragma once
// What the commands on a game file share: their arguments (one game file, flags, options with a value), the
// game that the file's extension names, the price of a column, and the file loaded and counted as the game
// window counts it, with its failures reported.

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/counting.h"
#include "core/game/game_types.h"

namespace quintaro::cli {

// The arguments a command takes besides its game file.
struct GameFileSyntax {
    std::string_view usage;                  // the usage line, e.g. "count GAMEFILE [--price P] [--json]"
    std::vector<std::string_view> flags;     // e.g. "--json"
    std::vector<std::string_view> options;   // each followed by its value, e.g. "--price"
    std::vector<std::string_view> required;  // options that must be given
};

struct GameFileArguments {
    std::string file;
    std::set<std::string, std::less<>> flags;
    std::map<std::string, std::string, std::less<>> options;  // the last value of each option given

    bool has(std::string_view flag) const { return flags.contains(flag); }
    std::optional<std::string> option(std::string_view name) const;
};

// The file, flags and options of the syntax, in any order. nullopt (with the usage line written to err) for
// an argument the syntax does not know, an option without its value, a second file, no file or a required
// option left out.
std::optional<GameFileArguments> parseGameFileArguments(const std::vector<std::string>& args,
                                                        const GameFileSyntax& syntax, std::ostream& err);

// The game of the file, from its extension; nullopt (with the message written to err) when it names none.
const GameType* gameOfFile(const std::string& file, std::ostream& err);

// The price of a column: the "--price" option, typed with either "." or "," as its decimal point, or the
// game's default price when it is not given; nullopt (with the message written to err) when it is no number.
std::optional<double> priceOf(const GameFileArguments& args, const GameType& game, std::ostream& err);

// A command's game file with its game and the price of a column, as count and gather take them.
struct PricedGameFile {
    GameFileArguments args;
    const GameType* game = nullptr;
    double price = 0;
};

// Parses the arguments, finds the file's game and reads the price. nullopt when any of them cannot be used:
// the message is written to err and `status` is the exit status to end with.
std::optional<PricedGameFile> pricedGameFile(const std::vector<std::string>& args,
                                             const GameFileSyntax& syntax, std::ostream& err, int& status);

// Loads and counts the file at `price` a column and hands the counting to `use`. A file that cannot be loaded
// or counted, and a gathering that `use` finds refused, are reported with the file's name (kExitBadInput);
// otherwise kExitOk.
int withCountedGameFile(const std::string& file, const GameType& game, double price, std::ostream& err,
                        const std::function<void(CountOutcome&)>& use,
                        CountingPath countingPath = CountingPath::Automatic);

}  // namespace quintaro::cli
