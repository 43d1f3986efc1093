// The TRIO columns editor driven for real: every showing opens a file, the grid with its row numbers and
// empty last row, unsuitable files, deleting columns and the checks on moving and leaving, saving with its
// question and reopening the saved file, clearing, and printing to PDF.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "gui/trio/kataskeuh3_frm.h"
#include "gui/trio/number_board.h"
#include "gui/trio/stiles3_frm.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;

namespace {

const QByteArray kSeven = "1,2,3\r\n1,4,5\r\n1,6,7\r\n2,4,6\r\n2,5,7\r\n3,4,7\r\n3,5,6\r\n";

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList rowTexts(TStiles3Frm& editor, int row) {
    QStringList out;
    for (int c = 0; c < editor.grid().columnCount(); ++c) {
        out << qs(editor.grid().cell(c, row));
    }
    return out;
}

int pdfPages(const QString& path) {
    const QByteArray pdf = fileBytes(path);
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page>") + pdf.count("/Type /Page "));
}

struct Fixture {
    MemorySettings store;
    AppContext ctx{store};
    QTemporaryDir home;
    test::ScriptedDialogs dialogs;
    TStiles3Frm editor{ctx};

    Fixture() { setProgramDir(home.path()); }
    ~Fixture() { setProgramDir({}); }

    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = QDir(home.path()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    // Shows the window, answering its open dialog with the file.
    void showWith(const QString& path) {
        dialogs.answerFile(path);
        editor.show();
        QTRY_VERIFY(dialogs.scriptDone());
    }
    QPushButton* button(const char* name) const {
        return editor.findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

}  // namespace

class TestTrioColumnsEditor : public QObject {
    Q_OBJECT

private slots:
    void showingOpensAFileIntoTheGrid();
    void separatorsAndUnsuitableFiles();
    void ctrlDeleteEnterAndTheChecks();
    void saveAsksBeforeOverwritingAndReopensAsSaved();
    void clearAsksFirst();
    void printsToPdfOnAsManyPagesAsNeeded();
    void openedFromTheConstructionWindow();
};

void TestTrioColumnsEditor::showingOpensAFileIntoTheGrid() {
    Fixture f;
    QCOMPARE(f.editor.windowTitle(), QStringLiteral("ΒΕΛΤΡΑΝΟ ΤΡΙΟ"));
    const QString seven = f.write(QStringLiteral("seven.tri"), kSeven);
    f.showWith(seven);
    QCOMPARE(f.dialogs.shown.first().type, QStringLiteral("open"));
    QCOMPARE(f.dialogs.shown.first().file.filter, QStringLiteral("ΑΡΧΕΙΑ ΣΤΗΛΩΝ ΤΡΙΟ|*.tri"));
    QCOMPARE(f.editor.windowTitle(), QStringLiteral(" ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ (seven.tri)"));
    QCOMPARE(f.editor.grid().rowCount(), 9);
    QCOMPARE(rowTexts(f.editor, 0), (QStringList{QStringLiteral("A/Α"), QStringLiteral("1"),
                                                 QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(rowTexts(f.editor, 1), (QStringList{QStringLiteral("1"), QStringLiteral("1"),
                                                 QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(rowTexts(f.editor, 7), (QStringList{QStringLiteral("7"), QStringLiteral("3"),
                                                 QStringLiteral("5"), QStringLiteral("6")}));
    QCOMPARE(rowTexts(f.editor, 8), (QStringList{QStringLiteral("8"), QString(), QString(), QString()}));
    QCOMPARE(f.editor.widthDisplay()->value(), 3);
    QCOMPARE(f.editor.view()->model()->rowCount(), 9);
    QCOMPARE(f.editor.view()->model()->index(7, 3).data().toString(), QStringLiteral("6"));

    // A cancelled open changes nothing; a second showing opens again.
    f.dialogs.answerFile({});
    f.editor.Button1Click();
    QCOMPARE(f.editor.grid().rowCount(), 9);
    f.editor.hide();
    f.showWith(f.write(QStringLiteral("one.tri"), "4;9;17\r\n"));
    QCOMPARE(f.editor.grid().rowCount(), 3);
    QCOMPARE(rowTexts(f.editor, 1), (QStringList{QStringLiteral("1"), QStringLiteral("4"),
                                                 QStringLiteral("9"), QStringLiteral("17")}));
}

void TestTrioColumnsEditor::separatorsAndUnsuitableFiles() {
    Fixture f;
    f.showWith(f.write(QStringLiteral("spaces.tri"), "1 2 3\r\n4 5 6\r\n"));
    QCOMPARE(rowTexts(f.editor, 2).mid(1),
             (QStringList{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")}));
    QVERIFY(f.dialogs.messages().isEmpty());

    // A token that is not a number: the message, and an empty grid.
    f.dialogs.answerFile(f.write(QStringLiteral("bad.tri"), "1,2,3\r\n4,x,6\r\n7,8,9\r\n"));
    f.editor.Button1Click();
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("ΑΚΑΤΑΛΛΗΛΟ ΑΡΧΕΙΟ")});
    QCOMPARE(f.editor.grid().rowCount(), 2);
    QCOMPARE(rowTexts(f.editor, 1), (QStringList{QStringLiteral("1"), QString(), QString(), QString()}));
    QCOMPARE(f.editor.windowTitle(), QStringLiteral(" ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ "));

    // A number outside 1-80: the message, and the number stays.
    f.dialogs.clear();
    f.dialogs.answerFile(f.write(QStringLiteral("far.tri"), "1,2,3\r\n4,90,6\r\n"));
    f.editor.Button1Click();
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("ΑΚΑΤΑΛΛΗΛΟ ΑΡΧΕΙΟ")});
    QCOMPARE(rowTexts(f.editor, 2).mid(1),
             (QStringList{QStringLiteral("4"), QStringLiteral("90"), QStringLiteral("6")}));
}

void TestTrioColumnsEditor::ctrlDeleteEnterAndTheChecks() {
    Fixture f;
    f.editor.show();
    QTRY_VERIFY(!f.dialogs.unexpected.isEmpty());  // the open dialog, left unanswered: cancelled
    f.dialogs.clear();
    f.dialogs.answerFile(f.write(QStringLiteral("seven.tri"), kSeven));
    f.editor.Button1Click();
    QVERIFY(QTest::qWaitForWindowExposed(&f.editor));
    auto* view = f.editor.view();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());

    // Ctrl+Delete on row 2 moves rows 3-7 up; leaving the grid removes the surplus empty row.
    view->setCurrentIndex(view->model()->index(2, 1));
    QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(rowTexts(f.editor, 2).mid(1),
             (QStringList{QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("7")}));
    QCOMPARE(f.editor.grid().rowCount(), 9);
    f.button("Button3")->setFocus();
    QCOMPARE(f.editor.grid().rowCount(), 8);
    QVERIFY(f.dialogs.messages().isEmpty());

    // Enter moves along the row and on to the next one.
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, 3));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(view->currentIndex().row(), 2);
    QCOMPARE(view->currentIndex().column(), 1);
    // A row holding a number twice: Enter stays with "lathos timh"; moving below it says "ΛΑΘΟΣ ΤΙΜΗ".
    f.editor.grid().setCell(3, 3, "4");  // row 3: 2, 4, 4
    view->setCurrentIndex(view->model()->index(3, 2));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("lathos timh")});
    QCOMPARE(view->currentIndex().column(), 2);
    view->setCurrentIndex(view->model()->index(5, 1));
    QCOMPARE(f.dialogs.messages().last(), QStringLiteral("ΛΑΘΟΣ ΤΙΜΗ"));
    QCOMPARE(view->currentIndex().row(), 3);
    QCOMPARE(view->currentIndex().column(), 2);
    // Leaving the grid: the cell is selected, "lathos timh", and the grid keeps the focus...
    f.dialogs.clear();
    f.button("Button2")->setFocus();
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("lathos timh")});
    QTRY_VERIFY(view->hasFocus());
    // ...except towards the clear button.
    f.dialogs.clear();
    f.button("Button4")->setFocus();
    QVERIFY(f.dialogs.messages().isEmpty());
    // Deleting the bad column leaves a sound list.
    view->setFocus();
    view->setCurrentIndex(view->model()->index(3, 1));
    QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
    f.dialogs.clear();
    f.button("Button2")->setFocus();
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(f.editor.grid().rowCount(), 7);
    // Backspace on an empty cell goes back.
    view->setFocus();
    view->setCurrentIndex(view->model()->index(6, 1));
    QTest::keyClick(view, Qt::Key_Backspace);
    QCOMPARE(view->currentIndex().row(), 5);
    QCOMPARE(view->currentIndex().column(), 3);
}

void TestTrioColumnsEditor::saveAsksBeforeOverwritingAndReopensAsSaved() {
    Fixture f;
    f.showWith(f.write(QStringLiteral("seven.tri"), kSeven));
    const QString saved = QDir(f.home.path()).filePath(QStringLiteral("saved.tri"));
    f.dialogs.answerFile(saved);
    QTest::mouseClick(f.button("Button2"), Qt::LeftButton);
    QCOMPARE(f.dialogs.shown.last().file.filter, QStringLiteral("αρχεια στηλων τριο|*.tri"));
    QCOMPARE(fileBytes(saved), QByteArray("7\r\n3\r\n\r\n\r\n\r\n") + kSeven);
    QCOMPARE(f.editor.windowTitle(), QStringLiteral(" ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ (saved.tri)"));

    // Edit: delete the first column, then save over the file after the question.
    f.editor.view()->setCurrentIndex(f.editor.view()->model()->index(1, 1));
    f.editor.StringGrid1KeyDown();
    f.dialogs.answerFile(saved);
    f.dialogs.answerNo();
    f.editor.Button2Click();
    QCOMPARE(f.dialogs.shown.last().text, QStringLiteral("to arxeio (") + QDir::toNativeSeparators(saved) +
                                              QStringLiteral(")") + QChar(13) +
                                              QStringLiteral("yparxei thelete na epannagrafei ; "));
    QCOMPARE(fileBytes(saved).left(3), QByteArray("7\r\n"));
    f.editor.StringGrid1Exit(nullptr);  // the surplus row goes when the grid is left
    f.dialogs.answerFile(saved);
    f.dialogs.answerYes();
    f.editor.Button2Click();
    QCOMPARE(fileBytes(saved), QByteArray("6\r\n3\r\n\r\n\r\n\r\n") + kSeven.mid(7));

    // Reopening the saved file gives the grid as it was saved.
    const TextGrid before = f.editor.grid();
    f.dialogs.clear();
    f.dialogs.answerFile(saved);
    f.editor.Button1Click();
    QVERIFY(f.dialogs.messages().isEmpty());
    QVERIFY(f.editor.grid() == before);
    QCOMPARE(f.editor.grid().rowCount(), 8);
    QVERIFY(f.dialogs.unexpected.isEmpty());

    // A file that cannot be written is reported.
    f.dialogs.answerFile(QDir(f.home.path()).filePath(QStringLiteral("missing/saved.tri")));
    f.editor.Button2Click();
    QCOMPARE(f.dialogs.messages().size(), 1);
    QVERIFY(f.dialogs.messages()[0].startsWith(QStringLiteral("Αδύνατη η εγγραφή του αρχείου ")));
}

void TestTrioColumnsEditor::clearAsksFirst() {
    Fixture f;
    f.showWith(f.write(QStringLiteral("seven.tri"), kSeven));
    f.dialogs.answerNo();
    QTest::mouseClick(f.button("Button4"), Qt::LeftButton);
    QCOMPARE(f.dialogs.shown.last().text, QStringLiteral("eisai sigouros gia katharismo;"));
    QCOMPARE(f.dialogs.shown.last().kind, MessageKind::Warning);
    QCOMPARE(f.editor.grid().rowCount(), 9);
    f.dialogs.answerYes();
    f.editor.Button4Click();
    QCOMPARE(f.editor.grid().rowCount(), 2);
    QVERIFY(f.editor.grid().cell(1, 1).empty());
    QCOMPARE(f.editor.windowTitle(), QStringLiteral(" ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ "));
}

void TestTrioColumnsEditor::printsToPdfOnAsManyPagesAsNeeded() {
    Fixture f;
    f.showWith(f.write(QStringLiteral("seven.tri"), kSeven));
    const QString pdf = QDir(f.home.path()).filePath(QStringLiteral("seven.pdf"));
    f.dialogs.answerPrintToPdf(pdf);
    QTest::mouseClick(f.button("Button5"), Qt::LeftButton);
    QVERIFY(fileBytes(pdf).startsWith("%PDF"));
    QCOMPARE(pdfPages(pdf), 1);

    // 200 columns do not fit on one page: the list goes on, each page with its headings.
    QByteArray many;
    for (int i = 0; i < 200; ++i) {
        many += QByteArray::number(i % 18 + 1) + "," + QByteArray::number(i % 18 + 2) + "," +
                QByteArray::number(i % 18 + 3) + "\r\n";
    }
    f.dialogs.answerFile(f.write(QStringLiteral("many.tri"), many));
    f.editor.Button1Click();
    const QString long_ = QDir(f.home.path()).filePath(QStringLiteral("many.pdf"));
    f.dialogs.answerPrintToPdf(long_);
    f.editor.Button5Click();
    QVERIFY(pdfPages(long_) >= 3);
    // Cancelling the print dialog prints nothing.
    f.dialogs.answerPrintToPdf({});
    f.editor.Button5Click();
    QVERIFY(f.dialogs.unexpected.isEmpty());
}

void TestTrioColumnsEditor::openedFromTheConstructionWindow() {
    // The whole road: build the seven-column system, save its columns and conditions, find its prototype,
    // open the columns in the editor, delete one, save them and print them.
    MemorySettings store;
    AppContext ctx(store);
    QTemporaryDir home;
    setProgramDir(home.path());
    test::ScriptedDialogs dialogs;
    TKataskeuh3Frm frm(ctx);
    ctx.stiles3Frm = new TStiles3Frm(ctx, &frm);
    frm.show();
    NumberBoard* board = frm.board();
    for (int c = 0; c < 7; ++c) {
        QTest::mouseRelease(board, Qt::LeftButton, {}, board->cellRect(0, c).center());
    }
    frm.findChild<QComboBox*>(QStringLiteral("CmbEggy"))->setCurrentIndex(1);
    frm.BBtnCalcClick();
    QTRY_VERIFY(!frm.isCalculating());
    const QDir dir(home.path());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("PROTYPA/A7253_7_2_3_0_700_3_2000_3.sy5"))));
    const QString columns = dir.filePath(QStringLiteral("DELTIA/seven.tri"));
    dialogs.answerFile(columns);
    frm.BitBtn7Click();
    dialogs.answerFile(dir.filePath(QStringLiteral("DELTIA/seven.or3")));
    frm.BBtnSaveOroiClick();
    QCOMPARE(fileBytes(columns), kSeven);

    dialogs.answerFile(columns);
    frm.findChild<QPushButton*>(QStringLiteral("STILES3"))->click();
    TStiles3Frm* editor = ctx.stiles3Frm;
    QVERIFY(editor->isVisible());
    QVERIFY(frm.isVisible());
    QTRY_VERIFY(dialogs.scriptDone());
    QCOMPARE(editor->grid().rowCount(), 9);
    editor->view()->setCurrentIndex(editor->view()->model()->index(1, 1));
    editor->StringGrid1KeyDown();
    editor->StringGrid1Exit(nullptr);
    dialogs.answerFile(columns);
    dialogs.answerYes();
    editor->Button2Click();
    QCOMPARE(fileBytes(columns), QByteArray("6\r\n3\r\n\r\n\r\n\r\n") + kSeven.mid(7));
    const QString pdf = dir.filePath(QStringLiteral("six.pdf"));
    dialogs.answerPrintToPdf(pdf);
    editor->Button5Click();
    QCOMPARE(pdfPages(pdf), 1);
    QVERIFY(dialogs.unexpected.isEmpty());
    setProgramDir({});
}

QTEST_MAIN(TestTrioColumnsEditor)
#include "tst_trio_columns_editor.moc"
