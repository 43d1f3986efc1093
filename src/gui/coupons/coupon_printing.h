#pragma once
// Printing onto the coupon forms: each form is its own print job of one page on the system's default
// printer, without a print dialog, laid out from the folder's default layout (default.fpr) or the built-in
// positions. A form that cannot be printed (no printer, a damaged default.fpr, a driver that refuses the
// job) is abandoned without a message.
//
// Where the forms go is a seam: the program prints on the default printer, window tests install an output
// that makes PDF files and records what each form carried.

#include <QString>
#include <memory>

#include "core/coupons/coupon_form.h"

class QPrinter;

namespace quintaro::gui {

class CouponFormOutput {
public:
    virtual ~CouponFormOutput() = default;
    // A printer for the next form, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> nextPrinter() = 0;
    // Called after a form has been printed.
    virtual void formPrinted(coupons::FormKind /*kind*/, const coupons::CouponFormContent& /*content*/) {}
};

// Installs another output (tests); nullptr restores the default printer. The caller keeps ownership.
void setCouponFormOutput(CouponFormOutput* output);

// The layout folder of a kind of form: "Printers/SK" or "Printers/TET" beside the program.
QString layoutFolder(coupons::FormKind kind);

// The typeface of the marks: the printer's plain text face.
QString markFontFamily();

// Prints one coupon form. False when the form was abandoned.
bool printCouponForm(coupons::FormKind kind, const coupons::CouponFormContent& content);

}  // namespace quintaro::gui
