#pragma once
// A game file counted as the program counts a loaded game: the file read and turned into the game window's
// tables (as the new-game dialog's loading does), the group table rebuilt from the basics and the columns
// counted (as "&ΜΕΤΡΗΜΑ" does). The command-line tool, the benchmarks and the tests count files this way.

#include <filesystem>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_types.h"

namespace quintaro {

// The counting request of a loaded game of `type`, its group table rebuilt, at `price` a column.
// Throws ConversionError when a basic's group cell is no number.
CountRequest countRequestOf(LoadedGame game, const GameType& type, double price);

// The counting request of the game file of `type`, read and loaded as the new-game dialog loads it.
CountRequest countRequestOfFile(const std::filesystem::path& path, const GameType& type, double price);

// Reads the game file of `type` and counts it at `price` a column, by the given way through the candidates
// (the window's automatic choice by default). Throws GameFileError as reading and loading do,
// ConversionError as rebuilding the group table and counting do.
CountOutcome countGameFile(const std::filesystem::path& path, const GameType& type, double price,
                           CountingPath countingPath = CountingPath::Automatic);

}  // namespace quintaro
