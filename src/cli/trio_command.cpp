// quintaro-cli trio: builds a guaranteed TRIO system headlessly, as the construction window's calculate
// button does, and reports its columns, coupons, percentage and the name of its prototype file.

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "command.h"
#include "core/text/cp1253.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"
#include "core/trio/board.h"
#include "core/trio/condition_grid.h"
#include "core/trio/conditions.h"
#include "core/trio/trio_files.h"
#include "core/trio/trio_texts.h"
#include "core/trio/walk.h"
#include "json_writer.h"

namespace quintaro::cli {
namespace {

constexpr const char* kUsage = "trio [--numbers LIST] [--guarantee 2|3] [--conditions FILE.or3] [--json]";

struct Options {
    std::optional<std::string> numbers;
    std::optional<int> guarantee;
    std::optional<std::string> conditions;
    bool json = false;
};

int usage(std::ostream& err, const std::string& why) {
    err << "quintaro-cli trio: " << why << "\nUsage: quintaro-cli " << kUsage << "\n";
    return kExitUsage;
}

// The item of a drop-down list matching a conditions-file line, as the window selects it.
std::optional<std::string> matchItem(std::initializer_list<std::string_view> items, const std::string& line) {
    for (std::string_view item : items) {
        if (trio::sameTextIgnoringCase(item, line)) {
            return std::string(item);
        }
    }
    return std::nullopt;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            o.json = true;
        } else if (a == "--numbers" && hasValue) {
            o.numbers = args[++i];
        } else if (a == "--conditions" && hasValue) {
            o.conditions = args[++i];
        } else if (a == "--guarantee" && hasValue) {
            const std::string& g = args[++i];
            if (g != "2" && g != "3") {
                return usage(err, "the guarantee is 2 or 3");
            }
            o.guarantee = g == "2" ? 2 : 3;
        } else {
            return usage(err, "unexpected argument '" + a + "'");
        }
    }
    if (!o.numbers && !o.conditions) {
        return usage(err, "give --numbers or --conditions");
    }

    trio::TrioBoard board;
    TextGrid grid;
    trio::resetConditionGrid(grid);
    std::array<trio::NumberGroupTexts, trio::kNumberGroups> groups;
    int guarantee = 3;
    std::string hitText(trio::kHitItem);
    if (o.conditions) {
        std::ifstream in(*o.conditions, std::ios::binary);
        if (!in) {
            err << "quintaro-cli trio: cannot read " << *o.conditions << "\n";
            return kExitBadInput;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        trio::ConditionsFile file;
        try {
            file = trio::readConditionsFile(bytes);
        } catch (const cp1253::CodecError&) {
            err << "quintaro-cli trio: " << *o.conditions << " may be damaged\n";
            return kExitBadInput;
        }
        trio::selectFromList(board, file.selection);
        hitText = matchItem({trio::kHitItem}, file.hitText).value_or("");
        if (const auto g = matchItem({trio::kGuarantee3, trio::kGuarantee2}, file.guaranteeText)) {
            guarantee = *g == trio::kGuarantee2 ? 2 : 3;
        }
        groups = file.groups;
        for (std::size_t r = 0; r < file.rows.size(); ++r) {
            grid.setCell(trio::kFromColumn, static_cast<int>(r) + 1, file.rows[r].first);
            grid.setCell(trio::kToColumn, static_cast<int>(r) + 1, file.rows[r].second);
        }
    }
    if (o.numbers) {
        board.clear();
        for (std::string_view entry : splitHorseList(*o.numbers)) {
            const auto v = tryParseInt(entry);
            if (!v || *v < 1 || *v > trio::kBoardNumbers) {
                err << "quintaro-cli trio: '" << entry << "' is not a number from 1 to 20\n";
                return kExitBadInput;
            }
            board.setNumber(*v, true);
        }
    }
    if (o.guarantee) {
        guarantee = *o.guarantee;
    }

    trio::Conditions conditions;
    try {
        conditions = trio::readConditions(grid, groups);
    } catch (const ConversionError& e) {
        err << "quintaro-cli trio: " << e.what() << "\n";
        return kExitBadInput;
    }
    const trio::TrioResult result = trio::calculateTrio(board.numbers(), conditions, guarantee);
    const auto found = static_cast<std::int64_t>(result.columns.size());
    std::string percent = trio::percentText(found, result.selected, '.');
    if (percent.empty()) {
        percent = "0.00";
    }
    std::optional<std::string> prototype;
    if (found > 0 && !result.stopped) {
        trio::PrototypeFigures figures;
        figures.selected = result.selected;
        figures.guarantee = guarantee;
        figures.hitText = hitText;
        figures.found = found;
        figures.group1List = groups[0].list;
        figures.group1From = groups[0].from;
        figures.group1To = groups[0].to;
        prototype = trio::prototypeFileName(figures);
    }

    if (o.json) {
        JsonWriter json;
        json.beginObject();
        json.key("selected").value(result.selected);
        json.key("found").value(found);
        json.key("columns").beginArray();
        for (const trio::Column& c : result.columns) {
            json.beginArray();
            for (std::uint8_t v : c) {
                json.value(static_cast<int>(v));
            }
            json.endArray();
        }
        json.endArray();
        json.key("coupons").value(trio::couponCount(found));
        json.key("percent").value(percent);
        json.key("prototype");
        if (prototype) {
            json.value(*prototype);
        } else {
            json.null();
        }
        json.key("stopped").value(result.stopped);
        json.endObject();
        out << json.str() << "\n";
        return kExitOk;
    }
    std::string message = trio::resultMessage(trio::selectedLabel(result.selected),
                                              guarantee == 2 ? trio::kGuarantee2 : trio::kGuarantee3,
                                              trio::kSystemKind, found, trio::couponsLabel(found), '.');
    for (char& ch : message) {
        if (ch == '\r') {
            ch = '\n';
        }
    }
    out << message << "\n" << trio::percentLabel(found, result.selected, '.') << "\n";
    if (result.stopped) {
        out << "(the conditions can never be met together: the calculation stopped)\n";
    }
    for (const trio::Column& c : result.columns) {
        out << joinHorseList(c) << "\n";
    }
    if (prototype) {
        out << trio::kPrototypeFolder << "/" << *prototype << "\n";
    }
    return kExitOk;
}

const CommandRegistration registration(
    {"trio", kUsage,
     "build a guaranteed TRIO system (3-hit, or 3- or 2-hit) from up to 20 "
     "numbers and a conditions file",
     run});

}  // namespace
}  // namespace quintaro::cli
