#pragma once
// Small builders of selection tables and group tables for the tests.

#include <string>
#include <vector>

#include "core/game/game_types.h"
#include "core/game/group_tables.h"
#include "core/game/race_horses.h"
#include "core/game/selection_table.h"

namespace quintaro::test {

struct BasicCells {
    std::vector<std::string> cells;  // one per race; "" for no horse
    std::string from;
    std::string to;
    std::string group = "0";
};

// A selection table for `game` with the races' horses and the basics (none: the one empty first basic).
inline SelectionTable makeSelection(std::string_view game, const std::vector<std::vector<int>>& races,
                                    const std::vector<BasicCells>& basics = {}) {
    SelectionTable t;
    t.reset(static_cast<int>(races.size()), rowLabelFor(game));
    aTAloga aloga;
    for (const auto& race : races) {
        aloga.push_back(makeRace(race));
    }
    t.setSelectedHorses(aloga);
    t.setBasicCount(static_cast<int>(basics.size()));
    for (std::size_t b = 0; b < basics.size(); ++b) {
        const int c = SelectionTable::kFirstBasicColumn + static_cast<int>(b);
        t.setCell(c, 0, std::to_string(b + 1));
        for (std::size_t r = 0; r < basics[b].cells.size(); ++r) {
            t.setCell(c, static_cast<int>(r) + 1, basics[b].cells[r]);
        }
        t.setCell(c, t.fromRow(), basics[b].from);
        t.setCell(c, t.toRow(), basics[b].to);
        t.setCell(c, t.groupRow(), basics[b].group);
    }
    return t;
}

// Table rows as cell texts, header excluded.
template <typename Table>
std::vector<std::vector<std::string>> rowsOf(const Table& table) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= table.dataRows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table.columnCount(); ++c) {
            row.push_back(table.cell(c, r));
        }
        rows.push_back(row);
    }
    return rows;
}

template <typename Table>
void setRows(Table& table, const std::vector<std::vector<std::string>>& rows) {
    table.setDataRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            table.setCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
        }
    }
}

using Rows = std::vector<std::vector<std::string>>;

}  // namespace quintaro::test
