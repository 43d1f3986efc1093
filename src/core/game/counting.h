#pragma once
// Counting of columns, the "&ΜΕΤΡΗΜΑ" command of the game window: every column of the full system (one
// selected horse per race, in odometer order: the last race varies fastest) is tested against the basics, the
// sum bounds and the group and super-group limits; the accepted ones are found, the first 100 000 of them are
// kept in `Sthles`.
//
// The command, as the game window runs it:
//   1. note the time;
//   2. rebuildGroupTable(selection, groups, superGroups)    (a ConversionError stops here: nothing changes);
//   3. read the price of one column (readColumnCost);
//   4. countColumns(request, &progress) on a worker thread, polling `progress` for the label
//      progressLabelText(progress.found) and offering progress.cancel;
//      a ConversionError from it stops the counting: `Sthles` is left empty and found is 0;
//   5. storeCounting(game, outcome); information line countedInformationLine(...), Label6
//      foundLabelText(found), Label7 previousCountingLabelText(found of the counting before), and the message
//      countingResultMessage(informationLine, seconds).
// A cancelled counting leaves `Sthles` empty as well (outcome.cancelled; no half-filled list).
//
// Two ways to the same result. A races game is counted by states when they stay few: a candidate's
// acceptance depends only on how many races each basic hits and on whether its sum lies within the bounds,
// so the races are folded in one at a time over those states and found comes out without walking every
// column (a "ΣΚΟΡ 9" of 20 horses a race in seconds); the stored columns are then walked in odometer order,
// skipping every branch without an accepted column. Otherwise, and for the places games, every candidate is
// tested (the exhaustive walk, on every core). Both give the same found, candidates and stored columns.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/current_game.h"
#include "core/game/group_tables.h"
#include "core/game/selection_table.h"

namespace quintaro {

// How a counting goes through the candidates.
enum class CountingPath {
    Automatic,   // by states when the game allows it and its states stay within the bound, else exhaustive
    States,      // by states whenever the game allows it (a races game of at most 20 tested basics), any size
    Exhaustive,  // every candidate tested
};

// Everything a counting reads, copied so that it can run off the window's thread.
struct CountRequest {
    std::string game;             // `Paixnidi`: decides the places rule and the information line
    SelectionTable selection;     // `Sgrd`: selected horses (column 1) and basics (columns 2 ..)
    std::string leastSum;         // `Edit1` as typed
    std::string greatestSum;      // `Edit2` as typed
    GroupTable groups;            // as rebuildGroupTable left them
    SuperGroupTable superGroups;  // likewise
    double price = 0;             // price of one column
    std::size_t storedLimit = ColumnList::kDefaultStoredLimit;  // columns that keep their horses
    // Worker threads of the exhaustive walk (counting by states takes one); 0 = one per core.
    unsigned threads = 0;
    CountingPath path = CountingPath::Automatic;
};

// Shared with the window while a counting runs. `candidates` are the candidates accounted for so far and
// `found` the accepted ones among them. The exhaustive walk adds to them at least every 1 000 tested
// candidates of each worker; counting by states adds whole branches of the odometer (the columns under a
// choice of the first races' horses), in odometer order. Setting `cancel` ends the counting soon after.
struct CountProgress {
    std::atomic<std::uint64_t> candidates{0};
    std::atomic<std::uint64_t> found{0};
    std::atomic<bool> cancel{false};
};

struct CountOutcome {
    bool cancelled = false;  // stopped through CountProgress::cancel: no columns, found and candidates 0
    bool noBasics = false;   // one empty basic only: every candidate was accepted
    CountingPath path = CountingPath::Exhaustive;  // how it was counted: States or Exhaustive
    std::uint64_t full = 0;                        // the full system: product of the races' horse counts
    std::uint64_t candidates = 0;        // tested candidates (a places game drops those that repeat a horse)
    std::uint64_t found = 0;             // accepted candidates
    double cost = 0;                     // found x price
    std::vector<std::uint8_t> OlaAloga;  // race 1's horses, then race 2's, ...
    std::vector<std::uint8_t> KoursaAlogou;  // the 1-based race of each entry of OlaAloga
    ColumnList columns;                      // the new `Sthles`: length found, first storedLimit kept
};

// Counts the columns of the request. Cells are parsed once; the path is chosen as request.path says; the
// exhaustive walk runs on request.threads threads with a result identical to one thread.
// Throws ConversionError("'<text>' is not a valid integer value") when a cell of the group or super-group
// table that counting reads, or a horse of column 1, is no number, and when a sum bound is no number and a
// basic reads it (sum bounds are read only when some basic is tested, the greatest only for a column whose
// sum reached the least).
CountOutcome countColumns(const CountRequest& request, CountProgress* progress = nullptr);

// Puts a finished counting into the current game: `Sthles`, `OlaAloga`, `KoursaAlogou`.
void storeCounting(CurrentGame& game, CountOutcome&& outcome);

// --- Texts of the game window ---

// "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 1296": the game and the size of its full system (for a places game, the candidates).
std::string fullSystemLine(std::string_view game, std::uint64_t size);

// The information line once the full system is known (setting the horses, the start of a counting): the
// full-system line for a game whose name contains "ΣΚΟΡ"; nullopt for a places game, whose line stays as it
// was until the counting knows its candidates.
std::optional<std::string> preparedInformationLine(std::string_view game, std::uint64_t full);

// The information line after a counting:
// "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 1296     ΜΕΤΡΗΣΑ : 25      ΚΟΣΤΟΣ :37.50" (the cost with the locale's separator).
std::string countedInformationLine(std::string_view game, const CountOutcome& outcome, char decimalSeparator);

// Label6 during a counting: "Έχουν βρεθεί N στήλες."
std::string progressLabelText(std::uint64_t found);

// Label6 after a counting: "Βρέθηκαν N στήλες."
std::string foundLabelText(std::uint64_t found);

// Label7: the counting before this one, "Προηγούμενο μέτρημα :  N στήλες" (the text of its Label6 from the
// blank after "Βρέθηκαν", without the full stop); empty when there was none.
std::string previousCountingLabelText(std::optional<std::uint64_t> previousFound);

// The message after a counting: the information line, "    XΡΟΝΟΣ : ", the seconds with two decimals and
// " δευτερόλεπτα ".
std::string countingResultMessage(std::string_view informationLine, double seconds, char decimalSeparator);

}  // namespace quintaro
