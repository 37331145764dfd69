// What an account keeps as text is the same bytes whatever the language it was written under,
// and reads back the same under any other: an amount never follows the window's decimal comma.
#include "complaint/ComplaintDetails.h"
#include "data/AccountConnection.h"
#include "data/StoredValue.h"
#include "repayment/RepaymentTerms.h"
#include "support/AccountFixture.h"

#include <QLocale>
#include <QTest>

namespace {

const QStringList Locales = {"C", "de_DE", "fr_CA"};

Money amount(const char* text) {
    return *StoredValue::moneyFromText(QString::fromLatin1(text));
}

} // namespace

class TestStoredText : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void moneyText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<bool>("reads");
        QTest::newRow("whole") << "1" << qint64(10000) << true;
        QTest::newRow("decimals") << "2.5" << qint64(25000) << true;
        QTest::newRow("negative four decimals") << "-0.0001" << qint64(-1) << true;
        QTest::newRow("written under a decimal comma") << "2,5" << qint64(25000) << true;
        QTest::newRow("a thousand grouped is no amount") << "1.000,00" << qint64(0) << false;
        QTest::newRow("five decimals") << "1.00001" << qint64(0) << false;
        QTest::newRow("junk") << "lots" << qint64(0) << false;
    }
    void moneyText() {
        QFETCH(QString, text);
        QFETCH(qint64, raw);
        QFETCH(bool, reads);
        const std::optional<Money> m = StoredValue::moneyFromText(text);
        QCOMPARE(m.has_value(), reads);
        if (!reads)
            return;
        QCOMPARE(m->raw(), raw);
        if (!text.contains(','))
            QCOMPARE(StoredValue::moneyText(*m), text);
    }

    // The complaint's threshold and the repayment terms under three languages: one set of bytes.
    void sameBytesInEveryLanguage() {
        AccountFixture fixture;
        QMap<QString, QStringList> stored;
        for (const QString& locale : Locales) {
            QLocale::setDefault(QLocale(locale));
            const QString path = fixture.newAccount(locale + ".mdb");
            AccountConnection connection;
            QVERIFY(connection.open(path));
            ComplaintDetails d;
            d.threshold = amount("1234.5");
            Repayments::Terms t;
            t.firstRepayment = QDate(2024, 2, 1);
            t.count = 300;
            t.stated = amount("1584.59");
            QString error;
            QVERIFY2(Complaints::writeDetails(connection.database(), d, &error), qPrintable(error));
            QVERIFY2(Repayments::write(connection.database(), t, &error), qPrintable(error));
            stored[locale] = AccountFixture::column(
                path, "select Name || '=' || Value from tblSettings order by Name");
        }
        QCOMPARE(stored["de_DE"], stored["C"]);
        QCOMPARE(stored["fr_CA"], stored["C"]);
        QVERIFY(stored["C"].contains("ComplaintThreshold=1234.5"));

        // Written under German, read under French and under C: the same amounts.
        for (const QString& locale : {QStringLiteral("fr_CA"), QStringLiteral("C")}) {
            QLocale::setDefault(QLocale(locale));
            AccountConnection connection;
            QVERIFY(connection.open(fixture.dataFolder() + "de_DE.mdb"));
            QCOMPARE(Complaints::readDetails(connection.database()).threshold, amount("1234.5"));
            QString notice;
            QCOMPARE(Repayments::read(connection.database(), &notice).stated,
                     std::optional<Money>(amount("1584.59")));
        }
    }
};

QTEST_GUILESS_MAIN(TestStoredText)
#include "tst_storedtext.moc"
