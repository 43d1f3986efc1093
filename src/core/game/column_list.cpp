#include "core/game/column_list.h"

#include <algorithm>

namespace quintaro {

void ColumnList::reset(int races, std::size_t storedLimit) {
    races_ = races;
    storedLimit_ = storedLimit;
    found_ = 0;
    horses_.clear();
    marks_.clear();
}

std::span<const std::uint8_t> ColumnList::horses(std::size_t i) const {
    if (i >= stored()) {
        return {};
    }
    const auto r = static_cast<std::size_t>(races_);
    return std::span<const std::uint8_t>(horses_).subspan(i * r, r);
}

void ColumnList::setMarked(std::size_t i, bool marked) {
    if (i < marks_.size()) {
        marks_[i] = marked ? 1 : 0;
    }
}

void ColumnList::clearMarks() {
    std::fill(marks_.begin(), marks_.end(), std::uint8_t{0});
}

void ColumnList::append(std::span<const std::uint8_t> horses) {
    if (stored() < storedLimit_) {
        const auto r = static_cast<std::size_t>(races_);
        for (std::size_t k = 0; k < r; ++k) {
            horses_.push_back(k < horses.size() ? horses[k] : 0);
        }
        marks_.push_back(0);
    }
    ++found_;
}

void ColumnList::appendFound(std::span<const std::uint8_t> horses, std::int64_t found) {
    const auto r = static_cast<std::size_t>(races_);
    if (r > 0) {
        const std::size_t given = horses.size() / r;
        const std::size_t room = storedLimit_ > stored() ? storedLimit_ - stored() : 0;
        const std::size_t keep = std::min(given, room);
        horses_.insert(horses_.end(), horses.begin(), horses.begin() + static_cast<std::ptrdiff_t>(keep * r));
        marks_.resize(marks_.size() + keep, 0);
    }
    found_ += found;
}

std::vector<TSthlhThesi> ColumnList::column(std::size_t i) const {
    std::vector<TSthlhThesi> out;
    const auto h = horses(i);
    for (std::size_t k = 0; k < h.size(); ++k) {
        out.push_back({h[k], static_cast<std::uint8_t>(k == 0 && marked(i) ? 1 : 0), 0});
    }
    return out;
}

}  // namespace quintaro
