// The engine against the reference counting on random games: same found, candidates and stored columns in
// the same order, or the same conversion error, for every path (by states, the exhaustive walk with its table
// or its general test, the automatic choice with a bound low enough to fall back) and thread count. Larger
// random games, too slow for the reference, compare counting by states with the exhaustive walk.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "core/game/counting_engine.h"
#include "core/game/game_types.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"
#include "counting_oracle.h"
#include "game_builders.h"

namespace quintaro {
namespace {

using test::oracleCount;
using test::OracleResult;

struct RandomGame {
    CountRequest request;
    bool plainLimits = true;  // new-group limits everywhere and plain group numbers
};

// The size of the random games.
struct Shape {
    bool racesOnly = false;  // no places games
    // Most and fewest horses a race, by races: at most about 20 000 candidates.
    int horsesPerRace[10] = {0, 0, 0, 16, 8, 0, 4, 0, 0, 3};
    int fewestPerRace[10] = {0, 0, 0, 1, 1, 0, 1, 0, 0, 1};
    int mostBasics = 19;  // some games beyond the table's 16
};

// Larger games for the state path against the exhaustive walk: up to about 10 million candidates.
constexpr Shape kLarger{
    true, {0, 0, 0, 0, 20, 0, 14, 0, 0, 6}, {0, 0, 0, 0, 15, 0, 8, 0, 0, 4}, counting::kMaxStateBasics};

class Generator {
public:
    explicit Generator(std::uint32_t seed, Shape shape = {}) : rng_(seed), shape_(shape) {}

    RandomGame game() {
        RandomGame g;
        std::vector<GameType> types;
        for (const GameType& type : windowGameTypes()) {
            if (!shape_.racesOnly || type.kind != GameKind::Places) {
                types.push_back(type);
            }
        }
        const GameType& type = types[static_cast<std::size_t>(pick(0, static_cast<int>(types.size()) - 1))];
        const int races = type.races;
        const bool places = type.kind == GameKind::Places;
        CountRequest& q = g.request;
        q.game = std::string(type.name);

        // Horses: a small pool in places games, so that repeats are common.
        const int perRace = shape_.horsesPerRace[races];
        const int pool = places || chance(0.3) ? std::max(6, perRace / 2) : 20;
        std::vector<std::vector<int>> horses;
        for (int r = 0; r < races; ++r) {
            horses.push_back(someOf(pool, pick(shape_.fewestPerRace[races], perRace)));
        }

        // Basics: usually a few; sometimes none, sometimes more than the table path takes.
        std::vector<test::BasicCells> basics;
        const int count = chance(0.1)   ? 0
                          : chance(0.1) ? pick(std::min(17, shape_.mostBasics), shape_.mostBasics)
                                        : pick(1, 7);
        for (int b = 0; b < count; ++b) {
            test::BasicCells draft;
            const bool empty = chance(0.1);
            for (int r = 0; r < races; ++r) {
                std::vector<int> chosen;
                if (!empty && !chance(0.35)) {
                    for (int h : horses[static_cast<std::size_t>(r)]) {
                        if (chance(0.5)) {
                            chosen.push_back(h);
                        }
                    }
                }
                std::string cell = joinHorseList(chosen);
                if (!empty && chance(0.03)) {
                    cell += cell.empty() ? "01" : ", 01";  // entries are compared as texts
                }
                draft.cells.push_back(cell);
            }
            const int from = pick(0, races / 2);
            const std::vector<std::string> bounds = {"x", "", "-1", " 2", "2.5", "1,5", "$3"};
            draft.from = odd(std::to_string(from), g, bounds);
            draft.to = odd(std::to_string(chance(0.1) ? pick(0, races) : pick(from, races)), g, bounds);
            draft.group = odd(std::to_string(pick(0, 3)), g, {"01", " 1", "300", "x"});
            basics.push_back(draft);
        }
        q.selection = test::makeSelection(q.game, horses, basics);

        const auto bounds = q.selection.computeSumBounds();
        int least = bounds->least, greatest = bounds->greatest;
        if (chance(0.3)) {
            least = pick(bounds->least, bounds->greatest);
            greatest = pick(least - 1, bounds->greatest);
        } else if (chance(0.07)) {
            // Bounds that no column's sum meets: above every sum, or the least above the greatest.
            least = chance(0.5) ? bounds->greatest + pick(1, 5) : pick(bounds->least + 1, bounds->greatest);
            greatest = chance(0.5) ? bounds->greatest : least - 1;
        }
        q.leastSum = chance(0.03) ? "abc" : std::to_string(least);
        q.greatestSum = chance(0.03) ? "" : std::to_string(greatest);

        rebuildGroupTable(q.selection, q.groups, q.superGroups);
        if (chance(0.6)) {
            g.plainLimits = false;
            // Each row needs all its members (as a new one), some of them, or any number at random.
            for (int r = 1; r <= q.groups.dataRows(); ++r) {
                randomLimits(q.groups, r, GroupTable::kMembersColumn);
                q.groups.setCell(GroupTable::kSuperGroupColumn, r, std::to_string(pick(0, 2)));
            }
            orderAndRebuildSuperGroups(q.groups, q.superGroups);
            for (int r = 1; r <= q.superGroups.dataRows(); ++r) {
                randomLimits(q.superGroups, r, SuperGroupTable::kGroupsColumn);
            }
        }
        // Tables that no rebuild makes, as a file or a hand could leave them.
        if (chance(0.1)) {
            g.plainLimits = false;
            const int rows = q.groups.dataRows();
            q.groups.setDataRows(rows + 1);
            const std::vector<std::string> extra = {std::to_string(pick(0, 4)), "1",
                                                    std::to_string(pick(0, 2)), std::to_string(pick(0, 2)),
                                                    std::to_string(pick(0, 3))};
            for (int c = 0; c < GroupTable::kColumns; ++c) {
                q.groups.setCell(c, rows + 1, extra[static_cast<std::size_t>(c)]);
            }
        }
        if (chance(0.05)) {
            g.plainLimits = false;
            q.superGroups.setDataRows(chance(0.5) ? 0 : std::max(0, q.superGroups.dataRows() - 1));
        }
        if (chance(0.02)) {
            q.groups.setCell(GroupTable::kToColumn, 1, "?");
        }
        const std::size_t limits[] = {1, 5, 50, ColumnList::kDefaultStoredLimit};
        q.storedLimit = limits[pick(0, 3)];
        return g;
    }

private:
    // "ΑΠΟ" and "ΕΩΣ" (columns 2 and 3 of both tables) of a row with `members` members.
    void randomLimits(LimitTable& table, int row, int membersColumn) {
        const int members = parseInt(table.cell(membersColumn, row));
        const double kind = std::uniform_real_distribution<double>(0, 1)(rng_);
        int from = members, to = members;
        if (kind < 0.35) {
            from = pick(0, members);
            to = pick(from, members);
        } else if (kind < 0.6) {
            from = pick(0, members + 1);
            to = pick(0, members + 1);
        }
        table.setCell(2, row, std::to_string(from));
        table.setCell(3, row, std::to_string(to));
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, std::max(lo, hi))(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::vector<int> someOf(int pool, int n) {
        std::vector<int> all;
        for (int h = 1; h <= pool; ++h) {
            all.push_back(h);
        }
        std::shuffle(all.begin(), all.end(), rng_);
        all.resize(static_cast<std::size_t>(std::min(n, pool)));
        std::sort(all.begin(), all.end());
        return all;
    }

    // Now and then a text that is not a plain number.
    std::string odd(std::string text, RandomGame& g,
                    std::vector<std::string> others = {"x", "", "-1", " 2"}) {
        if (chance(0.04)) {
            g.plainLimits = false;
            return others[static_cast<std::size_t>(pick(0, static_cast<int>(others.size()) - 1))];
        }
        return text;
    }

    std::mt19937 rng_;
    Shape shape_;
};

struct CountRun {
    std::string error;
    OracleResult result;
};

CountRun byOracle(const CountRequest& q) {
    CountRun run;
    try {
        run.result = oracleCount(q);
    } catch (const ConversionError& e) {
        run.error = e.what();
    }
    return run;
}

CountRun byEngine(const CountRequest& q, const counting::EngineOptions& options,
                  CountingPath* path = nullptr) {
    CountRun run;
    try {
        CountOutcome out = counting::countColumns(q, nullptr, options);
        if (path) {
            *path = out.path;
        }
        run.result.full = out.full;
        run.result.candidates = out.candidates;
        run.result.found = out.found;
        run.result.noBasics = out.noBasics;
        run.result.olaAloga = out.OlaAloga;
        run.result.koursaAlogou = out.KoursaAlogou;
        EXPECT_EQ(static_cast<std::uint64_t>(out.columns.size()), out.found);
        for (std::size_t i = 0; i < out.columns.stored(); ++i) {
            const auto h = out.columns.horses(i);
            run.result.stored.emplace_back(h.begin(), h.end());
        }
    } catch (const ConversionError& e) {
        run.error = e.what();
    }
    return run;
}

// Candidates whose tested basics all hold (the sum bounds apply): what a game at its default limits finds.
std::uint64_t everyBasicHolds(const CountRequest& q) {
    const SelectionTable& t = q.selection;
    if (t.hasNoBasics()) {
        return oracleCount(q).candidates;
    }
    std::uint64_t found = 0;
    for (const auto& column : oracleCount([&] {
                                  CountRequest all = q;  // the same candidates, every one accepted and kept
                                  all.selection.clearBasics();
                                  all.storedLimit = ColumnList::kDefaultStoredLimit;
                                  return all;
                              }())
                                  .stored) {
        int sum = 0;
        for (int h : column) {
            sum += h;
        }
        const auto least = tryParseInt(q.leastSum);
        const auto greatest = tryParseInt(q.greatestSum);
        const bool inBounds = least && sum >= *least && (!greatest || sum <= *greatest);
        bool all = true;
        for (int c = SelectionTable::kFirstBasicColumn; c < t.columnCount() && all; ++c) {
            if (t.isBasicEmpty(c)) {
                continue;
            }
            int hits = 0;
            for (int r = 1; r <= t.races(); ++r) {
                hits += horseListContains(t.cell(c, r), column[static_cast<std::size_t>(r - 1)]) ? 1 : 0;
            }
            hits = inBounds ? hits : -1;
            all = parseInt(t.cell(c, t.fromRow())) <= hits && hits <= parseInt(t.cell(c, t.toRow()));
        }
        found += all ? 1 : 0;
    }
    return found;
}

void expectSame(const CountRun& actual, const CountRun& expected) {
    ASSERT_EQ(actual.error, expected.error);
    ASSERT_EQ(actual.result.full, expected.result.full);
    ASSERT_EQ(actual.result.candidates, expected.result.candidates);
    ASSERT_EQ(actual.result.found, expected.result.found);
    ASSERT_EQ(actual.result.noBasics, expected.result.noBasics);
    ASSERT_EQ(actual.result.olaAloga, expected.result.olaAloga);
    ASSERT_EQ(actual.result.koursaAlogou, expected.result.koursaAlogou);
    ASSERT_EQ(actual.result.stored, expected.result.stored);
}

// What makes a random game interesting for the rules, counted to show that the generator gives each.
struct Mix {
    int places = 0, general = 0, errors = 0, defaults = 0, capped = 0;
    int byStates = 0, fellBack = 0;
    int unreadableBound = 0, toBelowFrom = 0, sumsExcludeAll = 0;
    int groupNeedsAll = 0, groupNeedsSome = 0, severalSuperGroups = 0;

    void add(const CountRequest& q) {
        const SelectionTable& t = q.selection;
        bool unreadable = false, below = false;
        for (int c = SelectionTable::kFirstBasicColumn; c < t.columnCount(); ++c) {
            if (t.isBasicEmpty(c)) {
                continue;
            }
            const auto from = tryParseInt(t.cell(c, t.fromRow()));
            const auto to = tryParseInt(t.cell(c, t.toRow()));
            unreadable = unreadable || !from || !to;
            below = below || (from && to && *to < *from);
        }
        unreadableBound += unreadable ? 1 : 0;
        toBelowFrom += below ? 1 : 0;
        const auto bounds = t.computeSumBounds();
        const auto least = tryParseInt(q.leastSum);
        const auto greatest = tryParseInt(q.greatestSum);
        if (bounds && least && greatest && t.basicCount() > 0 && !t.hasNoBasics() &&
            (*least > *greatest || *least > bounds->greatest || *greatest < bounds->least)) {
            ++sumsExcludeAll;
        }
        bool all = false, some = false;
        for (int r = 1; r <= q.groups.dataRows(); ++r) {
            const auto members = tryParseInt(q.groups.cell(GroupTable::kMembersColumn, r));
            const auto from = tryParseInt(q.groups.cell(GroupTable::kFromColumn, r));
            const auto to = tryParseInt(q.groups.cell(GroupTable::kToColumn, r));
            if (members && from && to && *members > 1) {
                all = all || (*from == *members && *to == *members);
                some = some || (*from < *members && *to >= *from);
            }
        }
        groupNeedsAll += all ? 1 : 0;
        groupNeedsSome += some ? 1 : 0;
        severalSuperGroups += q.superGroups.dataRows() >= 2 ? 1 : 0;
    }
};

TEST(CountingOracle, TheEngineAgreesOnRandomGames) {
    constexpr std::uint32_t kBaseSeed = 20240611;
    constexpr int kGames = 500;
    Mix mix;
    for (int i = 0; i < kGames; ++i) {
        const std::uint32_t seed = kBaseSeed + static_cast<std::uint32_t>(i);
        Generator generator(seed);
        RandomGame game = generator.game();
        CountRequest& q = game.request;
        const CountRun expected = byOracle(q);

        counting::EngineOptions plain;
        counting::EngineOptions smallChunks;
        smallChunks.candidatesPerChunk = 1 + seed % 40;
        counting::EngineOptions generalPath = smallChunks;
        generalPath.path = counting::EnginePath::General;
        counting::EngineOptions lowBound;  // low enough that a game's states often exceed it
        lowBound.stateBound = 1 + seed % 200;
        lowBound.hitCountBound = 1 + seed % 30;
        struct Config {
            const char* name;
            CountingPath path;
            unsigned threads;
            counting::EngineOptions options;
        } configs[] = {{"by states", CountingPath::States, 1, plain},
                       {"automatic, low state bound", CountingPath::Automatic, 2, lowBound},
                       {"exhaustive, one thread", CountingPath::Exhaustive, 1, plain},
                       {"exhaustive, three threads, small chunks", CountingPath::Exhaustive, 3, smallChunks},
                       {"exhaustive general test, two threads", CountingPath::Exhaustive, 2, generalPath}};
        for (const Config& config : configs) {
            q.threads = config.threads;
            q.path = config.path;
            CountingPath used = CountingPath::Automatic;
            const CountRun actual = byEngine(q, config.options, &used);
            SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << config.name << ", " << q.game);
            expectSame(actual, expected);
            if (!expected.error.empty()) {
                continue;
            }
            const bool statesTake =
                !isPlacesGame(q.game) && q.selection.basicCount() <= counting::kMaxStateBasics;
            if (config.path == CountingPath::States) {
                ASSERT_EQ(used, statesTake ? CountingPath::States : CountingPath::Exhaustive);
                mix.byStates += used == CountingPath::States ? 1 : 0;
            } else if (config.path == CountingPath::Automatic) {
                mix.fellBack += statesTake && used == CountingPath::Exhaustive ? 1 : 0;
            } else {
                ASSERT_EQ(used, CountingPath::Exhaustive);
            }
        }
        if (expected.error.empty() && game.plainLimits) {
            ++mix.defaults;
            EXPECT_EQ(expected.result.found, everyBasicHolds(q)) << "seed " << seed;
        }
        mix.add(q);
        mix.errors += expected.error.empty() ? 0 : 1;
        mix.places += isPlacesGame(q.game) ? 1 : 0;
        mix.general += q.selection.basicCount() > counting::kMaxTableBasics ? 1 : 0;
        mix.capped += expected.result.found > q.storedLimit ? 1 : 0;
    }
    // The mix the generator is meant to give: every kind of game is there.
    EXPECT_GT(mix.places, kGames / 5);
    EXPECT_GT(mix.general, 10);
    EXPECT_GT(mix.errors, 5);
    EXPECT_GT(mix.defaults, 20);
    EXPECT_GT(mix.capped, 20);
    EXPECT_GT(mix.byStates, kGames / 2);
    EXPECT_GT(mix.fellBack, 20);
    EXPECT_GT(mix.unreadableBound, 20);
    EXPECT_GT(mix.toBelowFrom, 20);
    EXPECT_GT(mix.sumsExcludeAll, 10);
    EXPECT_GT(mix.groupNeedsAll, 20);
    EXPECT_GT(mix.groupNeedsSome, 20);
    EXPECT_GT(mix.severalSuperGroups, 20);
    std::cout << "[ oracle   ] " << kGames << " random games: " << mix.places << " places games, "
              << mix.general << " with more than " << counting::kMaxTableBasics << " basics, " << mix.defaults
              << " at default limits, " << mix.capped << " beyond the stored cap, " << mix.errors
              << " stopped by a conversion error; " << mix.byStates << " counted by states, " << mix.fellBack
              << " fell back below a low bound; " << mix.unreadableBound
              << " with a bound that is no integer, " << mix.toBelowFrom << " with to below from, "
              << mix.sumsExcludeAll << " with sums that exclude every column, " << mix.groupNeedsAll
              << " with a group needing all, " << mix.groupNeedsSome << " some of its basics, "
              << mix.severalSuperGroups << " with several super-groups\n";
}

TEST(CountingOracle, StatesAgreeWithTheExhaustiveWalkOnLargerGames) {
    constexpr std::uint32_t kBaseSeed = 777000;
    constexpr int kGames = 40;
    std::uint64_t candidates = 0;
    for (int i = 0; i < kGames; ++i) {
        const std::uint32_t seed = kBaseSeed + static_cast<std::uint32_t>(i);
        RandomGame game = Generator(seed, kLarger).game();
        CountRequest& q = game.request;
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << q.game);
        q.path = CountingPath::Exhaustive;
        q.threads = 2;
        const CountRun expected = byEngine(q, {});
        q.path = CountingPath::States;
        CountingPath used = CountingPath::Automatic;
        const CountRun actual = byEngine(q, {}, &used);
        expectSame(actual, expected);
        if (expected.error.empty()) {
            ASSERT_EQ(used, CountingPath::States);
        }
        candidates += expected.result.candidates;
    }
    EXPECT_GT(candidates, std::uint64_t{40000000});
}

}  // namespace
}  // namespace quintaro
