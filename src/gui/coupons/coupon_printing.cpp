#include "gui/coupons/coupon_printing.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <exception>

#include "core/files/utf8_path.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

class DefaultPrinterOutput final : public CouponFormOutput {
public:
    std::unique_ptr<QPrinter> nextPrinter() override {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return nullptr;
        }
        return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    }
};

CouponFormOutput* installed = nullptr;

CouponFormOutput& output() {
    static DefaultPrinterOutput defaultOutput;
    return installed ? *installed : defaultOutput;
}

}  // namespace

void setCouponFormOutput(CouponFormOutput* output) {
    installed = output;
}

QString layoutFolder(coupons::FormKind kind) {
    return programPath(QStringLiteral("Printers/") + qs(coupons::layoutFolderName(kind)));
}

QString markFontFamily() {
    return QStringLiteral("Arial");
}

bool printCouponForm(coupons::FormKind kind, const coupons::CouponFormContent& content) {
    const std::unique_ptr<QPrinter> printer = output().nextPrinter();
    if (!printer) {
        return false;
    }
    try {
        // Every form reads the default layout afresh: a layout saved meanwhile applies to the next form.
        const std::filesystem::path file =
            coupons::layoutFilePath(utf8Path(us(layoutFolder(kind))), coupons::kDefaultLayoutName);
        std::optional<coupons::PrinterLayout> layout;
        if (std::filesystem::exists(file)) {
            layout = coupons::readLayoutFile(file, kind);
        }
        const print::PageMetrics page = pageMetricsOf(*printer);
        const coupons::Resolution resolution{page.dpiX, page.dpiY};
        const coupons::FormPage form = kind == coupons::FormKind::Skor
                                           ? coupons::skorForm(resolution, layout, content)
                                           : coupons::tetraploForm(resolution, layout, content);
        if (!playPrintJob(*printer, coupons::formJob(form, us(markFontFamily()))).ok) {
            return false;
        }
    } catch (const std::exception&) {
        return false;
    }
    output().formPrinted(kind, content);
    return true;
}

}  // namespace quintaro::gui
