// Which language the windows speak: the choice kept for the next start, else the system's
// preferred languages in order up to English; without a catalogue, English.
#include "data/Language.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>

using Language::Choice;

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void wanted_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QStringList>("tried");
        QTest::newRow("system: Austrian German, then French")
            << int(Choice::System) << QStringList{"de-AT", "de", "fr-FR"}
            << QStringList{"de", "fr", "en"};
        QTest::newRow("system: English first stops there")
            << int(Choice::System) << QStringList{"en-GB", "nl-NL"} << QStringList{"en"};
        QTest::newRow("system: none") << int(Choice::System) << QStringList{}
                                      << QStringList{"en"};
        QTest::newRow("chosen Dutch over a German system")
            << int(Choice::Dutch) << QStringList{"de-DE"} << QStringList{"nl", "en"};
        QTest::newRow("chosen English") << int(Choice::English) << QStringList{"fr-CA"}
                                        << QStringList{"en"};
    }
    void wanted() {
        QFETCH(int, choice);
        QFETCH(QStringList, system);
        QFETCH(QStringList, tried);
        QCOMPARE(Language::wanted(Choice(choice), system), tried);
    }

    // Kept for the next start; a language without a catalogue leaves the windows in English.
    void keptAndInstalled() {
        QVERIFY(Language::store(Choice::French));
        QCOMPARE(Language::stored(), Choice::French);
        QVERIFY(Language::store(Choice::System));
        QCOMPARE(Language::stored(), Choice::System);
        if (QCoreApplication* app = QCoreApplication::instance())
            QCOMPARE(Language::install(*app, Choice::English), QString("en"));
        QCOMPARE(QCoreApplication::translate("Repayments", "Monthly"), QString("Monthly"));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
