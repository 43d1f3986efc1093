#pragma once
// `Sthles`: the counted columns of the last counting, in the order counting found them.
// Its length is the number of found columns. Only the first 100 000 keep their horses; the entries past
// them are empty columns. Each stored column holds one horse per race and a mark (set by gathering when the
// column has been put into a coupon).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quintaro {

// One element of a counted column: the horse, the mark byte (used on element 0 only) and a reserved byte.
struct TSthlhThesi {
    std::uint8_t horse = 0;
    std::uint8_t mark = 0;
    std::uint8_t reserved = 0;
};

class ColumnList {
public:
    static constexpr std::size_t kDefaultStoredLimit = 100000;

    // Empties the list for columns of `races` races; at most `storedLimit` columns keep their horses.
    void reset(int races, std::size_t storedLimit = kDefaultStoredLimit);

    int races() const { return races_; }
    std::size_t storedLimit() const { return storedLimit_; }

    // The length of the list: every found column, stored or not.
    std::int64_t size() const { return found_; }
    bool empty() const { return found_ == 0; }

    // Columns that keep their horses: min(size(), storedLimit()).
    std::size_t stored() const { return marks_.size(); }

    // True when more columns were found than the list keeps.
    bool truncated() const { return static_cast<std::uint64_t>(found_) > stored(); }

    // The horses of column i, race by race; empty for an entry past the stored ones.
    std::span<const std::uint8_t> horses(std::size_t i) const;

    bool marked(std::size_t i) const { return i < marks_.size() && marks_[i] != 0; }
    void setMarked(std::size_t i, bool marked);
    void clearMarks();

    // Adds one found column; its horses are kept while fewer than storedLimit() columns are stored.
    void append(std::span<const std::uint8_t> horses);

    // Adds found columns that are not kept (counting beyond the stored limit).
    void addUnstored(std::int64_t count) { found_ += count; }

    // Adds `found` found columns whose first ones come packed in `horses` (races() bytes each, in order);
    // those are kept while fewer than storedLimit() columns are stored.
    void appendFound(std::span<const std::uint8_t> horses, std::int64_t found);

    // Drops every column (a counting that found nothing, or stopped).
    void clear() { reset(races_, storedLimit_); }

    // The column as counted-column elements (`aSthles`); empty past the stored ones.
    std::vector<TSthlhThesi> column(std::size_t i) const;

private:
    int races_ = 0;
    std::size_t storedLimit_ = kDefaultStoredLimit;
    std::int64_t found_ = 0;
    std::vector<std::uint8_t> horses_;  // stored() * races_ bytes
    std::vector<std::uint8_t> marks_;   // one per stored column
};

}  // namespace quintaro
