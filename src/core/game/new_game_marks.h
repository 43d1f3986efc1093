#pragma once
// The horses of a new game as the new-game dialog holds them: one mark per race and horse number 1..20,
// toggled by clicks on the horse grid, then collected into `Aloga`.

#include <optional>
#include <vector>

#include "core/game/race_horses.h"

namespace quintaro {

class NewGameMarks {
public:
    // All marks 0, for `races` races.
    void reset(int races);

    int races() const { return races_; }

    // race 1..races(), horse 1..20; false outside.
    bool marked(int race, int horse) const;

    // Inverts one race's mark for a horse.
    void toggle(int race, int horse);

    // Inverts the horse's mark in every race, each on its own (a header click).
    void toggleInEveryRace(int horse);

    // The races' horses in ascending order, or nullopt when some race has no horse. The caller's `Aloga` is
    // replaced only on success, so a refused game never leaves half-collected horses behind.
    std::optional<aTAloga> collect() const;

private:
    int index(int race, int horse) const { return (race - 1) * kMaxHorse + (horse - 1); }
    bool valid(int race, int horse) const;

    int races_ = 0;
    std::vector<unsigned char> marks_;  // races_ * 20
};

}  // namespace quintaro
