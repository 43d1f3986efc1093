#pragma once
// The price of one column of a game, as counting, the gathered columns and the coupon preview read it.

#include <array>
#include <string>
#include <string_view>

#include "core/game/game_types.h"
#include "core/settings/settings_store.h"

namespace quintaro {

// Reads the cost value named after the game from Rythmiseis\Options (default "1.5" when the name contains
// "ΣΚΟΡ " with the blank, else "0.5"), accepts either "," or "." as the decimal point, and converts it.
// Throws ConversionError("'<text>' is not a valid floating point value") when the text is no number;
// the message quotes the text after its separators were replaced by the locale's.
double readColumnCost(SettingsStore& store, std::string_view gameName, char localeDecimalSeparator);

// The default a counting uses when the game's cost was never saved.
std::string_view defaultColumnCostText(std::string_view gameName);

// The six cost values the column cost settings dialog edits, in its order, with the text it shows when a
// value was never saved. (These defaults are the dialog's own; the readers above use "1.5" and "0.5".)
struct CostSetting {
    std::string_view gameName;  // the value's name under Rythmiseis\Options
    std::string_view dialogDefault;
};
inline constexpr std::array<CostSetting, 6> kCostSettings = {{
    {games::kSkor4, "1.50"},
    {games::kSkor6, "1.50"},
    {games::kSkor9, "0.30"},
    {games::kTetraplo, "0.50"},
    {games::kTrikast, "0.50"},
    {games::kTrio, "0.50"},
}};

using CostTexts = std::array<std::string, kCostSettings.size()>;

// The six texts as the settings dialog shows them: the stored text, or the dialog's default.
CostTexts readCostTextsForDialog(SettingsStore& store);

// Saves the six texts as typed, neither checked nor converted, in the order of the table. A failing write
// throws SettingsError and stops there.
void writeCostTexts(SettingsStore& store, const CostTexts& texts);

}  // namespace quintaro
