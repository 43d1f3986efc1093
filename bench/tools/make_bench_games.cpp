// make_bench_games DIR: writes the fixed games of the counting benchmarks (bench/games, described in its
// README) into DIR, as the game window saves them: the basics typed into the selection table, the group
// table rebuilt, the limits set in the group dialogs, and the program's own game-file writer.
// `ctest -R bench.games` checks that the files in bench/games are exactly what this writes.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_types.h"
#include "core/text/horse_list.h"

namespace {

using namespace quintaro;

struct Basic {
    std::function<std::vector<int>(int race)> horses;  // the basic's horses in race 1, 2, ...
    int from = 0, to = 0, group = 0;
};

// A group row's limits and super-group as the group dialog sets them; the super-group table follows.
struct GroupLimits {
    int group = 0, from = 0, to = 0, superGroup = 0;
};
struct SuperGroupLimits {
    int superGroup = 0, from = 0, to = 0;
};

struct BenchGame {
    std::string file;
    std::string game;
    int horses = 0;  // horses 1 .. n in every race
    std::vector<Basic> basics;
    std::vector<GroupLimits> groups;  // none: the limits the rebuild gives
    std::vector<SuperGroupLimits> superGroups;
    int leastSum = 0, greatestSum = 0;  // 0, 0: the default sum bounds
};

std::vector<int> range(int first, int last) {
    std::vector<int> out;
    for (int h = first; h <= last; ++h) {
        out.push_back(h);
    }
    return out;
}

std::function<std::vector<int>(int)> everywhere(std::vector<int> horses) {
    return [horses](int) { return horses; };
}

// The same horses in the races listed, none elsewhere.
std::function<std::vector<int>(int)> inRaces(std::vector<int> races, std::vector<int> horses) {
    return [races, horses](int race) {
        return std::find(races.begin(), races.end(), race) != races.end() ? horses : std::vector<int>{};
    };
}

// From horse `first + race - 1` on, `count` horses: the favourites of race r are r, r+1, ...
std::function<std::vector<int>(int)> favourites(int first, int count) {
    return [first, count](int race) { return range(first + race - 1, first + race - 2 + count); };
}

std::vector<BenchGame> benchGames() {
    std::vector<BenchGame> games;
    games.push_back({"edge_all16.sk4", "ΣΚΟΡ 4", 2, {}, {}, {}, 0, 0});
    games.push_back({"edge_ones.sk4", "ΣΚΟΡ 4", 2, {{everywhere({1}), 4, 4, 0}}, {}, {}, 0, 0});
    games.push_back({"edge_sum10.sk4", "ΣΚΟΡ 4", 2, {{inRaces({1}, {1}), 0, 4, 0}}, {}, {}, 10, 10});
    games.push_back({"edge_trikast.tri", "ΤΡΙΚΑΣΤ", 3, {}, {}, {}, 0, 0});
    games.push_back({"skor6_groups.sk6",
                     "ΣΚΟΡ 6",
                     8,
                     {{everywhere({1, 2, 3}), 3, 3, 0},
                      {everywhere({4, 5}), 1, 2, 0},
                      {inRaces({1, 2, 5, 6}, {6, 7, 8}), 1, 2, 0},
                      {[](int race) { return std::vector<int>{race}; }, 1, 1, 1},
                      {[](int race) { return std::vector<int>{9 - race}; }, 1, 1, 1}},
                     {{0, 2, 3, 1}, {1, 1, 2, 1}},
                     {{1, 2, 2}},
                     0,
                     0});
    games.push_back({"skor9_ten.sk9",
                     "ΣΚΟΡ 9",
                     10,
                     {{everywhere({1, 2, 3}), 2, 5, 0},
                      {everywhere({4, 5, 6}), 2, 5, 0},
                      {everywhere({7, 8}), 1, 4, 1},
                      {[](int race) { return std::vector<int>{race}; }, 0, 3, 1},
                      {inRaces({1, 3, 5, 7, 9}, {1, 10}), 0, 2, 1},
                      {everywhere({9, 10}), 0, 2, 2}},
                     {},
                     {},
                     20,
                     70});
    // Two groups of three basics, each needing two or three of them, in one super-group that needs both.
    const std::vector<Basic> twoGroups = {
        {favourites(1, 4), 5, 8, 1},           // the four favourites of each race
        {favourites(1, 2), 2, 5, 1},           // the two first favourites
        {everywhere(range(15, 20)), 0, 2, 1},  // the outsiders, at most twice
        {inRaces({1, 2, 3, 4, 5}, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}), 1, 4, 2},
        {inRaces({6, 7, 8, 9}, {1, 2, 3}), 1, 3, 2},
        {favourites(1, 1), 1, 4, 2},  // the banker of each race
    };
    games.push_back(
        {"skor9_twenty.sk9", "ΣΚΟΡ 9", 20, twoGroups, {{1, 2, 3, 1}, {2, 2, 3, 1}}, {{1, 2, 2}}, 50, 130});
    // The same and a third group of four basics needing three or four of them, in a second super-group.
    std::vector<Basic> threeGroups = twoGroups;
    threeGroups.push_back({everywhere({5, 10, 15, 20}), 0, 3, 3});
    threeGroups.push_back({inRaces({1, 3, 5, 7, 9}, range(6, 10)), 1, 3, 3});
    threeGroups.push_back({everywhere({1, 20}), 0, 2, 3});
    threeGroups.push_back({favourites(5, 3), 1, 4, 3});  // the next three after the favourites
    games.push_back({"skor9_three_groups.sk9",
                     "ΣΚΟΡ 9",
                     20,
                     threeGroups,
                     {{1, 2, 3, 1}, {2, 2, 3, 1}, {3, 3, 4, 2}},
                     {{1, 2, 2}, {2, 1, 1}},
                     50,
                     130});
    return games;
}

// The file the game window saves for the game.
GameFile gameFileOf(const BenchGame& g) {
    const GameType* type = findGameType(g.game);
    SelectionTable selection;
    selection.reset(type->races, rowLabelFor(g.game));
    aTAloga horses(static_cast<std::size_t>(type->races), makeRace(range(1, g.horses)));
    selection.setSelectedHorses(horses);
    selection.setBasicCount(std::max<int>(1, static_cast<int>(g.basics.size())));
    for (std::size_t b = 0; b < g.basics.size(); ++b) {
        const int column = SelectionTable::kFirstBasicColumn + static_cast<int>(b);
        selection.setCell(column, 0, std::to_string(b + 1));
        for (int r = 1; r <= type->races; ++r) {
            selection.setCell(column, r, joinHorseList(g.basics[b].horses(r)));
        }
        selection.setCell(column, selection.fromRow(), std::to_string(g.basics[b].from));
        selection.setCell(column, selection.toRow(), std::to_string(g.basics[b].to));
        selection.setCell(column, selection.groupRow(), std::to_string(g.basics[b].group));
    }
    GroupTable groups;
    SuperGroupTable superGroups;
    rebuildGroupTable(selection, groups, superGroups);
    if (!g.groups.empty()) {
        for (const GroupLimits& limits : g.groups) {
            for (int r = 1; r <= groups.dataRows(); ++r) {
                if (groups.cell(GroupTable::kNumberColumn, r) == std::to_string(limits.group)) {
                    groups.setCell(GroupTable::kFromColumn, r, std::to_string(limits.from));
                    groups.setCell(GroupTable::kToColumn, r, std::to_string(limits.to));
                    groups.setCell(GroupTable::kSuperGroupColumn, r, std::to_string(limits.superGroup));
                }
            }
        }
        orderAndRebuildSuperGroups(groups, superGroups);
        for (const SuperGroupLimits& limits : g.superGroups) {
            for (int r = 1; r <= superGroups.dataRows(); ++r) {
                if (superGroups.cell(SuperGroupTable::kNumberColumn, r) ==
                    std::to_string(limits.superGroup)) {
                    superGroups.setCell(SuperGroupTable::kFromColumn, r, std::to_string(limits.from));
                    superGroups.setCell(SuperGroupTable::kToColumn, r, std::to_string(limits.to));
                }
            }
        }
    }
    const SumBounds bounds = *selection.computeSumBounds();
    const int least = g.leastSum != 0 ? g.leastSum : bounds.least;
    const int greatest = g.greatestSum != 0 ? g.greatestSum : bounds.greatest;
    MeetingData meeting;
    meeting.raceDay = "1";
    meeting.date = "01/01/2024";
    meeting.meeting = "ΣΥ1";
    const std::string line = preparedInformationLine(g.game, selection.fullSystemSize()).value_or(g.game);
    return gameFileFromTables(selection, horses, std::to_string(least), std::to_string(greatest), groups,
                              superGroups, meeting, line);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_bench_games DIR\n";
        return 1;
    }
    const std::filesystem::path dir(argv[1]);
    try {
        std::filesystem::create_directories(dir);
        for (const BenchGame& g : benchGames()) {
            writeGameFile(dir / g.file, gameFileOf(g));
        }
    } catch (const std::exception& e) {
        std::cerr << "make_bench_games: " << e.what() << "\n";
        return 2;
    }
    return 0;
}
