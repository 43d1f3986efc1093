#pragma once
// The horses that run in each race (or that may take each place): `Aloga`, one record per race.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

inline constexpr int kMaxHorse = 20;

// One race: horse numbers 1..20 ascending, packed from the start, the rest 0; and their count.
// This is also the 24-byte race record of a game file (20 horse bytes, then the count, little-endian).
struct TAlogo {
    std::array<std::uint8_t, kMaxHorse> horses{};
    std::int32_t count = 0;

    std::vector<int> list() const;  // the first `count` horse numbers
    std::string text() const;       // "1,4,7"
    bool operator==(const TAlogo&) const = default;
};

// `aTAloga`: the races of the current game in race order.
using aTAloga = std::vector<TAlogo>;

// Builds a race from a set of horse numbers (any order, duplicates ignored, numbers outside 1..20 dropped).
TAlogo makeRace(const std::vector<int>& horses);

// `DiakritaAloga`: every horse number that runs in any race, once, ascending, as decimal texts.
std::vector<std::string> distinctHorses(const aTAloga& races);

}  // namespace quintaro
