// Compiling a counting: the cells of the selection table and of the group tables are parsed once into the
// numbers the enumeration works on, with the meaning the cell rules give them.

#include <algorithm>
#include <bitset>
#include <limits>

#include "core/game/counting_engine.h"
#include "core/game/game_types.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::counting {
namespace {

[[noreturn]] void notAnInteger(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

// The greatest column sum among the candidates, or nullopt when there is no candidate. A places game only
// counts columns without a repeated horse.
std::optional<int> greatestCandidateSum(const CompiledCounting& c) {
    if (c.full == 0) {
        return std::nullopt;
    }
    if (!c.places) {
        int sum = 0;
        for (const auto& race : c.horses) {
            sum += *std::max_element(race.begin(), race.end());
        }
        return sum;
    }
    // A places game has at most 4 places of 20 horses: a plain search is enough.
    std::optional<int> best;
    std::bitset<256> used;
    auto search = [&](auto&& self, std::size_t race, int sum) -> void {
        if (race == c.horses.size()) {
            best = std::max(best.value_or(sum), sum);
            return;
        }
        for (std::uint8_t h : c.horses[race]) {
            if (!used.test(h)) {
                used.set(h);
                self(self, race + 1, sum + h);
                used.reset(h);
            }
        }
    };
    search(search, 0, 0);
    return best;
}

}  // namespace

CompiledCounting compile(const CountRequest& q) {
    CompiledCounting c;
    const SelectionTable& t = q.selection;
    c.races = t.races();
    c.places = isPlacesGame(q.game);

    // The full system: the horses of every race in cell order.
    c.full = c.races > 0 ? 1 : 0;
    c.horses.resize(static_cast<std::size_t>(c.races));
    for (int r = 1; r <= c.races; ++r) {
        auto& race = c.horses[static_cast<std::size_t>(r - 1)];
        for (std::string_view entry : splitHorseList(t.cell(SelectionTable::kHorsesColumn, r))) {
            const std::int32_t h = parseInt(entry);
            if (h < 0 || h > 255) {
                notAnInteger(entry);
            }
            race.push_back(static_cast<std::uint8_t>(h));
            c.olaAloga.push_back(static_cast<std::uint8_t>(h));
            c.koursaAlogou.push_back(static_cast<std::uint8_t>(r));
        }
        c.full *= race.size();
    }

    // The group and super-group records, in table order.
    const GroupTable& gt = q.groups;
    for (int r = 1; r <= gt.dataRows(); ++r) {
        GroupRecord g;
        g.number = parseInt(gt.cell(GroupTable::kNumberColumn, r));
        g.from = parseInt(gt.cell(GroupTable::kFromColumn, r));
        g.to = parseInt(gt.cell(GroupTable::kToColumn, r));
        g.superGroup = parseInt(gt.cell(GroupTable::kSuperGroupColumn, r));
        parseInt(gt.cell(GroupTable::kMembersColumn, r));  // read as the basics' "all of them"
        c.groups.push_back(g);
    }
    const SuperGroupTable& st = q.superGroups;
    for (int r = 1; r <= st.dataRows(); ++r) {
        SuperGroupRecord s;
        s.number = parseInt(st.cell(SuperGroupTable::kNumberColumn, r));
        s.from = parseInt(st.cell(SuperGroupTable::kFromColumn, r));
        s.to = parseInt(st.cell(SuperGroupTable::kToColumn, r));
        s.groups = parseInt(st.cell(SuperGroupTable::kGroupsColumn, r));
        c.supers.push_back(s);
    }
    for (GroupRecord& g : c.groups) {
        for (std::size_t j = 0; j < c.supers.size(); ++j) {
            if (c.supers[j].number == g.superGroup) {
                if (g.firstSuperRecord < 0) {
                    g.firstSuperRecord = static_cast<int>(j);
                }
                g.superRecords.push_back(static_cast<int>(j));
            }
        }
    }

    // The tested basics: every basic column that names a horse somewhere.
    c.noBasics = t.hasNoBasics();
    int groupFrom = 0, groupTo = 0, groupSize = 0;  // carried over from basic to basic
    std::vector<int> columns;
    for (int col = SelectionTable::kFirstBasicColumn; col < t.columnCount(); ++col) {
        if (t.isBasicEmpty(col)) {
            continue;
        }
        const std::string& groupText = t.cell(col, t.groupRow());
        for (int r = 1; r <= gt.dataRows(); ++r) {
            if (trimmed(gt.cell(GroupTable::kNumberColumn, r)) == trimmed(groupText)) {
                groupFrom = parseInt(gt.cell(GroupTable::kFromColumn, r));
                groupTo = parseInt(gt.cell(GroupTable::kToColumn, r));
                groupSize = parseInt(gt.cell(GroupTable::kMembersColumn, r));
            }
        }
        CompiledBasic b;
        b.groupTo = groupTo;
        b.groupNeedsAll = groupFrom == groupTo && groupTo == groupSize;
        const auto from = tryParseInt(t.cell(col, t.fromRow()));
        const auto to = tryParseInt(t.cell(col, t.toRow()));
        const auto group = tryParseInt(groupText);
        b.unreadable = !from || !to || !group;
        if (!b.unreadable) {
            b.from = *from;
            b.to = *to;
            for (std::size_t i = 0; i < c.groups.size(); ++i) {
                if (c.groups[i].number == *group) {
                    b.groupRecords.push_back(static_cast<int>(i));
                    b.ownRecord = static_cast<int>(i);
                }
            }
            b.holdsOutOfBounds = b.holds(-1);
        }
        c.basics.push_back(std::move(b));
        columns.push_back(col);
    }

    // Which basic names which horse of which race: entries compared as texts with the horse's number.
    c.member.resize(static_cast<std::size_t>(c.races));
    for (int r = 0; r < c.races; ++r) {
        const auto& race = c.horses[static_cast<std::size_t>(r)];
        auto& rows = c.member[static_cast<std::size_t>(r)];
        rows.assign(race.size(), std::vector<std::uint8_t>(columns.size(), 0));
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::string& cell = t.cell(columns[k], r + 1);
            for (std::size_t j = 0; j < race.size(); ++j) {
                rows[j][k] = horseListContains(cell, race[j]) ? 1 : 0;
            }
        }
    }

    // The sum bounds are read by every tested basic: the least first, the greatest only when the column's
    // sum reached the least. A bound that is no number stops the counting when a candidate reads it.
    c.sumsApply = !c.basics.empty();
    const auto least = tryParseInt(q.leastSum);
    const auto greatest = tryParseInt(q.greatestSum);
    if (c.sumsApply) {
        const auto top = greatestCandidateSum(c);
        if (!least && top) {
            notAnInteger(q.leastSum);
        }
        if (least && !greatest && top && *top >= *least) {
            notAnInteger(q.greatestSum);
        }
    }
    c.leastSum = least.value_or(0);
    c.greatestSum = greatest.value_or(std::numeric_limits<int>::max());
    return c;
}

}  // namespace quintaro::counting
