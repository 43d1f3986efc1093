#include "core/game/race_horses.h"

#include <bitset>

#include "core/text/horse_list.h"

namespace quintaro {

std::vector<int> TAlogo::list() const {
    std::vector<int> out;
    for (int i = 0; i < count && i < kMaxHorse; ++i) {
        out.push_back(horses[static_cast<std::size_t>(i)]);
    }
    return out;
}

std::string TAlogo::text() const {
    return joinHorseList(list());
}

TAlogo makeRace(const std::vector<int>& horses) {
    std::bitset<kMaxHorse + 1> marked;
    for (int h : horses) {
        if (h >= 1 && h <= kMaxHorse) {
            marked.set(static_cast<std::size_t>(h));
        }
    }
    TAlogo race;
    for (int h = 1; h <= kMaxHorse; ++h) {
        if (marked.test(static_cast<std::size_t>(h))) {
            race.horses[static_cast<std::size_t>(race.count++)] = static_cast<std::uint8_t>(h);
        }
    }
    return race;
}

std::vector<std::string> distinctHorses(const aTAloga& races) {
    std::bitset<256> seen;
    for (const TAlogo& race : races) {
        for (int h : race.list()) {
            seen.set(static_cast<std::size_t>(h));
        }
    }
    std::vector<std::string> out;
    for (int h = 1; h < 256; ++h) {
        if (seen.test(static_cast<std::size_t>(h))) {
            out.push_back(std::to_string(h));
        }
    }
    return out;
}

}  // namespace quintaro
