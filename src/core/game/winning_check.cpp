#include "core/game/winning_check.h"

#include <algorithm>

#include "core/text/number_text.h"

namespace quintaro {

void WinningEntryMarks::prepare(const aTAloga& races, const std::vector<std::string>& distinctHorses) {
    if (races == races_ && distinctHorses == distinct_) {
        return;
    }
    races_ = races;
    distinct_ = distinctHorses;
    marks_.assign(races_.size() * distinct_.size(), Mark{});
    for (int r = 0; r < this->races(); ++r) {
        const std::vector<int> runners = races_[static_cast<std::size_t>(r)].list();
        for (int h = 0; h < horses(); ++h) {
            const auto number = tryParseInt(distinct_[static_cast<std::size_t>(h)]);
            at(r, h)->available =
                number && std::find(runners.begin(), runners.end(), *number) != runners.end();
        }
    }
}

WinningEntryMarks::Mark* WinningEntryMarks::at(int race, int horse) {
    if (race < 0 || horse < 0 || race >= races() || horse >= horses()) {
        return nullptr;
    }
    return &marks_[static_cast<std::size_t>(race) * distinct_.size() + static_cast<std::size_t>(horse)];
}

const WinningEntryMarks::Mark* WinningEntryMarks::at(int race, int horse) const {
    return const_cast<WinningEntryMarks*>(this)->at(race, horse);
}

bool WinningEntryMarks::available(int race, int horse) const {
    const Mark* m = at(race, horse);
    return m && m->available;
}

bool WinningEntryMarks::chosen(int race, int horse) const {
    const Mark* m = at(race, horse);
    return m && m->chosen;
}

void WinningEntryMarks::click(int race, int horse) {
    Mark* m = at(race, horse);
    if (!m) {
        return;
    }
    if (m->chosen) {
        m->chosen = false;
    } else if (m->available) {
        m->chosen = true;
    }
}

void WinningEntryMarks::clickHorse(int horse) {
    for (int r = 0; r < races(); ++r) {
        click(r, horse);
    }
}

bool WinningEntryMarks::valid() const {
    if (races() == 0) {
        return false;
    }
    for (int r = 0; r < races(); ++r) {
        int count = 0;
        for (int h = 0; h < horses(); ++h) {
            count += chosen(r, h) ? 1 : 0;
        }
        if (count != 1) {
            return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> WinningEntryMarks::winningColumn() const {
    std::vector<std::uint8_t> column(static_cast<std::size_t>(races()), 0);
    for (int r = 0; r < races(); ++r) {
        for (int h = 0; h < horses(); ++h) {
            if (chosen(r, h)) {
                column[static_cast<std::size_t>(r)] = static_cast<std::uint8_t>(
                    tryParseInt(distinct_[static_cast<std::size_t>(h)]).value_or(0));
            }
        }
    }
    return column;
}

std::string winningColumnText(std::span<const std::uint8_t> winning) {
    std::string text;
    for (std::size_t r = 0; r < winning.size(); ++r) {
        if (r != 0) {
            text += " / ";
        }
        text += std::to_string(winning[r]);
    }
    return text;
}

PlainCheck checkPlain(const ColumnList& Sthles, std::span<const std::uint8_t> winning) {
    PlainCheck check;
    check.examined = Sthles.stored();
    check.found = Sthles.size();
    const auto races = static_cast<std::ptrdiff_t>(winning.size());
    for (std::size_t i = 0; i < Sthles.stored(); ++i) {
        const auto horses = Sthles.horses(i);
        std::ptrdiff_t hits = 0;
        for (std::size_t r = 0; r < horses.size() && r < winning.size(); ++r) {
            hits += horses[r] == winning[r] ? 1 : 0;
        }
        if (hits == races) {
            check.win = true;
        } else if (hits == races - 1) {
            ++check.nearMisses;
        }
    }
    return check;
}

CheckResult plainCheckResult(std::string_view game, int races, const PlainCheck& check,
                             std::span<const std::uint8_t> winning) {
    CheckResult result;
    result.win = check.win;
    result.message = check.win ? "Κερδίζετε το " + std::string(game) + " με αυτή τη νικήτρια στήλη!"
                               : std::string("Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη.");
    if (static_cast<std::int64_t>(check.examined) < check.found) {
        result.message += "\rΕξετάστηκαν μόνο οι πρώτες " + std::to_string(check.examined) + " από τις " +
                          std::to_string(check.found) + " στήλες.";
    }
    result.winningLine = winningColumnText(winning);
    result.secondLine =
        std::to_string(check.nearMisses) + " στήλες έχουν " + std::to_string(races - 1) + " επιτυχίες.";
    return result;
}

CheckResult gatheredCheckResult(std::string_view game, std::optional<std::size_t> coupon,
                                std::span<const std::uint8_t> winning) {
    CheckResult result;
    result.win = coupon.has_value();
    // The first word is a capital Greek tau followed by a Latin small o.
    result.message = coupon ? "Τo " + std::string(game) + " βρίσκεται στο δελτίο " + std::to_string(*coupon) +
                                  " με αυτή τη νικήτρια στήλη!"
                            : std::string("Δεν κερδίζει κανένα δελτίο με αυτή τη νικήτρια στήλη.");
    result.winningLine = winningColumnText(winning);
    return result;
}

}  // namespace quintaro
