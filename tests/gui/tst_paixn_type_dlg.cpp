// The game-file deletion dialog over a real "Qnt" folder.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/platform/app_paths.h"
#include "gui/shell/paixn_type_dlg.h"
#include "support/scripted_dialogs.h"

using namespace quintaro::gui;

class TestPaixnTypeDlg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsTheChosenGameAndDeletesOnlyTheTickedFile();
    void declinedConfirmationDeletesNothingAndSelectAllTicksEveryLine();

private:
    void touch(const QString& name) {
        QFile f(QDir(dir_->path()).filePath(QStringLiteral("Qnt/") + name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    bool exists(const QString& name) const {
        return QFile::exists(QDir(dir_->path()).filePath(QStringLiteral("Qnt/") + name));
    }
    static QStringList lines(const TPaixnTypeDlg& dlg) {
        QStringList out;
        for (int i = 0; i < dlg.fileList()->count(); ++i) {
            out << dlg.fileList()->item(i)->text();
        }
        return out;
    }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestPaixnTypeDlg::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QDir(dir_->path()).mkpath(QStringLiteral("Qnt"));
    setProgramDir(dir_->path());
}

void TestPaixnTypeDlg::cleanup() {
    setProgramDir({});
}

void TestPaixnTypeDlg::listsTheChosenGameAndDeletesOnlyTheTickedFile() {
    touch(QStringLiteral("A.sk4"));
    touch(QStringLiteral("B.sk4"));
    touch(QStringLiteral("x_y.sk4"));
    touch(QStringLiteral("y.sk4"));
    touch(QStringLiteral("T.tet"));
    TPaixnTypeDlg dlg;
    dlg.show();
    QCOMPARE(lines(dlg), (QStringList{QStringLiteral("A.sk4"), QStringLiteral("B.sk4"),
                                      QStringLiteral("y.sk4"), QStringLiteral("y.sk4")}));

    // The first "y.sk4" stands for x_y.sk4: deleting it removes that file and no other.
    test::ScriptedDialogs dialogs;
    dlg.fileList()->item(2)->setCheckState(Qt::Checked);
    dlg.fileList()->item(1)->setCheckState(Qt::Checked);
    dialogs.answerYes();
    dlg.BtnDeleteClick();
    QVERIFY(!exists(QStringLiteral("x_y.sk4")));
    QVERIFY(!exists(QStringLiteral("B.sk4")));
    QVERIFY(exists(QStringLiteral("y.sk4")));
    QVERIFY(exists(QStringLiteral("A.sk4")));
    QCOMPARE(lines(dlg), (QStringList{QStringLiteral("A.sk4"), QStringLiteral("y.sk4")}));
    QCOMPARE(dlg.fileList()->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(dialogs.shown.first().caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));

    dlg.gameOption(2)->click();
    QCOMPARE(lines(dlg), QStringList{QStringLiteral("T.tet")});
    // The arrow keys choose the game as well.
    dlg.activateWindow();
    QTRY_VERIFY(dlg.isActiveWindow());
    dlg.gameOption(2)->setFocus();
    QTest::keyClick(dlg.gameOption(2), Qt::Key_Up);
    QVERIFY(dlg.gameOption(1)->isChecked());
    QCOMPARE(lines(dlg), QStringList());
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestPaixnTypeDlg::declinedConfirmationDeletesNothingAndSelectAllTicksEveryLine() {
    touch(QStringLiteral("A.sk6"));
    touch(QStringLiteral("B.sk6"));
    TPaixnTypeDlg dlg;
    dlg.gameOption(1)->setChecked(true);
    dlg.show();
    dlg.selectAllBox()->click();
    QCOMPARE(dlg.fileList()->item(0)->checkState(), Qt::Checked);
    QCOMPARE(dlg.fileList()->item(1)->checkState(), Qt::Checked);

    test::ScriptedDialogs dialogs;
    dialogs.answerNo();
    dlg.BtnDeleteClick();
    QVERIFY(exists(QStringLiteral("A.sk6")));
    QVERIFY(exists(QStringLiteral("B.sk6")));

    // A fresh listing clears the ticks; the "select all" box keeps its state.
    dlg.hide();
    dlg.show();
    QCOMPARE(dlg.fileList()->item(0)->checkState(), Qt::Unchecked);
    QVERIFY(dlg.selectAllBox()->isChecked());
}

QTEST_MAIN(TestPaixnTypeDlg)
#include "tst_paixn_type_dlg.moc"
