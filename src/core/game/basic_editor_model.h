#pragma once
// The basic editor's rules: the choice table (per horse of the distinct horse list and per race, whether
// the horse is available and whether the basic chooses it), the clicks on cells and horse headers, the
// odd "M" and even "Z" buttons per race, the three fields "Από", "έως" and "ΟΜΑΣ", the accept checks,
// and the writing of the result back into the basic's column of the selection table.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/selection_table.h"

namespace quintaro {

namespace editor_texts {
inline constexpr std::string_view kNoHorseChosen = "Δεν έχετε επιλέξει άλογα!";
inline constexpr std::string_view kFillBounds = "Παρακαλώ συμπληρώστε τα όρια!";
}  // namespace editor_texts

enum class EditorMode { Entry, Correction };

// "M" chooses the odd horse numbers of a race, "Z" the even ones.
enum class Parity { Odd, Even };

enum class AcceptCheck { Ok, NoHorseChosen, FromEmpty, ToEmpty };

// A basic that changed its group while being corrected: the group table raises the limits of `joined`,
// then lowers those of `left`.
struct GroupChange {
    std::string joined;
    std::string left;
    bool operator==(const GroupChange&) const = default;
};

class BasicEditorModel {
public:
    // The buttons exist for the largest game.
    static constexpr int kParityRows = 9;

    // Entry: every horse available where the game selected it in that race, none chosen, empty bounds,
    // the group from the basic's group cell. Sizes the choice table for these horses and races.
    void fillForEntry(const SelectionTable& table, int column, const std::vector<std::string>& distinct);

    // Correction: as entry, but the basic's chosen horses and its from, to and group cells as they stand.
    // Only possible once an entry has sized the choice table for the same number of horses and races;
    // returns false (and changes nothing) otherwise.
    bool fillForCorrection(const SelectionTable& table, int column, const std::vector<std::string>& distinct);

    // True when the choice table has one entry per distinct horse and `races` races.
    bool sizedFor(std::size_t horses, int races) const { return horses == horses_.size() && races == races_; }

    EditorMode mode() const { return mode_; }
    int horseCount() const { return static_cast<int>(horses_.size()); }
    int races() const { return races_; }

    // The header text of horse entry i (0-based): its number.
    const std::string& header(int horse) const { return horses_[static_cast<std::size_t>(horse)]; }
    const std::string& raceLabel() const { return raceLabel_; }

    // horse is the 0-based entry of the distinct list, race 1-based; false outside the table.
    bool available(int horse, int race) const;
    bool chosen(int horse, int race) const;
    bool anyChosen() const;

    // A chosen cell becomes free; an available cell becomes chosen; an unavailable cell stays as it is.
    void clickCell(int horse, int race);

    // The same toggle on the horse in every race, each cell by its own state.
    void clickHeader(int horse);

    // Toggles the race's odd or even button, then gives every available horse of that parity in that race
    // the button's new state. Returns the new state.
    bool pressParity(Parity parity, int race);
    bool parityPressed(Parity parity, int race) const;

    // The three fields as the user typed them.
    std::string from;
    std::string to;
    std::string group;

    // The group field when the editor was filled, kept only when "Από" held something then (a corrected
    // basic with bounds); otherwise empty.
    const std::string& oldGroup() const { return oldGroup_; }

    // The accept checks, in their order: some horse chosen, "Από" filled, "έως" filled.
    AcceptCheck checkAccept() const;

    // The group adjustment an accepted correction makes, if any.
    std::optional<GroupChange> groupChange() const;

    // Each race's chosen horses, in the order of the horse columns, joined by ",".
    std::vector<std::string> raceTexts() const;

    // Writes the race texts into the basic's race cells, and each field that is not blank into its cell.
    void writeBack(SelectionTable& table, int column) const;

private:
    std::size_t at(int horse, int race) const {
        return static_cast<std::size_t>(horse) * static_cast<std::size_t>(races_) +
               static_cast<std::size_t>(race - 1);
    }
    bool inTable(int horse, int race) const {
        return horse >= 0 && horse < horseCount() && race >= 1 && race <= races_;
    }
    void fill(const SelectionTable& table, int column, const std::vector<std::string>& distinct,
              bool withChoices);

    EditorMode mode_ = EditorMode::Entry;
    std::vector<std::string> horses_;
    std::string raceLabel_;
    int races_ = 0;
    std::vector<unsigned char> available_;
    std::vector<unsigned char> chosen_;
    std::array<std::array<bool, 2>, kParityRows> pressed_{};
    std::string oldGroup_;
};

// The caption of the editor: "ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 3" or "ΔΙΟΡΘΩΣΗ ΒΑΣΙΚΗΣ 3".
std::string editorCaption(EditorMode mode, std::string_view basicHeader);

// The label above the editor's grid: "ΘΕΣΕΙΣ : 4" for the places games and "ΤΡΙΟ", "ΚΟΥΡΣΕΣ : 6" otherwise.
std::string editorRacesLabel(std::string_view game, int races);

// A bound field that holds a number greater than the races: the focus stays in it.
bool boundExceedsRaces(std::string_view text, int races);

}  // namespace quintaro
