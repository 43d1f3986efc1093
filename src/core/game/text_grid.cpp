#include "core/game/text_grid.h"

#include <algorithm>

namespace quintaro {
namespace {
const std::string kEmpty;
}

void TextGrid::resize(int columns, int rows) {
    columns = std::max(columns, 0);
    rows = std::max(rows, 0);
    columns_.resize(static_cast<std::size_t>(columns));
    for (auto& column : columns_) {
        column.resize(static_cast<std::size_t>(rows));
    }
    rows_ = rows;
}

const std::string& TextGrid::cell(int column, int row) const {
    if (column < 0 || row < 0 || column >= columnCount() || row >= rows_) {
        return kEmpty;
    }
    return columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

void TextGrid::setCell(int column, int row, std::string_view text) {
    if (column < 0 || row < 0 || column >= columnCount() || row >= rows_) {
        return;
    }
    columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = std::string(text);
}

void TextGrid::clearColumn(int column, int fromRow) {
    for (int r = std::max(fromRow, 0); r < rows_; ++r) {
        setCell(column, r, {});
    }
}

void TextGrid::clearRow(int row) {
    for (int c = 0; c < columnCount(); ++c) {
        setCell(c, row, {});
    }
}

void TextGrid::removeColumn(int column) {
    if (column >= 0 && column < columnCount()) {
        columns_.erase(columns_.begin() + column);
    }
}

void TextGrid::removeRow(int row) {
    if (row < 0 || row >= rows_) {
        return;
    }
    for (auto& column : columns_) {
        column.erase(column.begin() + row);
    }
    --rows_;
}

void TextGrid::insertRow(int row) {
    row = std::clamp(row, 0, rows_);
    for (auto& column : columns_) {
        column.insert(column.begin() + row, std::string{});
    }
    ++rows_;
}

}  // namespace quintaro
