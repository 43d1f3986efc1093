// quintaro-cli gather GAMEFILE [--price P] [--json]
// Counts the game file as the count command does, then gathers the counted columns into coupons as the
// gathered columns view does.

#include <optional>
#include <ostream>

#include "command.h"
#include "core/game/gathering.h"
#include "core/print/column_list_printout.h"
#include "core/text/number_text.h"
#include "game_file_command.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

const GameFileSyntax kSyntax{"gather GAMEFILE [--price P] [--json]", {"--json"}, {"--price"}, {}};

int gather(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int status = kExitOk;
    const std::optional<PricedGameFile> f = pricedGameFile(args, kSyntax, err, status);
    if (!f) {
        return status;
    }
    const GameType& type = *f->game;
    return withCountedGameFile(f->args.file, type, f->price, err, [&](CountOutcome& counted) {
        const CouponList coupons = Mazema(counted.columns);
        const std::string cost = formatFixed2(f->price * static_cast<double>(counted.columns.size()), '.');
        if (f->args.has("--json")) {
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
    });
}

const CommandRegistration registration{
    {"gather", std::string(kSyntax.usage),
     "count a game file and gather its columns into coupons as the gathered view does", gather}};

}  // namespace
}  // namespace quintaro::cli
