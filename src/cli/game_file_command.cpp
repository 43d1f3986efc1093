#include "game_file_command.h"

#include <algorithm>
#include <filesystem>

#include "command.h"
#include "core/game/game_file.h"
#include "core/game/game_file_count.h"
#include "core/game/gathering.h"
#include "core/settings/column_cost.h"
#include "core/text/number_text.h"

namespace quintaro::cli {
namespace {

bool names(const std::vector<std::string_view>& list, std::string_view argument) {
    return std::find(list.begin(), list.end(), argument) != list.end();
}

// A message whose lines are joined by carriage returns, on one line.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

void writeUsage(std::string_view usage, std::ostream& err) {
    err << "quintaro-cli: usage: quintaro-cli " << usage << "\n";
}

}  // namespace

std::optional<std::string> GameFileArguments::option(std::string_view name) const {
    const auto it = options.find(name);
    return it == options.end() ? std::nullopt : std::optional(it->second);
}

std::optional<GameFileArguments> parseGameFileArguments(const std::vector<std::string>& args,
                                                        const GameFileSyntax& syntax, std::ostream& err) {
    GameFileArguments parsed;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (names(syntax.flags, a)) {
            parsed.flags.insert(a);
        } else if (names(syntax.options, a) && i + 1 < args.size()) {
            parsed.options[a] = args[++i];
        } else if (a.starts_with("--") || haveFile) {
            writeUsage(syntax.usage, err);
            return std::nullopt;
        } else {
            parsed.file = a;
            haveFile = true;
        }
    }
    const bool missing = std::any_of(syntax.required.begin(), syntax.required.end(),
                                     [&](std::string_view o) { return !parsed.options.contains(o); });
    if (!haveFile || missing) {
        writeUsage(syntax.usage, err);
        return std::nullopt;
    }
    return parsed;
}

const GameType* gameOfFile(const std::string& file, std::ostream& err) {
    const GameType* type = findGameTypeByExtension(std::filesystem::path(file).extension().string());
    if (!type) {
        err << "quintaro-cli: " << file
            << ": the extension does not name a game (.sk4, .sk6, .sk9, .tet or .tri)\n";
    }
    return type;
}

std::optional<double> priceOf(const GameFileArguments& args, const GameType& game, std::ostream& err) {
    const std::optional<std::string> typed = args.option("--price");
    std::string price = typed.value_or(std::string(defaultColumnCostText(game.name)));
    std::replace(price.begin(), price.end(), ',', '.');
    const std::optional<double> value = tryParseFloat(price, '.');
    if (!value) {
        err << "quintaro-cli: '" << typed.value_or(price) << "' is not a price\n";
    }
    return value;
}

std::optional<PricedGameFile> pricedGameFile(const std::vector<std::string>& args,
                                             const GameFileSyntax& syntax, std::ostream& err, int& status) {
    std::optional<GameFileArguments> parsed = parseGameFileArguments(args, syntax, err);
    if (!parsed) {
        status = kExitUsage;
        return std::nullopt;
    }
    const GameType* game = gameOfFile(parsed->file, err);
    if (!game) {
        status = kExitBadInput;
        return std::nullopt;
    }
    const std::optional<double> price = priceOf(*parsed, *game, err);
    if (!price) {
        status = kExitUsage;
        return std::nullopt;
    }
    return PricedGameFile{std::move(*parsed), game, *price};
}

int withCountedGameFile(const std::string& file, const GameType& game, double price, std::ostream& err,
                        const std::function<void(CountOutcome&)>& use, CountingPath countingPath) {
    try {
        CountOutcome counted = countGameFile(file, game, price, countingPath);
        use(counted);
        return kExitOk;
    } catch (const GatheringRefused& e) {
        err << "quintaro-cli: " << file << ": " << oneLine(e.what()) << "\n";
    } catch (const GameFileError& e) {
        err << "quintaro-cli: " << file << ": " << e.what() << "\n";
    } catch (const ConversionError& e) {
        err << "quintaro-cli: " << file << ": " << e.what() << "\n";
    }
    return kExitBadInput;
}

}  // namespace quintaro::cli
