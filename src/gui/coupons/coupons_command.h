#pragma once
// "&ΔΕΛΤΙΑ" of the game window: the counted columns become coupons (plain or gathered, as the user chooses)
// and the coupon preview opens on them.

#include <QString>
#include <functional>
#include <optional>

#include "core/coupons/coupon_preview.h"

class QWidget;

namespace quintaro::gui {

struct AppContext;

// Asks the user for plain or gathered coupons (the choice dialog captioned "ΔΕΛΤΙΑ ΓΙΑ", with the gathered
// columns preselected); nullopt when cancelled.
using CouponSourceChoice = std::function<std::optional<coupons::CouponSource>()>;

// Refuses a game of 9 races and a game not yet counted; asks the choice, and for "ΤΕΤΡΑΠΛΟ" the race
// number; makes the coupons and shows the preview modally. `meeting` is the new-game dialog's meeting
// ("ΣΥ1", "ΣΥ2", or empty when none is selected). The caller gives its grid the focus afterwards.
void showCoupons(AppContext& context, QWidget* parent, const CouponSourceChoice& choose,
                 const QString& meeting);

// The same with the program's choice dialog (`TSelSthDlg` captioned "ΔΕΛΤΙΑ ΓΙΑ", the gathered columns
// preselected): the game window's "&ΔΕΛΤΙΑ".
void showCoupons(AppContext& context, QWidget* parent, const QString& meeting);

}  // namespace quintaro::gui
