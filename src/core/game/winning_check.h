#pragma once
// The winning-column check (διαλογή): the winning column entered as marks per race and horse, the check of
// the plain columns (a win, and the columns that miss it by one race), and the texts of its result.
// The check of the gathered columns is the coupon search (FindDeltio) over the coupons of a gathering.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/race_horses.h"

namespace quintaro {

// The marks of the winning-column entry: per race and per distinct horse, whether the horse runs in the race
// (available) and whether the user named it the race's winner (chosen).
class WinningEntryMarks {
public:
    // Sizes the marks for the current game. When they were last prepared for the same horses of the same
    // races, they are kept as they are, so that the last winning column entered is offered again;
    // otherwise every mark is cleared and a horse is available where it is among the race's horses.
    void prepare(const aTAloga& races, const std::vector<std::string>& distinctHorses);

    int races() const { return static_cast<int>(races_.size()); }
    int horses() const { return static_cast<int>(distinct_.size()); }

    // Race r (0-based), entry h of the distinct horse list (0-based).
    bool available(int race, int horse) const;
    bool chosen(int race, int horse) const;

    // A click on a horse cell: a chosen horse is un-chosen, an available one chosen; otherwise nothing.
    void click(int race, int horse);
    // A click on a horse's header: the same rule for that horse in every race, each on its own.
    void clickHorse(int horse);

    // At least one horse is chosen and every race has exactly one.
    bool valid() const;

    // The winning column: the chosen horse of each race (0 for a race without one).
    std::vector<std::uint8_t> winningColumn() const;

private:
    struct Mark {
        bool available = false;
        bool chosen = false;
    };
    Mark* at(int race, int horse);
    const Mark* at(int race, int horse) const;

    aTAloga races_;
    std::vector<std::string> distinct_;
    std::vector<Mark> marks_;  // races * horses
};

// The winning column's text form: the horses joined by " / " ("3 / 12 / 1 / 7").
std::string winningColumnText(std::span<const std::uint8_t> winning);

struct PlainCheck {
    bool win = false;             // a counted column has every race's winner
    std::int64_t nearMisses = 0;  // counted columns with every race's winner but one
    std::size_t examined = 0;     // the columns that keep their horses
    std::int64_t found = 0;       // every column the counting found
};

// Compares every kept counted column with the winning column. Columns past the kept ones have no horses
// and no hits.
PlainCheck checkPlain(const ColumnList& Sthles, std::span<const std::uint8_t> winning);

// What the result window shows: the picture (win or not), the bold message, the winning column and the
// second line.
struct CheckResult {
    bool win = false;
    std::string message;
    std::string winningLine;
    std::string secondLine;
};

CheckResult plainCheckResult(std::string_view game, int races, const PlainCheck& check,
                             std::span<const std::uint8_t> winning);

// The result of the coupon search: the 1-based coupon that holds the winning column, or none.
CheckResult gatheredCheckResult(std::string_view game, std::optional<std::size_t> coupon,
                                std::span<const std::uint8_t> winning);

namespace check_texts {
inline constexpr std::string_view kNoCounting = "Παρακαλώ πατήστε Μέτρημα πρώτα!";
inline constexpr std::string_view kWrongEntry = "Η Νικήτρια Στήλη που έχετε δώσει είναι λάθος!";
}  // namespace check_texts

}  // namespace quintaro
