// The program's settings backend: an INI file here, holding the Greek value names and the flags as text.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/settings/column_cost.h"
#include "gui/platform/qt_settings.h"

using namespace quintaro;
using namespace quintaro::gui;

class TestQtSettings : public QObject {
    Q_OBJECT
private slots:
    void valuesSurviveANewStoreOnTheSameFile();
    void aFolderThatCannotBeCreatedReportsTheFailure();
};

void TestQtSettings::valuesSurviveANewStoreOnTheSameFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sub/Quintaro.ini"));
    {
        QtSettingsStore store(file);
        QCOMPARE(store.read(settings::kCostsKey, settings::kOptionsSection, "ΣΚΟΡ 9"), std::nullopt);
        store.writeString(settings::kCostsKey, settings::kOptionsSection, "ΣΚΟΡ 9", "0,30");
        store.writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false);
        store.writeString(settings::kHolderKey, settings::kOptionsSection, settings::kTitle, "ΠΡΑΚΤΟΡΕΙΟ Α");
    }
    QtSettingsStore again(file);
    QCOMPARE(again.readString(settings::kCostsKey, settings::kOptionsSection, "ΣΚΟΡ 9", "?"),
             std::string("0,30"));
    QCOMPARE(readColumnCost(again, "ΣΚΟΡ 9", '.'), 0.3);
    QCOMPARE(again.readFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, true), false);
    QCOMPARE(again.readString(settings::kHolderKey, settings::kOptionsSection, settings::kTitle, "?"),
             std::string("ΠΡΑΚΤΟΡΕΙΟ Α"));
    // A value never written reads as the reader's default, also beside written ones.
    QCOMPARE(again.readString(settings::kCostsKey, settings::kOptionsSection, "ΣΚΟΡ 4", "1.50"),
             std::string("1.50"));
}

void TestQtSettings::aFolderThatCannotBeCreatedReportsTheFailure() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store(dir.filePath(QStringLiteral("file/inside/Quintaro.ini")));
    try {
        store.writeString(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, "1");
        QFAIL("no error");
    } catch (const SettingsError& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Failed to create key General/Tips"));
    }
}

QTEST_MAIN(TestQtSettings)
#include "tst_qt_settings.moc"
