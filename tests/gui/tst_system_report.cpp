// The system report printed through its entry point on a PDF printer chosen in the (scripted) print dialog.

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/game/selection_table.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/game/system_report_print.h"
#include "support/pdf_output.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;

class TestSystemReport : public QObject {
    Q_OBJECT

private slots:
    void cancelPrintsNothingAndConfirmPrintsEveryPage();
};

void TestSystemReport::cancelPrintsNothingAndConfirmPrintsEveryPage() {
    test::ScriptedDialogs dialogs;
    MemorySettings store;
    AppContext ctx(store);
    ctx.game.Paixnidi = "ΣΚΟΡ 6";
    ctx.game.Kourses = 6;
    QTemporaryDir dir;

    // 30 basics in slices, 80 groups running over pages.
    SelectionTable selection;
    selection.reset(6, "ΚΟΥΡΣΕΣ");
    selection.setBasicCount(30);
    for (int b = 0; b < 30; ++b) {
        selection.setCell(2 + b, 0, std::to_string(b + 1));
        for (int r = 1; r <= 6; ++r) {
            selection.setCell(2 + b, r, "1,2,3");
        }
    }
    TextGrid groups(5, 81);
    TextGrid superGroups(4, 2);
    for (int r = 1; r <= 80; ++r) {
        groups.setCell(0, r, std::to_string(r));
    }
    superGroups.setCell(0, 1, "0");

    SystemReportRequest request;
    request.selection = &selection.grid();
    request.selectionWidths.assign(32, 60);
    request.sumFrom = QStringLiteral("6");
    request.sumTo = QStringLiteral("60");
    request.groups = &groups;
    request.groupWidths.assign(5, 40);
    request.superGroups = &superGroups;
    request.superGroupWidths.assign(4, 40);
    request.informationLine = QStringLiteral("ΣΚΟΡ 6  ΣΥΣΤΗΜΑ : 729");

    QWidget window;
    dialogs.answerPrintToPdf(QString());
    QVERIFY(!printSystemReport(&window, ctx, request));

    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    bool disabledWhilePrinting = false;
    QTimer::singleShot(0, this, [&] { disabledWhilePrinting = !window.isEnabled(); });
    dialogs.answerPrintToPdf(pdf);
    QVERIFY(printSystemReport(&window, ctx, request));
    QVERIFY(window.isEnabled());
    QVERIFY(disabledWhilePrinting);
    const test::PdfPages pages = test::readPdfPages(pdf);
    QVERIFY(pages.pages >= 2);
    QVERIFY(pages.allDrawText());
    QVERIFY(dialogs.messages().isEmpty());
    if (const QByteArray keep = qgetenv("QUINTARO_KEEP_PRINTS"); !keep.isEmpty()) {
        QFile::copy(pdf, QString::fromLocal8Bit(keep) + QStringLiteral("/system_report.pdf"));
    }
}

QTEST_MAIN(TestSystemReport)
#include "tst_system_report.moc"
