// The texts a counting shows in the game window: the information line, Label6, Label7 and the message.

#include <string>

#include "core/game/counting.h"
#include "core/game/game_types.h"
#include "core/text/number_text.h"

namespace quintaro {

std::string fullSystemLine(std::string_view game, std::uint64_t size) {
    return std::string(game) + "   ΠΛΗΡΕΣ : " + std::to_string(size);
}

std::optional<std::string> preparedInformationLine(std::string_view game, std::uint64_t full) {
    if (game.find("ΣΚΟΡ") == std::string_view::npos) {
        return std::nullopt;
    }
    return fullSystemLine(game, full);
}

std::string countedInformationLine(std::string_view game, const CountOutcome& outcome,
                                   char decimalSeparator) {
    // A places game shows as its full system the candidates without a repeated horse.
    const std::uint64_t size = isPlacesGame(game) ? outcome.candidates : outcome.full;
    return fullSystemLine(game, size) + "     ΜΕΤΡΗΣΑ : " + std::to_string(outcome.found) +
           "      ΚΟΣΤΟΣ :" + formatFixed2(outcome.cost, decimalSeparator);
}

std::string progressLabelText(std::uint64_t found) {
    return "Έχουν βρεθεί " + std::to_string(found) + " στήλες.";
}

std::string foundLabelText(std::uint64_t found) {
    return "Βρέθηκαν " + std::to_string(found) + " στήλες.";
}

std::string previousCountingLabelText(std::optional<std::uint64_t> previousFound) {
    if (!previousFound) {
        return {};
    }
    // "Βρέθηκαν N στήλες." from its ninth character on, without the full stop.
    return "Προηγούμενο μέτρημα : " + std::string(" ") + std::to_string(*previousFound) + " στήλες";
}

std::string countingResultMessage(std::string_view informationLine, double seconds, char decimalSeparator) {
    // The first letter of "XΡΟΝΟΣ" is the Latin X, as the program has always shown it.
    return std::string(informationLine) + "    XΡΟΝΟΣ : " + formatFixed2(seconds, decimalSeparator) +
           " δευτερόλεπτα ";
}

void storeCounting(CurrentGame& game, CountOutcome&& outcome) {
    game.Sthles = std::move(outcome.columns);
    game.OlaAloga = std::move(outcome.OlaAloga);
    game.KoursaAlogou = std::move(outcome.KoursaAlogou);
}

}  // namespace quintaro
