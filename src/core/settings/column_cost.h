#pragma once
// The price of one column of a game, as counting, the gathered columns and the coupon preview read it.

#include <string_view>

#include "core/settings/settings_store.h"

namespace quintaro {

// Reads the cost value named after the game from Rythmiseis\Options (default "1.5" when the name contains
// "ΣΚΟΡ " with the blank, else "0.5"), accepts either "," or "." as the decimal point, and converts it.
// Throws ConversionError("'<text>' is not a valid floating point value") when the text is no number;
// the message quotes the text after its separators were replaced by the locale's.
double readColumnCost(SettingsStore& store, std::string_view gameName, char localeDecimalSeparator);

// The default a counting uses when the game's cost was never saved.
std::string_view defaultColumnCostText(std::string_view gameName);

}  // namespace quintaro
