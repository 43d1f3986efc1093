#include "core/settings/column_cost.h"

#include <string>

#include "core/text/number_text.h"

namespace quintaro {

std::string_view defaultColumnCostText(std::string_view gameName) {
    return gameName.find("ΣΚΟΡ ") != std::string_view::npos ? "1.5" : "0.5";
}

double readColumnCost(SettingsStore& store, std::string_view gameName, char localeDecimalSeparator) {
    std::string text = store.readString(settings::kCostsKey, settings::kOptionsSection, gameName,
                                        defaultColumnCostText(gameName));
    for (char& c : text) {
        if (c == ',' || c == '.') {
            c = localeDecimalSeparator;
        }
    }
    return parseFloat(text, localeDecimalSeparator);
}

CostTexts readCostTextsForDialog(SettingsStore& store) {
    CostTexts texts;
    for (std::size_t i = 0; i < kCostSettings.size(); ++i) {
        texts[i] = store.readString(settings::kCostsKey, settings::kOptionsSection, kCostSettings[i].gameName,
                                    kCostSettings[i].dialogDefault);
    }
    return texts;
}

void writeCostTexts(SettingsStore& store, const CostTexts& texts) {
    for (std::size_t i = 0; i < kCostSettings.size(); ++i) {
        store.writeString(settings::kCostsKey, settings::kOptionsSection, kCostSettings[i].gameName,
                          texts[i]);
    }
}

}  // namespace quintaro
