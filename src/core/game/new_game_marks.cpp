#include "core/game/new_game_marks.h"

namespace quintaro {

void NewGameMarks::reset(int races) {
    races_ = races < 0 ? 0 : races;
    marks_.assign(static_cast<std::size_t>(races_ * kMaxHorse), 0);
}

bool NewGameMarks::valid(int race, int horse) const {
    return race >= 1 && race <= races_ && horse >= 1 && horse <= kMaxHorse;
}

bool NewGameMarks::marked(int race, int horse) const {
    return valid(race, horse) && marks_[static_cast<std::size_t>(index(race, horse))] != 0;
}

void NewGameMarks::toggle(int race, int horse) {
    if (valid(race, horse)) {
        auto& mark = marks_[static_cast<std::size_t>(index(race, horse))];
        mark = mark ? 0 : 1;
    }
}

void NewGameMarks::toggleInEveryRace(int horse) {
    for (int race = 1; race <= races_; ++race) {
        toggle(race, horse);
    }
}

std::optional<aTAloga> NewGameMarks::collect() const {
    aTAloga races(static_cast<std::size_t>(races_));
    for (int race = 1; race <= races_; ++race) {
        TAlogo& record = races[static_cast<std::size_t>(race - 1)];
        for (int horse = 1; horse <= kMaxHorse; ++horse) {
            if (marked(race, horse)) {
                record.horses[static_cast<std::size_t>(record.count++)] = static_cast<std::uint8_t>(horse);
            }
        }
        if (record.count == 0) {
            return std::nullopt;
        }
    }
    return races;
}

}  // namespace quintaro
