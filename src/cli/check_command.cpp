// quintaro-cli check GAMEFILE --win H1/H2/... [--gathered] [--json]
// Counts the game file as the count command does, then checks the winning column against the counted
// columns (a win and the near misses) or, with --gathered, finds the coupon that holds it.

#include <algorithm>
#include <optional>
#include <ostream>

#include "command.h"
#include "core/game/gathering.h"
#include "core/game/winning_check.h"
#include "core/text/number_text.h"
#include "game_file_command.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

const GameFileSyntax kSyntax{
    "check GAMEFILE --win H1/H2/... [--gathered] [--json]", {"--json", "--gathered"}, {"--win"}, {"--win"}};

// "3/12/1/7" (blanks allowed around the slashes): horse numbers 1 .. 20.
std::optional<std::vector<std::uint8_t>> parseWinning(std::string_view text) {
    std::vector<std::uint8_t> horses;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t slash = std::min(text.find('/', start), text.size());
        const std::string_view part = trimmed(text.substr(start, slash - start));
        const auto horse = part.empty() ? std::nullopt : tryParseInt(part);
        if (!horse || *horse < 1 || *horse > 20) {
            return std::nullopt;
        }
        horses.push_back(static_cast<std::uint8_t>(*horse));
        start = slash + 1;
    }
    return horses;
}

void writeText(std::ostream& out, const CheckResult& result) {
    std::string message = result.message;
    for (char& c : message) {
        if (c == '\r') {
            c = '\n';
        }
    }
    out << message << "\nΝικήτρια : " << result.winningLine << "\n";
    if (!result.secondLine.empty()) {
        out << result.secondLine << "\n";
    }
}

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<GameFileArguments> a = parseGameFileArguments(args, kSyntax, err);
    if (!a) {
        return kExitUsage;
    }
    const std::string winText = *a->option("--win");
    const auto winning = parseWinning(winText);
    if (!winning) {
        err << "quintaro-cli: '" << winText
            << "' is not a winning column (horse numbers 1..20 joined by /)\n";
        return kExitUsage;
    }
    const GameType* type = gameOfFile(a->file, err);
    if (!type) {
        return kExitBadInput;
    }
    if (static_cast<int>(winning->size()) != type->races) {
        err << "quintaro-cli: the winning column names " << winning->size() << " horses; " << type->name
            << " has " << type->races << " races\n";
        return kExitBadInput;
    }
    const std::optional<double> price = priceOf(*a, *type, err);
    if (!price) {
        return kExitUsage;
    }

    return withCountedGameFile(a->file, *type, *price, err, [&](CountOutcome& counted) {
        JsonWriter w;
        w.beginObject();
        CheckResult result;
        if (a->has("--gathered")) {
            const CouponList coupons = Mazema(counted.columns);
            const auto coupon = FindDeltio(coupons, *winning);
            result = gatheredCheckResult(type->name, coupon, *winning);
            w.key("coupon");
            if (coupon) {
                w.value(static_cast<std::uint64_t>(*coupon));
            } else {
                w.null();
            }
        } else {
            const PlainCheck plain = checkPlain(counted.columns, *winning);
            result = plainCheckResult(type->name, type->races, plain, *winning);
            w.key("win").value(plain.win);
            w.key("near_misses").value(plain.nearMisses);
            if (static_cast<std::int64_t>(plain.examined) < plain.found) {
                w.key("examined").value(static_cast<std::uint64_t>(plain.examined));
                w.key("found").value(plain.found);
            }
        }
        w.endObject();
        if (a->has("--json")) {
            out << w.str() << "\n";
        } else {
            writeText(out, result);
        }
    });
}

const CommandRegistration registration{
    {"check", std::string(kSyntax.usage),
     "count a game file and check a winning column against its columns, or find its coupon (--gathered)",
     check}};

}  // namespace
}  // namespace quintaro::cli
