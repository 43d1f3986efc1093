#include "gui/platform/print_painter.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <exception>

#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

const QString kCannotStart = QStringLiteral("Η εκτύπωση δεν μπόρεσε να ξεκινήσει. Ελέγξτε τον εκτυπωτή.");
const QString kFailed = QStringLiteral("Η εκτύπωση διακόπηκε από σφάλμα του εκτυπωτή.");

bool printerFailed(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
}

}  // namespace

print::Font printFont(const QFont& font) {
    print::Font out;
    out.family = us(font.family());
    out.pointSize = QFontInfo(font).pointSizeF();
    out.bold = font.bold();
    out.italic = font.italic();
    out.underline = font.underline();
    return out;
}

QFont qtFont(const print::Font& font, QPrinter& printer) {
    QFont base(qs(font.family));
    base.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    base.setBold(font.bold);
    base.setItalic(font.italic);
    base.setUnderline(font.underline);
    return QFont(base, &printer);
}

print::PageMetrics pageMetricsOf(QPrinter& printer) {
    print::PageMetrics page;
    page.dpiX = printer.logicalDpiX();
    page.dpiY = printer.logicalDpiY();
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    page.pageWidth = paint.width();
    page.pageHeight = paint.height();
    page.measure = [&printer](const print::Font& font, std::string_view text) {
        const QFontMetrics metrics(qtFont(font, printer), &printer);
        return print::TextSize{metrics.horizontalAdvance(qs(text)), metrics.height()};
    };
    return page;
}

PrintOutcome playPrintJob(QPrinter& printer, const print::PrintJob& job) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return {false, kCannotStart};
    }
    // Let the window repaint once before the job's pages are drawn.
    QCoreApplication::processEvents();
    QPen pen(Qt::black);
    pen.setWidth(0);
    painter.setPen(pen);
    for (const print::Operation& op : job.operations()) {
        if (const auto* f = std::get_if<print::SetFont>(&op)) {
            painter.setFont(qtFont(f->font, printer));
        } else if (const auto* t = std::get_if<print::DrawText>(&op)) {
            painter.drawText(QPoint(t->x, t->y + painter.fontMetrics().ascent()), qs(t->text));
        } else if (const auto* c = std::get_if<print::DrawClippedText>(&op)) {
            painter.save();
            painter.setClipRect(QRect(c->box.left, c->box.top, c->box.width, c->box.height));
            painter.drawText(QPoint(c->x, c->y + painter.fontMetrics().ascent()), qs(c->text));
            painter.restore();
        } else if (const auto* l = std::get_if<print::DrawLine>(&op)) {
            painter.drawLine(l->x1, l->y1, l->x2, l->y2);
        } else if (std::holds_alternative<print::NewPage>(op)) {
            if (!printer.newPage()) {
                printer.abort();
                painter.end();
                return {false, kFailed};
            }
            // A long printout keeps the windows painted from page to page.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        if (printerFailed(printer)) {
            painter.end();
            return {false, kFailed};
        }
    }
    if (!painter.end() || printerFailed(printer)) {
        return {false, kFailed};
    }
    return {};
}

bool printOnChosenPrinter(QWidget* window,
                          const std::function<print::PrintJob(const print::PageMetrics&)>& layOut) {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(window, printer)) {
        return false;
    }
    window->setEnabled(false);
    PrintOutcome outcome;
    try {
        outcome = playPrintJob(printer, layOut(pageMetricsOf(printer)));
    } catch (const std::exception& e) {
        outcome = {false, qs(e.what())};
    }
    window->setEnabled(true);
    if (!outcome.ok) {
        showError(window, outcome.error);
    }
    return outcome.ok;
}

}  // namespace quintaro::gui
