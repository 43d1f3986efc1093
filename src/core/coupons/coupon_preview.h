#pragma once
// The coupon preview: the coupon list `Deltia` made from the counted columns, each coupon's cost, the
// heading, paging, which coupons each press of the print buttons puts on a form, and the refusals.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/coupons/printer_layout.h"
#include "core/game/column_list.h"
#include "core/game/current_game.h"
#include "core/game/gathering.h"

namespace quintaro::coupons {

// How the counted columns become coupons: one per counted column, or the gathered columns.
enum class CouponSource { Plain, Gathered };

// The coupons of a counting refused: a counting that found more columns than the list keeps would give
// coupons for part of the system. what() is the user's message.
class CouponsRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `Deltia`: plain coupons (one per counted column, each race's horse in decimal) or the gathering's coupons
// (`Mazema`, which marks the columns it places). Throws CouponsRefused (or GatheringRefused, its message
// likewise for the user) when the counting found more columns than the list keeps.
CouponList makeDeltia(ColumnList& Sthles, CouponSource source);

// The number of columns a coupon stands for: the product of the entry counts of its lists (an empty list
// counts 0), in floating point.
double couponColumnCount(const TsSthlh& coupon);

// The coupon's cost: its column count times the price of one column.
double couponCost(const TsSthlh& coupon, double columnPrice);

// "ΔΕΛΤΙΟ 3 ΑΠΟ 12 ΚΟΣΤΟΣ :4.50", and for a coupon holding an entry that has no box on the forms, a note
// naming it.
std::string couponHeading(int n, int m, double cost, char decimalSeparator,
                          const std::optional<std::string>& unmarkable = std::nullopt);

// The band's text: the game's name, and for "ΤΕΤΡΑΠΛΟ" also "  IΠ/ΜΙΑ : " and the race number.
std::string couponBand(std::string_view game, int raceNumber);

// The coupon form a game's coupons print on: "ΣΚΟΡ" for names with "ΣΚ", "ΤΕΤΡΑΠΛΟ" for names with "ΤΕΤ",
// none for "ΤΡΙΚΑΣΤ".
std::optional<FormKind> formOfGame(std::string_view game);

// The layout window the preview's "ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ" opens: "ΣΚΟΡ" for names with "ΣΚ", else "ΤΕΤΡΑΠΛΟ".
FormKind layoutWindowOfGame(std::string_view game);

// Why "&ΔΕΛΤΙΑ" cannot open the preview for this game (9 races; nothing counted), or nullopt.
std::optional<std::string> openingRefusal(const CurrentGame& game);

// True when the game asks for the race number its coupons are played on ("ΤΕΤΡΑΠΛΟ").
bool asksRaceNumber(std::string_view game);

// The race number typed by the user, or nullopt when the answer is not an integer (a blank answer too).
std::optional<int> parseRaceNumber(std::string_view answer);

// The current coupon n of m and its moves. n is 1-based; with no coupons n is 1 and m 0.
class CouponPaging {
public:
    void reset(int count) {
        m_ = count;
        n_ = 1;
    }
    int current() const { return n_; }
    int count() const { return m_; }

    bool previous();  // n - 1 when n > 1; false when nothing moved
    bool next();      // n + 1 when n < m

    // The find box's answer: blank is 0, any other answer must be an integer (ConversionError with the
    // user's message otherwise); a number 1 .. m becomes the current coupon. False when nothing moved.
    bool find(std::string_view answer);

private:
    int m_ = 0;
    int n_ = 1;
};

// What one press of "Ε&ΚΤΥΠΩΣΗ" prints at coupon n of m: the coupon numbers on the form (n alone on a "ΣΚΟΡ"
// form; n and n + 1, when there is one, on a "ΤΕΤΡΑΠΛΟ" form), whether that form carries the last coupon,
// and how many times the preview then moves on (1 or 2).
struct PrintPress {
    std::vector<int> coupons;
    bool finished = false;
    int moves = 1;
};
PrintPress printPress(FormKind form, int n, int m);

// The forms of "ΕΚΤΥΠΩΣΗ &ΟΛΩΝ": each coupon alone on "ΣΚΟΡ" forms; pairs (1, 2), (3, 4), ... on "ΤΕΤΡΑΠΛΟ"
// forms, the last one alone when m is odd. Each form's coupon number is its first coupon.
std::vector<std::vector<int>> printAllForms(FormKind form, int m);

// The numbers (1-based) of the coupons that have an entry without a box on the forms.
std::vector<int> unmarkableCoupons(const CouponList& coupons);

namespace preview_texts {
inline constexpr std::string_view kCaption = "ΠΡΟΕΠΙΣΚΟΠΙΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΟΥ";
inline constexpr std::string_view kChoiceCaption = "ΔΕΛΤΙΑ ΓΙΑ";
inline constexpr std::string_view kNoCouponsFor9 =
    "Δεν είναι διαθέσιμη η δυνατότητα Δελτία.Δεν έχουν κυκλοφορήσει δελτία από τον ΟΔΙΕ";
inline constexpr std::string_view kCountFirst = "Παρακαλώ πατήστε Μέτρημα πρώτα!";
inline constexpr std::string_view kRaceNumberCaption = "ΑΡΙΘΜΟΣ ΙΠΠΟΔΡΟΜΙΑΣ";
inline constexpr std::string_view kRaceNumberPrompt = "Δώστε αριθμό Iπποδρομίας";
inline constexpr std::string_view kBadRaceNumber = "Παρακαλώ δώστε έναν έγκυρο αριθμό για την Ιπποδρομία";
inline constexpr std::string_view kFindCaption = "Μετακίνηση σε";
inline constexpr std::string_view kFindPrompt = "Δώστε αριθμό δελτίου :";
inline constexpr std::string_view kFinished = "Τελείωσε η εκτύπωση δελτίων.";
inline constexpr std::string_view kConfirmCaption = "ΕΠΙΒΕΒΑΙΩΣΗ";
inline constexpr std::string_view kConfirmAll =
    "Παρακαλώ επιβεβαιώστε την εκτύπωση όλων των δελτίων.Αν ΝΑΙ,δεν μπορείτε να διακόψετε την εκτύπωση.";
inline constexpr std::string_view kNoFormForGame =
    "Δεν υπάρχει έντυπο δελτίου για το παιχνίδι ΤΡΙΚΑΣΤ.\rΤα δελτία του μπορείτε μόνο να τα δείτε.";
}  // namespace preview_texts

// The refusal of printing a coupon that has an entry without a box on the forms.
std::string unmarkableCouponText(int couponNumber, std::string_view entry);

// The refusal of printing all coupons when some cannot be marked (lists the first few numbers).
std::string unmarkableCouponsText(const std::vector<int>& couponNumbers);

// The refusal of plain coupons for a counting that found more columns than the list keeps.
std::string truncatedCouponsText(std::int64_t found, std::size_t kept);

}  // namespace quintaro::coupons
