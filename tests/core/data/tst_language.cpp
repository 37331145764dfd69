// Which language the windows speak: the choice kept for the next start, else the system's
// preferred languages in order up to English; without a catalogue, English.
#include "data/Language.h"
#include "data/ProgramPaths.h"
#include "loanset/PartImport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A loan's history as its bank writes it, dot decimals: the interest of a rate of 6.00 on the
// day's balance, charged on each month's last day, and a repayment on the 15th.
QByteArray bankFile() {
    QByteArray csv = "Date,Description,Amount,Balance\n2024-01-01,Loan drawn,-200000.00,-200000.00\n";
    double balance = -200000.00;
    QDate day(2024, 1, 1);
    double interest = 0;
    for (int month = 1; month <= 12; ++month) {
        const QDate end(2024, month, QDate(2024, month, 1).daysInMonth());
        for (; day <= end; day = day.addDays(1)) {
            if (day.day() == 15) {
                balance += 1500;
                csv += day.toString(Qt::ISODate).toLatin1() + ",Repayment,1500.00," +
                       QByteArray::number(balance, 'f', 2) + "\n";
            }
            interest += -balance * 0.06 / 365;
        }
        const double charged = qRound64(interest * 100) / 100.0;
        balance -= charged;
        interest = 0;
        csv += end.toString(Qt::ISODate).toLatin1() + ",Interest charged,-" +
               QByteArray::number(charged, 'f', 2) + "," + QByteArray::number(balance, 'f', 2) +
               "\n";
    }
    return csv;
}

// The account the bank's file makes, as the split loan's road makes it: the file imported
// and its rates proposed.
QByteArray madeAccount(const QString& folder, const QString& name) {
    const QString file = folder + QStringLiteral("/bank.csv");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bankFile()) < 0)
        return {};
    out.close();
    QString error;
    const QString account = folder + u'/' + name;
    if (!PartImport::make(file, account, [](const QString&) { return true; }, &error))
        return error.toUtf8();
    QFile made(account);
    return made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
}

} // namespace

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

    // The same bank file makes the same account, byte for byte, under every language and its
    // locale's decimal comma; and under an EnglishScope the texts are English again.
    void sameAccountWhateverTheLanguage() {
        QCoreApplication* app = QCoreApplication::instance();
        QTemporaryDir dir;
        ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR));
        const QByteArray english = madeAccount(dir.path(), QStringLiteral("en.mdb"));
        QVERIFY2(english.size() > 4096, english.constData());
        for (Choice c : {Choice::German, Choice::French, Choice::Dutch}) {
            QLocale::setDefault(QLocale(c == Choice::German ? QStringLiteral("de_DE")
                                                            : QStringLiteral("fr_CA")));
            QCOMPARE(Language::install(*app, c), Language::code(c));
            QVERIFY(QCoreApplication::translate("Repayments", "Monthly") != QString("Monthly"));
            {
                const Language::EnglishScope english;
                QCOMPARE(QCoreApplication::translate("Repayments", "Monthly"), QString("Monthly"));
            }
            // The help pages in the language too.
            QVERIFY(ProgramPaths::helpPage(2).endsWith(Language::code(c) +
                                                       QStringLiteral("/hlpMethod.rtf")));
            const QString name = Language::code(c) + QStringLiteral(".mdb");
            QVERIFY2(madeAccount(dir.path(), name) == english, qPrintable(dir.filePath(name)));
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
