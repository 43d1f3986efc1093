#pragma once
// Printouts redirected to PDF files in window tests: the coupon forms through their output seam, and a look
// into the PDF files Qt writes (how many pages, and whether each draws text).

#include <QString>
#include <memory>
#include <vector>

#include "core/coupons/coupon_form.h"
#include "core/game/gathering.h"
#include "gui/coupons/coupon_printing.h"

namespace quintaro::gui::test {

// Every coupon form goes to its own PDF file "form_<n>.pdf" in the folder; what each carried is recorded.
// Installed for its lifetime.
class PdfForms final : public CouponFormOutput {
public:
    explicit PdfForms(QString folder);
    ~PdfForms() override;

    std::unique_ptr<QPrinter> nextPrinter() override;
    void formPrinted(coupons::FormKind kind, const coupons::CouponFormContent& content) override;

    // The PDF file of form n (1, 2, ...).
    QString file(int n) const;
    // The coupon numbers on each printed form, found by their horse lists in `coupons`.
    std::vector<std::vector<int>> couponsOnForms(const CouponList& coupons) const;

    std::vector<coupons::FormKind> kinds;
    std::vector<coupons::CouponFormContent> forms;

private:
    QString folder_;
    int made_ = 0;
};

// The pages of a PDF file as Qt's PDF printer writes it: the number of pages, and how many of them draw
// text. A file that is missing or no PDF has no pages.
struct PdfPages {
    int pages = 0;
    int withText = 0;
    bool allDrawText() const { return pages > 0 && withText == pages; }
};
PdfPages readPdfPages(const QString& path);

}  // namespace quintaro::gui::test
