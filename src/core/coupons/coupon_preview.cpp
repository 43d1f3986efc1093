#include "core/coupons/coupon_preview.h"

#include "core/coupons/coupon_form.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::coupons {

CouponList makeDeltia(ColumnList& Sthles, CouponSource source) {
    if (source == CouponSource::Gathered) {
        return Mazema(Sthles);
    }
    if (Sthles.truncated()) {
        throw CouponsRefused(truncatedCouponsText(Sthles.size(), Sthles.stored()));
    }
    CouponList coupons;
    coupons.reserve(Sthles.stored());
    for (std::size_t i = 0; i < Sthles.stored(); ++i) {
        TsSthlh coupon;
        for (const std::uint8_t horse : Sthles.horses(i)) {
            coupon.push_back(std::to_string(horse));
        }
        coupons.push_back(std::move(coupon));
    }
    return coupons;
}

double couponColumnCount(const TsSthlh& coupon) {
    double columns = 1.0;
    for (const std::string& list : coupon) {
        columns *= static_cast<double>(splitHorseList(list).size());
    }
    return columns;
}

double couponCost(const TsSthlh& coupon, double columnPrice) {
    return couponColumnCount(coupon) * columnPrice;
}

std::string couponHeading(int n, int m, double cost, char decimalSeparator,
                          const std::optional<std::string>& unmarkable) {
    std::string heading = "ΔΕΛΤΙΟ " + std::to_string(n) + " ΑΠΟ " + std::to_string(m) +
                          " ΚΟΣΤΟΣ :" + formatFixed2(cost, decimalSeparator);
    if (unmarkable) {
        heading += " [" + *unmarkable + " ΕΚΤΟΣ ΔΕΛΤΙΟΥ]";
    }
    return heading;
}

std::string couponBand(std::string_view game, int raceNumber) {
    std::string band(game);
    if (asksRaceNumber(game)) {
        band += "  IΠ/ΜΙΑ : " + std::to_string(raceNumber);
    }
    return band;
}

std::optional<FormKind> formOfGame(std::string_view game) {
    if (game.find("ΣΚ") != std::string_view::npos) {
        return FormKind::Skor;
    }
    if (game.find("ΤΕΤ") != std::string_view::npos) {
        return FormKind::Tetraplo;
    }
    return std::nullopt;
}

FormKind layoutWindowOfGame(std::string_view game) {
    return game.find("ΣΚ") != std::string_view::npos ? FormKind::Skor : FormKind::Tetraplo;
}

std::optional<std::string> openingRefusal(const CurrentGame& game) {
    if (game.Kourses == 9) {
        return std::string(preview_texts::kNoCouponsFor9);
    }
    if (!game.hasCountedColumns()) {
        return std::string(preview_texts::kCountFirst);
    }
    return std::nullopt;
}

bool asksRaceNumber(std::string_view game) {
    return game.find("ΤΕΤ") != std::string_view::npos;
}

std::optional<int> parseRaceNumber(std::string_view answer) {
    return tryParseInt(answer);
}

bool CouponPaging::previous() {
    if (n_ > 1) {
        --n_;
        return true;
    }
    return false;
}

bool CouponPaging::next() {
    if (n_ < m_) {
        ++n_;
        return true;
    }
    return false;
}

bool CouponPaging::find(std::string_view answer) {
    const int wanted = trimmed(answer).empty() ? 0 : parseInt(answer);
    if (wanted >= 1 && wanted <= m_) {
        n_ = wanted;
        return true;
    }
    return false;
}

PrintPress printPress(FormKind form, int n, int m) {
    PrintPress press;
    press.coupons.push_back(n);
    if (form == FormKind::Tetraplo) {
        if (n < m) {
            press.coupons.push_back(n + 1);
        }
        press.moves = 2;
    }
    press.finished = press.coupons.back() >= m;
    return press;
}

std::vector<std::vector<int>> printAllForms(FormKind form, int m) {
    std::vector<std::vector<int>> forms;
    const int perForm = form == FormKind::Tetraplo ? 2 : 1;
    for (int first = 1; first <= m; first += perForm) {
        std::vector<int> coupons{first};
        if (perForm == 2 && first < m) {
            coupons.push_back(first + 1);
        }
        forms.push_back(std::move(coupons));
    }
    return forms;
}

std::vector<int> unmarkableCoupons(const CouponList& coupons) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < coupons.size(); ++i) {
        if (unmarkableEntry(coupons[i])) {
            numbers.push_back(static_cast<int>(i + 1));
        }
    }
    return numbers;
}

std::string unmarkableCouponText(int couponNumber, std::string_view entry) {
    return "Το δελτίο " + std::to_string(couponNumber) + " έχει το άλογο " + std::string(entry) +
           ", που δεν έχει θέση στο έντυπο του δελτίου (μόνο 1 έως 18).\rΤο δελτίο δεν εκτυπώνεται.";
}

std::string unmarkableCouponsText(const std::vector<int>& couponNumbers) {
    constexpr std::size_t kShown = 10;
    std::string list;
    for (std::size_t i = 0; i < couponNumbers.size() && i < kShown; ++i) {
        list += (i == 0 ? "" : ", ") + std::to_string(couponNumbers[i]);
    }
    if (couponNumbers.size() > kShown) {
        list += ", ...";
    }
    return "Τα δελτία " + list + " (" + std::to_string(couponNumbers.size()) +
           " συνολικά) έχουν άλογο που δεν έχει θέση στο έντυπο του δελτίου (μόνο 1 έως 18).\r"
           "Δεν εκτυπώθηκε κανένα δελτίο.";
}

std::string truncatedCouponsText(std::int64_t found, std::size_t kept) {
    return "Το σύστημα έχει " + std::to_string(found) + " στήλες, περισσότερες από τις " +
           std::to_string(kept) +
           " που κρατούνται.\rΔεν γίνονται δελτία για μέρος μόνο του συστήματος.\r"
           "Περιορίστε πρώτα το σύστημα και μετρήστε ξανά.";
}

}  // namespace quintaro::coupons
