#pragma once
// A game file loaded and counted as the count command does it (the new-game dialog's loading, the group
// table rebuilt, the game window's counting), for the commands that work on counted columns.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/game/counting.h"
#include "core/game/game_types.h"

namespace quintaro::cli {

// The game of a file, from its extension; nullopt (with the message written to err) when it names none.
const GameType* gameOfFile(const std::filesystem::path& path, std::ostream& err);

// A price typed with either "." or "," as its decimal point; the game's default when no text is given.
std::optional<double> priceOf(const std::optional<std::string>& text, const GameType& game);

// Loads and counts the file. Throws GameFileError or ConversionError as loading and counting do.
CountOutcome countGameFile(const std::filesystem::path& path, const GameType& game, double price);

}  // namespace quintaro::cli
