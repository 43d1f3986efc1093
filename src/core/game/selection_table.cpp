#include "core/game/selection_table.h"

#include <algorithm>

#include "core/text/horse_list.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace quintaro {

void SelectionTable::reset(int races, std::string_view rowLabel) {
    races_ = races;
    grid_ = TextGrid(3, races + 4);
    grid_.setCell(kRaceColumn, 0, rowLabel);
    grid_.setCell(kHorsesColumn, 0, "ΑΛΟΓΑ");
    grid_.setCell(kFirstBasicColumn, 0, "1");
    for (int r = 1; r <= races; ++r) {
        grid_.setCell(kRaceColumn, r, std::to_string(r));
    }
    grid_.setCell(kHorsesColumn, fromRow(), "ΑΠΟ");
    grid_.setCell(kHorsesColumn, toRow(), "ΕΩΣ");
    grid_.setCell(kHorsesColumn, groupRow(), "ΟΜΑΣ");
    grid_.setCell(kFirstBasicColumn, groupRow(), "0");
}

bool SelectionTable::isBasicEmpty(int column) const {
    for (int r = 1; r <= races_; ++r) {
        if (!trimmed(grid_.cell(column, r)).empty()) {
            return false;
        }
    }
    return true;
}

void SelectionTable::setSelectedHorses(const aTAloga& races) {
    for (int r = 1; r <= races_; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        grid_.setCell(kHorsesColumn, r, i < races.size() ? races[i].text() : std::string{});
    }
}

std::vector<int> SelectionTable::selectedHorses(int race) const {
    std::vector<int> out;
    for (std::string_view entry : splitHorseList(grid_.cell(kHorsesColumn, race))) {
        if (auto n = tryParseInt(entry)) {
            out.push_back(*n);
        }
    }
    return out;
}

std::optional<SumBounds> SelectionTable::computeSumBounds() const {
    SumBounds bounds;
    for (int r = 1; r <= races_; ++r) {
        const auto entries = splitHorseList(grid_.cell(kHorsesColumn, r));
        if (entries.empty()) {
            return std::nullopt;
        }
        std::optional<int> least, greatest;
        for (std::string_view entry : entries) {
            const auto n = tryParseInt(entry);
            if (!n) {
                return std::nullopt;
            }
            least = least ? std::min(*least, *n) : *n;
            greatest = greatest ? std::max(*greatest, *n) : *n;
        }
        bounds.least += *least;
        bounds.greatest += *greatest;
    }
    return bounds;
}

std::uint64_t SelectionTable::fullSystemSize() const {
    std::uint64_t product = 1;
    for (int r = 1; r <= races_; ++r) {
        product *= splitHorseList(grid_.cell(kHorsesColumn, r)).size();
    }
    return product;
}

std::optional<int> SelectionTable::addBasic() {
    const int last = columnCount() - 1;
    if (isBasicColumn(last) && isBasicEmpty(last)) {
        return std::nullopt;
    }
    const auto previous = tryParseInt(grid_.cell(last, 0));
    grid_.setColumnCount(columnCount() + 1);
    const int column = columnCount() - 1;
    grid_.setCell(column, 0, std::to_string(previous ? *previous + 1 : 1));
    grid_.setCell(column, groupRow(), "0");
    return column;
}

void SelectionTable::deleteBasic(int column) {
    if (!isBasicColumn(column)) {
        return;
    }
    if (basicCount() > 1) {
        grid_.removeColumn(column);
        for (int c = kFirstBasicColumn; c < columnCount(); ++c) {
            grid_.setCell(c, 0, std::to_string(c - kFirstBasicColumn + 1));
        }
    } else {
        grid_.clearColumn(column);
        grid_.setCell(column, groupRow(), "0");
    }
}

void SelectionTable::clearBasics() {
    for (int c = kFirstBasicColumn; c < columnCount(); ++c) {
        grid_.clearColumn(c, 1);
    }
    grid_.setColumnCount(kFirstBasicColumn + 1);
    grid_.setCell(kFirstBasicColumn, groupRow(), "0");
}

void SelectionTable::setBasicCount(int basics) {
    grid_.setColumnCount(kFirstBasicColumn + std::max(basics, 1));
}

namespace {
int measuredWidth(int xWidth, const std::vector<std::string>& texts, int start) {
    int width = start;
    for (const std::string& t : texts) {
        width = std::max(width, (xWidth - xWidth / 4) * static_cast<int>(utf8::length(t)));
    }
    return width;
}
}  // namespace

int horsesColumnWidth(int xWidth, const std::vector<std::string>& raceTexts) {
    return measuredWidth(xWidth, raceTexts, 3 * xWidth) + 2;
}

int basicColumnWidth(int xWidth, const std::vector<std::string>& raceTexts) {
    return measuredWidth(xWidth, raceTexts, 25) + 5;
}

}  // namespace quintaro
