// quintaro-cli gather GAMEFILE [--price P] [--json]
// Counts the game file as the count command does, then gathers the counted columns into coupons as the
// gathered columns view does.

#include <filesystem>
#include <optional>
#include <ostream>

#include "command.h"
#include "core/game/game_file.h"
#include "core/game/gathering.h"
#include "core/print/column_list_printout.h"
#include "core/text/number_text.h"
#include "counted_game.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

constexpr const char* kUsage = "gather GAMEFILE [--price P] [--json]";

// A message whose lines are joined by carriage returns, on one line.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r') {
            c = ' ';
        }
    }
    return text;
}

int usage(std::ostream& err) {
    err << "quintaro-cli: usage: quintaro-cli " << kUsage << "\n";
    return kExitUsage;
}

int gather(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> file;
    std::optional<std::string> priceText;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--price" && i + 1 < args.size()) {
            priceText = args[++i];
        } else if (a.starts_with("--") || file) {
            return usage(err);
        } else {
            file = a;
        }
    }
    if (!file) {
        return usage(err);
    }
    const GameType* type = gameOfFile(*file, err);
    if (!type) {
        return kExitBadInput;
    }
    const std::optional<double> price = priceOf(priceText, *type);
    if (!price) {
        err << "quintaro-cli: '" << *priceText << "' is not a price\n";
        return kExitUsage;
    }

    try {
        CountOutcome counted = countGameFile(*file, *type, *price);
        const CouponList coupons = Mazema(counted.columns);
        const std::string cost = formatFixed2(*price * static_cast<double>(counted.columns.size()), '.');
        if (json) {
            JsonWriter w;
            w.beginObject();
            w.key("columns").value(static_cast<std::int64_t>(counted.columns.size()));
            w.key("coupons").beginArray();
            for (const TsSthlh& coupon : coupons) {
                w.beginArray();
                for (const std::string& list : coupon) {
                    w.value(list);
                }
                w.endArray();
            }
            w.endArray();
            w.key("cost").value(cost);
            w.endObject();
            out << w.str() << "\n";
        } else {
            out << "ΣΤΗΛΕΣ : " << counted.columns.size() << "  ΔΕΛΤΙΑ : " << coupons.size()
                << "    ΚΟΣΤΟΣ : " << cost << "\n";
            for (std::size_t c = 0; c < coupons.size(); ++c) {
                out << print::couponLine(c + 1, coupons[c]) << "\n";
            }
        }
        return kExitOk;
    } catch (const GatheringRefused& e) {
        err << "quintaro-cli: " << *file << ": " << oneLine(e.what()) << "\n";
    } catch (const GameFileError& e) {
        err << "quintaro-cli: " << *file << ": " << e.what() << "\n";
    } catch (const ConversionError& e) {
        err << "quintaro-cli: " << *file << ": " << e.what() << "\n";
    }
    return kExitBadInput;
}

const CommandRegistration registration{
    {"gather", kUsage, "count a game file and gather its columns into coupons as the gathered view does",
     gather}};

}  // namespace
}  // namespace quintaro::cli
