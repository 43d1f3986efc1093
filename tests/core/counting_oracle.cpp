#include "counting_oracle.h"

#include <set>
#include <string>

#include "core/game/game_types.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::test {
namespace {

// `TOmada` and `TYperOmada`, as counting copies them from the tables.
struct GroupRecord {
    int number, from, to, satisfied, superGroup;
};
struct SuperGroupRecord {
    int number, satisfied, from, to, groups;
};

class Oracle {
public:
    explicit Oracle(const CountRequest& request) : q_(request), t_(request.selection) {}

    OracleResult run() {
        OracleResult out;
        const int races = t_.races();
        // Prepare: the horses of every race, OlaAloga, KoursaAlogou, the full-system product.
        std::vector<std::vector<int>> horses(static_cast<std::size_t>(races));
        out.full = races > 0 ? 1 : 0;
        for (int r = 1; r <= races; ++r) {
            for (std::string_view entry : splitHorseList(t_.cell(1, r))) {
                const int h = parseInt(entry);
                if (h < 0 || h > 255) {
                    throw ConversionError("'" + std::string(entry) + "' is not a valid integer value");
                }
                horses[static_cast<std::size_t>(r - 1)].push_back(h);
                out.olaAloga.push_back(static_cast<std::uint8_t>(h));
                out.koursaAlogou.push_back(static_cast<std::uint8_t>(r));
            }
            out.full *= horses[static_cast<std::size_t>(r - 1)].size();
        }
        // The group and super-group records, row by row in table order.
        for (int r = 1; r <= q_.groups.dataRows(); ++r) {
            const auto& g = q_.groups;
            GroupRecord rec{};
            rec.number = parseInt(g.cell(0, r));
            rec.from = parseInt(g.cell(2, r));
            rec.to = parseInt(g.cell(3, r));
            rec.superGroup = parseInt(g.cell(4, r));
            parseInt(g.cell(1, r));  // "ΟΡΟΙ" is read for the basics' limits
            groups_.push_back(rec);
        }
        for (int r = 1; r <= q_.superGroups.dataRows(); ++r) {
            const auto& s = q_.superGroups;
            SuperGroupRecord rec{};
            rec.number = parseInt(s.cell(0, r));
            rec.from = parseInt(s.cell(2, r));
            rec.to = parseInt(s.cell(3, r));
            rec.groups = parseInt(s.cell(1, r));
            supers_.push_back(rec);
        }
        out.noBasics = t_.hasNoBasics();
        places_ = isPlacesGame(q_.game);

        // The odometer: the last race varies fastest.
        if (out.full == 0) {
            return out;
        }
        std::vector<std::size_t> index(static_cast<std::size_t>(races), 0);
        while (true) {
            std::vector<int> column;
            for (int r = 0; r < races; ++r) {
                column.push_back(horses[static_cast<std::size_t>(r)][index[static_cast<std::size_t>(r)]]);
            }
            const bool repeats = std::set<int>(column.begin(), column.end()).size() != column.size();
            if (!(places_ && repeats)) {
                const bool accepted = out.noBasics || (basicsHold(column) && superGroupsHold());
                ++out.candidates;
                if (accepted) {
                    if (out.found < q_.storedLimit) {
                        out.stored.emplace_back(column.begin(), column.end());
                    }
                    ++out.found;
                }
            }
            int r = races - 1;
            while (r >= 0) {
                auto& i = index[static_cast<std::size_t>(r)];
                if (++i < horses[static_cast<std::size_t>(r)].size()) {
                    break;
                }
                i = 0;
                --r;
            }
            if (r < 0) {
                break;
            }
        }
        return out;
    }

private:
    // The super-group record of group record `last`: the first with that number, or the one found before.
    bool superGroupNeedsAll(int last, int& superFound) const {
        if (groups_.empty()) {
            return false;
        }
        for (std::size_t j = 0; j < supers_.size(); ++j) {
            if (supers_[j].number == groups_[static_cast<std::size_t>(last)].superGroup) {
                superFound = static_cast<int>(j);
                break;
            }
        }
        if (supers_.empty()) {
            return false;
        }
        const SuperGroupRecord& s = supers_[static_cast<std::size_t>(superFound)];
        return s.from == s.to && s.to == s.groups;
    }

    bool basicsHold(const std::vector<int>& h) {
        for (auto& g : groups_) {
            g.satisfied = 0;
        }
        int last = 0;
        int superFound = 0;
        int gmin = 0, gmax = 0, gsize = 0;
        int sum = 0;
        for (int v : h) {
            sum += v;
        }
        const int races = t_.races();
        for (int c = SelectionTable::kFirstBasicColumn; c < t_.columnCount(); ++c) {
            if (t_.isBasicEmpty(c)) {
                continue;  // an empty basic is never tested, the first one included
            }
            const std::string& g = t_.cell(c, t_.groupRow());
            for (int r = 1; r <= q_.groups.dataRows(); ++r) {
                if (trimmed(q_.groups.cell(0, r)) == trimmed(g)) {
                    gmin = parseInt(q_.groups.cell(2, r));
                    gmax = parseInt(q_.groups.cell(3, r));
                    gsize = parseInt(q_.groups.cell(1, r));
                }
            }
            int hits = 0;
            for (int r = 1; r <= races; ++r) {
                if (horseListContains(t_.cell(c, r), h[static_cast<std::size_t>(r - 1)])) {
                    ++hits;
                }
            }
            if (sum < parseInt(q_.leastSum) || sum > parseInt(q_.greatestSum)) {
                hits = -1;
            }
            const auto from = tryParseInt(t_.cell(c, t_.fromRow()));
            const auto to = tryParseInt(t_.cell(c, t_.toRow()));
            const auto group = tryParseInt(g);
            if (!from || !to || !group) {
                return false;
            }
            if (*from <= hits && hits <= *to) {
                for (std::size_t i = 0; i < groups_.size(); ++i) {
                    if (groups_[i].number == *group) {
                        ++groups_[i].satisfied;
                        last = static_cast<int>(i);
                    }
                }
            } else if (gmin == gmax && gmax == gsize) {
                if (superGroupNeedsAll(last, superFound)) {
                    return false;
                }
            }
            const GroupRecord* own = nullptr;
            for (const auto& rec : groups_) {
                if (rec.number == *group) {
                    own = &rec;
                }
            }
            if (own && own->satisfied > gmax) {
                return false;
            }
        }
        if (superGroupNeedsAll(last, superFound)) {
            bool outside = false;
            for (const auto& rec : groups_) {
                outside = outside || rec.satisfied < rec.from || rec.satisfied > rec.to;
            }
            if (outside) {
                return false;
            }
        }
        return true;
    }

    bool superGroupsHold() {
        for (auto& s : supers_) {
            s.satisfied = 0;
        }
        for (const auto& g : groups_) {
            if (g.from <= g.satisfied && g.satisfied <= g.to) {
                for (auto& s : supers_) {
                    if (s.number == g.superGroup) {
                        ++s.satisfied;
                    }
                }
            }
        }
        for (const auto& s : supers_) {
            if (s.satisfied < s.from || s.satisfied > s.to) {
                return false;
            }
        }
        return true;
    }

    const CountRequest& q_;
    const SelectionTable& t_;
    bool places_ = false;
    std::vector<GroupRecord> groups_;
    std::vector<SuperGroupRecord> supers_;
};

}  // namespace

OracleResult oracleCount(const CountRequest& request) {
    return Oracle(request).run();
}

}  // namespace quintaro::test
