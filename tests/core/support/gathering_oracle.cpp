#include "support/gathering_oracle.h"

#include <string>
#include <vector>

#include "core/text/number_text.h"

namespace quintaro::test {
namespace {

// Joins a column's text for one race into the newest gathered column: an equal list stays, an empty one
// takes the text, any other gets "," and the text appended.
void joinText(std::string& list, const std::string& text) {
    if (list == text) {
        return;
    }
    if (trimmed(list).empty()) {
        list = text;
    } else {
        list += "," + text;
    }
}

// One scan: `rows[i][r]` is the text of race r of row i. `placed` marks the rows already put into a
// gathered column; it is updated as rows join.
CouponList scan(const std::vector<std::vector<std::string>>& rows, std::vector<bool>& placed, int races) {
    CouponList out;
    const auto R = static_cast<std::size_t>(races);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (placed[i]) {
            continue;
        }
        const std::vector<std::string> T = rows[i];
        int accepted = 0;
        std::vector<bool> fixed(R, true);
        for (std::size_t j = i; j < rows.size(); ++j) {
            if (placed[j]) {
                continue;
            }
            int count = 0;
            for (std::size_t r = 0; r < R; ++r) {
                if (rows[j][r] == T[r] && fixed[r]) {
                    ++count;
                }
            }
            if (count < races - 1) {
                continue;
            }
            ++accepted;
            if (accepted <= 2) {
                for (std::size_t r = 0; r < R; ++r) {
                    fixed[r] = rows[j][r] == T[r];
                }
            }
            if (j == i) {
                out.push_back(TsSthlh(R));
            }
            for (std::size_t r = 0; r < R; ++r) {
                joinText(out.back()[r], rows[j][r]);
            }
            placed[j] = true;
        }
    }
    return out;
}

}  // namespace

CouponList literalMazema(ColumnList& Sthles) {
    Sthles.clearMarks();
    const int races = Sthles.races();
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < Sthles.stored(); ++i) {
        std::vector<std::string> row;
        for (const std::uint8_t h : Sthles.horses(i)) {
            row.push_back(std::to_string(h));
        }
        rows.push_back(row);
    }
    std::vector<bool> placed(rows.size(), false);
    CouponList current = scan(rows, placed, races);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Sthles.setMarked(i, placed[i]);
    }
    for (int pass = 1; pass < races; ++pass) {
        std::vector<bool> inactive(current.size(), false);
        current = scan(current, inactive, races);
    }
    return current;
}

}  // namespace quintaro::test
