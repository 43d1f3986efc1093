#include "core/coupons/coupon_form.h"

#include <algorithm>
#include <cmath>

#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::coupons {
namespace {

// Positions from millimetres and dots, truncated toward zero. A value a file could hold but no page can
// (huge, or not a number) is held to a range the printer can take instead of overflowing.
class Frame {
public:
    explicit Frame(Resolution printer)
        : perMmX_(printer.dpiX * kInchesPerMm), perMmY_(printer.dpiY * kInchesPerMm) {}

    int x(double mm, double dots = 0) const { return whole(mm * perMmX_ + dots); }
    int y(double mm, double dots = 0) const { return whole(mm * perMmY_ + dots); }

private:
    static int whole(double value) {
        if (std::isnan(value)) {
            return 0;
        }
        return static_cast<int>(std::clamp(value, -1e9, 1e9));
    }

    double perMmX_;
    double perMmY_;
};

// The horse numbers of a race's list that have a box on the forms.
std::vector<int> markableHorses(const std::string& list) {
    std::vector<int> horses;
    for (const std::string_view entry : splitHorseList(list)) {
        const auto horse = tryParseInt(entry);
        if (horse && *horse >= 1 && *horse <= kHighestFormHorse) {
            horses.push_back(*horse);
        }
    }
    return horses;
}

// Lengths of a "ΣΚΟΡ" form, in millimetres.
struct SkorSteps {
    double A, B, C, D, E;
};

// Horse h of race r (1 .. 6).
void markSkorHorse(FormPage& page, const Frame& f, const SkorSteps& s, int race, int horse,
                   const std::string& mark) {
    const double block = s.A + (6 - race) * s.C;
    if (horse <= 9) {
        page.marks.push_back({f.x(block + s.B), f.y(s.D + horse * s.E), mark});
    } else {
        page.marks.push_back({f.x(block), f.y(s.D + (horse - 9) * s.E), mark});
    }
}

// Lengths of a "ΤΕΤΡΑΠΛΟ" form, in millimetres.
struct TetraploSteps {
    double A, B, C, P, D, E;
};

// Horse h of place p (1 .. 4) in bet g (1 or 2).
void markTetraploHorse(FormPage& page, const Frame& f, const TetraploSteps& s, int bet, int place, int horse,
                       const std::string& mark) {
    const double block = s.A + (4 - place) * s.P + (bet - 1) * s.C;
    if (horse <= 8) {
        page.marks.push_back({f.x(block + 2 * s.B), f.y(s.D + horse * s.E), mark});
    } else if (horse <= 16) {
        page.marks.push_back({f.x(block + s.B), f.y(s.D + (horse - 8) * s.E), mark});
    } else {
        page.marks.push_back({f.x(block), f.y(s.D + (horse - 16) * s.E), mark});
    }
}

void markTetraploBet(FormPage& page, const Frame& f, const TetraploSteps& s, int bet, const TsSthlh& coupon,
                     const std::string& mark) {
    const int places = std::min<int>(4, static_cast<int>(coupon.size()));
    for (int place = 1; place <= places; ++place) {
        for (const int horse : markableHorses(coupon[static_cast<std::size_t>(place - 1)])) {
            markTetraploHorse(page, f, s, bet, place, horse, mark);
        }
    }
}

TetraploSteps tetraploSteps(const PrinterLayout& l) {
    return {l.side, l.hStep, l.betStep, l.placeStep, l.start, l.vStep};
}

// The built-in "ΤΕΤΡΑΠΛΟ" positions, as a layout.
PrinterLayout builtInTetraplo() {
    PrinterLayout l;
    l.kind = FormKind::Tetraplo;
    l.side = 6.1;
    l.hStep = 4.25;
    l.betStep = 68.5;
    l.placeStep = 12.85;
    l.bet1AmountRight = 390;
    l.bet2AmountRight = 820;
    l.bet1Right = 450;
    l.bet2Right = 880;
    l.start = 8.5;
    l.vStep = 6.3;
    l.raceRight = 1040;
    l.meetingRight = 1140;
    l.numberRight = 1;
    l.numberTop = 6;
    l.markChar = "X";
    l.fontSize = 10;
    l.printNumber = true;
    return l;
}

std::string costText(const CouponFormContent& content) {
    return formatFixed2(content.cost, content.decimalSeparator);
}

}  // namespace

std::string markText(const std::string& markChar) {
    return markChar.empty() ? std::string("X") : markChar;
}

FormPage skorForm(Resolution printer, const std::optional<PrinterLayout>& layout,
                  const CouponFormContent& content) {
    const Frame f(printer);
    FormPage page;
    page.fontSize = layout ? layout->fontSize : 10;
    const std::string mark = layout ? markText(layout->markChar) : std::string("X");
    const SkorSteps s =
        layout ? SkorSteps{layout->side, layout->hStep, layout->legStep, layout->start, layout->vStep}
               : SkorSteps{10.5, 5.71, 10.85, 8.05, 6.3};
    const int races = static_cast<int>(content.first.size());
    const int meetingRow = content.meeting == "ΣΥ1" ? 1 : content.meeting == "ΣΥ2" ? 2 : 0;
    const int betRow = races == 4 ? 1 : races == 6 ? 2 : 0;

    if (layout) {
        if (layout->printNumber) {
            page.marks.push_back({f.x(0, layout->numberRight), f.y(0, layout->numberTop),
                                  std::to_string(content.couponNumber)});
        }
        page.marks.push_back({f.x(0, layout->amountRight), f.y(s.D + s.E), mark});
    } else {
        page.marks.push_back({f.x(s.A / 3), f.y(s.D + s.E), std::to_string(content.couponNumber)});
        page.marks.push_back({f.x(s.A), f.y(s.D + s.E), mark});
    }
    for (int race = 1; race <= std::min(races, 6); ++race) {
        for (const int horse : markableHorses(content.first[static_cast<std::size_t>(race - 1)])) {
            markSkorHorse(page, f, s, race, horse, mark);
        }
    }
    const int betX = layout ? f.x(0, layout->betRight) : f.x(s.A, 885);
    if (betRow != 0) {
        page.marks.push_back({betX, f.y(s.D + betRow * s.E), mark});
    }
    const int meetingX = layout ? f.x(0, layout->meetingRight) : f.x(s.A, 950);
    if (meetingRow != 0) {
        page.marks.push_back({meetingX, f.y(s.D + meetingRow * s.E), mark});
    }
    if (layout) {
        page.marks.push_back({f.x(0, layout->valueRight), f.y(s.D + 4 * s.E), costText(content)});
        page.marks.push_back(
            {f.x(0, layout->textRight), f.y(0, layout->textTop), "Quintaro " + layout->text});
    } else {
        page.marks.push_back({f.x(1.5 * s.B), f.y(s.D + 2 * s.E), costText(content)});
        page.marks.push_back({f.x(0, 1090), f.y(s.D + s.E), "Quintaro"});
    }
    return page;
}

FormPage tetraploForm(Resolution printer, const std::optional<PrinterLayout>& layout,
                      const CouponFormContent& content) {
    const Frame f(printer);
    const PrinterLayout l = layout ? *layout : builtInTetraplo();
    const TetraploSteps s = tetraploSteps(l);
    const std::string mark = markText(l.markChar);
    FormPage page;
    page.fontSize = l.fontSize;

    if (l.printNumber) {
        page.marks.push_back(
            {f.x(0, l.numberRight), f.y(0, l.numberTop), std::to_string(content.couponNumber)});
    }
    markTetraploBet(page, f, s, 1, content.first, mark);
    if (content.second) {
        markTetraploBet(page, f, s, 2, *content.second, mark);
    }
    page.marks.push_back({f.x(s.A + l.bet1AmountRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet2AmountRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet1Right), f.y(s.D + 9 * s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet2Right), f.y(s.D + 9 * s.E), mark});
    const int n = content.raceNumber;
    if (n >= 1 && n <= 10) {
        page.marks.push_back({f.x(s.B, l.raceRight), f.y(s.D + n * s.E), mark});
    } else {
        page.marks.push_back({f.x(0, l.raceRight), f.y(s.D + (n - 10) * s.E), mark});
    }
    if (content.meeting == "ΣΥ1" || content.meeting == "ΣΥ2") {
        const int row = content.meeting == "ΣΥ1" ? 1 : 2;
        page.marks.push_back({f.x(0, l.meetingRight), f.y(s.D + row * s.E), mark});
    }
    page.marks.push_back({f.x(0, l.valueRight), f.y(s.D + 4 * s.E), costText(content)});
    page.marks.push_back({f.x(0, l.textRight), f.y(0, l.textTop), "Quintaro " + l.text});
    return page;
}

FormPage skorTestPage(Resolution printer, const PrinterLayout& l) {
    const Frame f(printer);
    const SkorSteps s{l.side, l.hStep, l.legStep, l.start, l.vStep};
    const std::string mark = markText(l.markChar);
    FormPage page;
    page.fontSize = l.fontSize;
    page.marks.push_back({f.x(l.numberRight), f.y(l.numberTop), "1"});
    page.marks.push_back({f.x(0, l.amountRight), f.y(s.D + s.E), mark});
    for (int race = 1; race <= 6; ++race) {
        for (int horse = 1; horse <= kHighestFormHorse; ++horse) {
            markSkorHorse(page, f, s, race, horse, mark);
        }
    }
    page.marks.push_back({f.x(0, l.betRight), f.y(s.D + 2 * s.E), mark});
    page.marks.push_back({f.x(0, l.meetingRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(0, l.meetingRight), f.y(s.D + 2 * s.E), mark});
    page.marks.push_back({f.x(0, l.textRight), f.y(l.textTop), std::string(trimmed(l.text))});
    page.marks.push_back({f.x(0, l.valueRight), f.y(s.D + 4 * s.E), "0000"});
    return page;
}

FormPage tetraploTestPage(Resolution printer, const PrinterLayout& l) {
    const Frame f(printer);
    const TetraploSteps s = tetraploSteps(l);
    const std::string mark = markText(l.markChar);
    FormPage page;
    page.fontSize = l.fontSize;
    page.marks.push_back({f.x(l.numberRight), f.y(l.numberTop), "1"});
    for (int bet = 1; bet <= 2; ++bet) {
        for (int place = 1; place <= 4; ++place) {
            for (int horse = 1; horse <= kHighestFormHorse; ++horse) {
                markTetraploHorse(page, f, s, bet, place, horse, mark);
            }
        }
    }
    page.marks.push_back({f.x(s.A + l.bet1AmountRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet1Right), f.y(s.D + 9 * s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet2AmountRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(s.A + l.bet2Right), f.y(s.D + 9 * s.E), mark});
    page.marks.push_back({f.x(0, l.raceRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(0, l.meetingRight), f.y(s.D + s.E), mark});
    page.marks.push_back({f.x(0, l.textRight), f.y(l.textTop), std::string(trimmed(l.text))});
    page.marks.push_back({f.x(0, l.valueRight), f.y(s.D + 4 * s.E), "0000"});
    return page;
}

print::PrintJob formJob(const FormPage& page, const std::string& fontFamily) {
    print::Font font;
    font.family = fontFamily;
    font.pointSize = page.fontSize;
    print::PrintJob job(font);
    for (const FormMark& mark : page.marks) {
        if (!mark.text.empty()) {
            job.text(mark.x, mark.y, mark.text);
        }
    }
    return job;
}

std::optional<std::string> unmarkableEntry(const TsSthlh& coupon) {
    for (const std::string& list : coupon) {
        for (const std::string_view entry : splitHorseList(list)) {
            const auto horse = tryParseInt(entry);
            if (!horse || *horse < 1 || *horse > kHighestFormHorse) {
                return std::string(entry);
            }
        }
    }
    return std::nullopt;
}

}  // namespace quintaro::coupons
