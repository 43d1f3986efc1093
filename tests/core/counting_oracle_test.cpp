// The engine against the reference counting on random games: same found, candidates and stored columns in
// the same order, or the same conversion error, for every path and thread count.

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

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    RandomGame game() {
        RandomGame g;
        const auto types = windowGameTypes();
        const GameType& type = types[pick(0, static_cast<int>(types.size()) - 1)];
        const int races = type.races;
        const bool places = type.kind == GameKind::Places;
        CountRequest& q = g.request;
        q.game = std::string(type.name);

        // Horses: a small pool in places games, so that repeats are common; at most about 20 000 candidates.
        const int perRace = races == 3 ? 16 : races == 4 ? 8 : races == 6 ? 4 : 3;
        const int pool = places || chance(0.3) ? 6 : 20;
        std::vector<std::vector<int>> horses;
        for (int r = 0; r < races; ++r) {
            horses.push_back(someOf(pool, pick(1, perRace)));
        }

        // Basics: usually a few; sometimes none, sometimes more than the table path takes.
        std::vector<test::BasicSpec> basics;
        const int count = chance(0.1) ? 0 : chance(0.1) ? pick(17, 19) : pick(1, 7);
        for (int b = 0; b < count; ++b) {
            test::BasicSpec spec;
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
                spec.cells.push_back(cell);
            }
            const int from = pick(0, races / 2);
            spec.from = odd(std::to_string(from), g);
            spec.to = odd(std::to_string(chance(0.1) ? pick(0, races) : pick(from, races)), g);
            spec.group = odd(std::to_string(pick(0, 3)), g, {"01", " 1", "300", "x"});
            basics.push_back(spec);
        }
        q.selection = test::makeSelection(q.game, horses, basics);

        const auto bounds = q.selection.computeSumBounds();
        int least = bounds->least, greatest = bounds->greatest;
        if (chance(0.3)) {
            least = pick(bounds->least, bounds->greatest);
            greatest = pick(least - 1, bounds->greatest);
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

CountRun byEngine(const CountRequest& q, const counting::EngineOptions& options) {
    CountRun run;
    try {
        CountOutcome out = counting::countColumns(q, nullptr, options);
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

TEST(CountingOracle, TheEngineAgreesOnRandomGames) {
    constexpr std::uint32_t kBaseSeed = 20240611;
    constexpr int kGames = 500;
    int errors = 0, places = 0, general = 0, defaults = 0, capped = 0;
    for (int i = 0; i < kGames; ++i) {
        const std::uint32_t seed = kBaseSeed + static_cast<std::uint32_t>(i);
        Generator generator(seed);
        RandomGame game = generator.game();
        CountRequest& q = game.request;
        const CountRun expected = byOracle(q);

        counting::EngineOptions oneThread;
        counting::EngineOptions smallChunks;
        smallChunks.candidatesPerChunk = 1 + seed % 40;
        counting::EngineOptions generalPath = smallChunks;
        generalPath.path = counting::EnginePath::General;
        struct Config {
            const char* name;
            unsigned threads;
            counting::EngineOptions options;
        } configs[] = {{"one thread", 1, oneThread},
                       {"three threads, small chunks", 3, smallChunks},
                       {"general path, two threads", 2, generalPath}};
        for (const Config& config : configs) {
            q.threads = config.threads;
            const CountRun actual = byEngine(q, config.options);
            SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << config.name << ", " << q.game);
            ASSERT_EQ(actual.error, expected.error);
            ASSERT_EQ(actual.result.full, expected.result.full);
            ASSERT_EQ(actual.result.candidates, expected.result.candidates);
            ASSERT_EQ(actual.result.found, expected.result.found);
            ASSERT_EQ(actual.result.noBasics, expected.result.noBasics);
            ASSERT_EQ(actual.result.olaAloga, expected.result.olaAloga);
            ASSERT_EQ(actual.result.koursaAlogou, expected.result.koursaAlogou);
            ASSERT_EQ(actual.result.stored, expected.result.stored);
        }
        if (expected.error.empty() && game.plainLimits) {
            ++defaults;
            EXPECT_EQ(expected.result.found, everyBasicHolds(q)) << "seed " << seed;
        }
        errors += expected.error.empty() ? 0 : 1;
        places += isPlacesGame(q.game) ? 1 : 0;
        general += q.selection.basicCount() > counting::kMaxTableBasics ? 1 : 0;
        capped += expected.result.found > q.storedLimit ? 1 : 0;
    }
    // The mix the generator is meant to give: every kind of game is there.
    EXPECT_GT(places, kGames / 5);
    EXPECT_GT(general, 10);
    EXPECT_GT(errors, 5);
    EXPECT_GT(defaults, 20);
    EXPECT_GT(capped, 20);
    std::cout << "[ oracle   ] " << kGames << " random games: " << places << " places games, " << general
              << " with more than " << counting::kMaxTableBasics << " basics, " << defaults
              << " at default limits, " << capped << " beyond the stored cap, " << errors
              << " stopped by a conversion error\n";
}

}  // namespace
}  // namespace quintaro
