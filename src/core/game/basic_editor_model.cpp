#include "core/game/basic_editor_model.h"

#include <algorithm>

#include "core/game/game_types.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro {

void BasicEditorModel::fill(const SelectionTable& table, int column, const std::vector<std::string>& distinct,
                            bool withChoices) {
    horses_ = distinct;
    races_ = table.races();
    raceLabel_ = table.cell(SelectionTable::kRaceColumn, 0);
    available_.assign(horses_.size() * static_cast<std::size_t>(races_), 0);
    chosen_.assign(available_.size(), 0);
    for (int horse = 0; horse < horseCount(); ++horse) {
        for (int race = 1; race <= races_; ++race) {
            const bool isAvailable =
                horseListContains(table.cell(SelectionTable::kHorsesColumn, race), header(horse));
            available_[at(horse, race)] = isAvailable;
            chosen_[at(horse, race)] =
                withChoices && isAvailable && horseListContains(table.cell(column, race), header(horse));
        }
    }
}

void BasicEditorModel::fillForEntry(const SelectionTable& table, int column,
                                    const std::vector<std::string>& distinct) {
    fill(table, column, distinct, false);
    mode_ = EditorMode::Entry;
    from.clear();
    to.clear();
    group = table.cell(column, table.groupRow());
    oldGroup_.clear();
}

bool BasicEditorModel::fillForCorrection(const SelectionTable& table, int column,
                                         const std::vector<std::string>& distinct) {
    if (!sizedFor(distinct.size(), table.races())) {
        return false;
    }
    fill(table, column, distinct, true);
    mode_ = EditorMode::Correction;
    from = table.cell(column, table.fromRow());
    to = table.cell(column, table.toRow());
    group = table.cell(column, table.groupRow());
    oldGroup_ = trimmed(from).empty() ? std::string{} : group;
    return true;
}

bool BasicEditorModel::available(int horse, int race) const {
    return inTable(horse, race) && available_[at(horse, race)] != 0;
}

bool BasicEditorModel::chosen(int horse, int race) const {
    return inTable(horse, race) && chosen_[at(horse, race)] != 0;
}

bool BasicEditorModel::anyChosen() const {
    return std::any_of(chosen_.begin(), chosen_.end(), [](unsigned char c) { return c != 0; });
}

void BasicEditorModel::clickCell(int horse, int race) {
    if (!inTable(horse, race)) {
        return;
    }
    if (chosen(horse, race)) {
        chosen_[at(horse, race)] = 0;
    } else if (available(horse, race)) {
        chosen_[at(horse, race)] = 1;
    }
}

void BasicEditorModel::clickHeader(int horse) {
    for (int race = 1; race <= races_; ++race) {
        clickCell(horse, race);
    }
}

bool BasicEditorModel::pressParity(Parity parity, int race) {
    if (race < 1 || race > kParityRows) {
        return false;
    }
    bool& pressed = pressed_[static_cast<std::size_t>(race - 1)][parity == Parity::Odd ? 0 : 1];
    pressed = !pressed;
    for (int horse = 0; horse < horseCount(); ++horse) {
        const auto number = tryParseInt(header(horse));
        if (!number || available(horse, race) == false) {
            continue;
        }
        const bool odd = (*number % 2) != 0;
        if (odd == (parity == Parity::Odd)) {
            chosen_[at(horse, race)] = pressed;
        }
    }
    return pressed;
}

bool BasicEditorModel::parityPressed(Parity parity, int race) const {
    if (race < 1 || race > kParityRows) {
        return false;
    }
    return pressed_[static_cast<std::size_t>(race - 1)][parity == Parity::Odd ? 0 : 1];
}

AcceptCheck BasicEditorModel::checkAccept() const {
    if (!anyChosen()) {
        return AcceptCheck::NoHorseChosen;
    }
    if (trimmed(from).empty()) {
        return AcceptCheck::FromEmpty;
    }
    if (trimmed(to).empty()) {
        return AcceptCheck::ToEmpty;
    }
    return AcceptCheck::Ok;
}

std::optional<GroupChange> BasicEditorModel::groupChange() const {
    if (oldGroup_.empty() || trimmed(group).empty() || group == oldGroup_) {
        return std::nullopt;
    }
    return GroupChange{group, oldGroup_};
}

std::vector<std::string> BasicEditorModel::raceTexts() const {
    std::vector<std::string> texts;
    for (int race = 1; race <= races_; ++race) {
        std::string text;
        for (int horse = 0; horse < horseCount(); ++horse) {
            if (chosen(horse, race)) {
                if (!text.empty()) {
                    text.push_back(',');
                }
                text += header(horse);
            }
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

void BasicEditorModel::writeBack(SelectionTable& table, int column) const {
    const std::vector<std::string> texts = raceTexts();
    for (int race = 1; race <= table.races() && race <= races_; ++race) {
        table.setCell(column, race, texts[static_cast<std::size_t>(race - 1)]);
    }
    const auto writeField = [&](int row, const std::string& field) {
        if (!trimmed(field).empty()) {
            table.setCell(column, row, field);
        }
    };
    writeField(table.fromRow(), from);
    writeField(table.toRow(), to);
    writeField(table.groupRow(), group);
}

std::string editorCaption(EditorMode mode, std::string_view basicHeader) {
    std::string caption = mode == EditorMode::Entry ? "ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ " : "ΔΙΟΡΘΩΣΗ ΒΑΣΙΚΗΣ ";
    caption += basicHeader;
    return caption;
}

std::string editorRacesLabel(std::string_view game, int races) {
    const bool places = game == games::kTetraplo || game == games::kTrikast || game == games::kTrio;
    std::string label(places ? games::kPlacesLabel : games::kRacesLabel);
    return label + " : " + std::to_string(races);
}

bool boundExceedsRaces(std::string_view text, int races) {
    const auto value = tryParseInt(text);
    return value && *value > races;
}

}  // namespace quintaro
