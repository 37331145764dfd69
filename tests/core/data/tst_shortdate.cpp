#include "data/ShortDate.h"

#include <QLocale>
#include <QTest>

class TestShortDate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pattern_data();
    void pattern();
    void roundTrip_data();
    void roundTrip();
    void parse_data();
    void parse();
    void iso_data();
    void iso();
};

// A four-digit year everywhere; a numeric pattern where the locale has none.
void TestShortDate::pattern_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en_US") << QLocale("en_US") << "M/d/yyyy";
    QTest::newRow("en_GB") << QLocale("en_GB") << "dd/MM/yyyy";
    QTest::newRow("de_DE") << QLocale("de_DE") << "dd.MM.yyyy";
    QTest::newRow("C") << QLocale::c() << "d/MM/yyyy";
    // Quoted text stays as it is: its letters are not date fields.
    QTest::newRow("bg_BG quoted year mark") << QLocale("bg_BG") << "d.MM.yyyy 'г'.";
}

void TestShortDate::pattern() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);

    QCOMPARE(ShortDate::pattern(), expected);
}

// What the program writes, it reads back as the same day.
void TestShortDate::roundTrip_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US") << "en_US" << QDate(2024, 1, 5) << "1/5/2024";
    QTest::newRow("de_DE") << "de_DE" << QDate(2024, 1, 5) << "05.01.2024";
    QTest::newRow("de_DE leap day") << "de_DE" << QDate(2024, 2, 29) << "29.02.2024";
    QTest::newRow("C") << "C" << QDate(2024, 1, 5) << "5/01/2024";
}

void TestShortDate::roundTrip() {
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(ShortDate::format(date), text);
    QCOMPARE(ShortDate::parse(text), date);
    QCOMPARE(ShortDate::normalise(date), date);
}

// The field's own format, or the Short Date when it has none, then ISO; never another order.
void TestShortDate::parse_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("displayFormat");
    QTest::addColumn<QDate>("expected");

    const QDate jan5(2024, 1, 5);
    QTest::newRow("one-digit fields") << "en_US"
                                      << "1/5/2024"
                                      << "" << jan5;
    QTest::newRow("two-digit fields") << "en_US"
                                      << "01/05/2024"
                                      << "" << jan5;
    QTest::newRow("whitespace") << "en_US"
                                << " 1/5/2024\t"
                                << "" << jan5;
    QTest::newRow("one-digit for dd.MM") << "de_DE"
                                         << "5.1.2024"
                                         << "" << jan5;
    QTest::newRow("short date of en_GB") << "en_GB"
                                         << "1/5/2024"
                                         << "" << QDate(2024, 5, 1);
    QTest::newRow("day first: en_GB") << "en_GB"
                                      << "05/04/2023"
                                      << "" << QDate(2023, 4, 5);
    QTest::newRow("day first: en_AU") << "en_AU"
                                      << "05/04/2023"
                                      << "" << QDate(2023, 4, 5);
    QTest::newRow("day first: month-first text refused") << "en_GB"
                                                         << "04/15/2023"
                                                         << "" << QDate();
    QTest::newRow("field's own format") << "en_GB"
                                        << "1/5/2024"
                                        << "M/d/yyyy" << jan5;
    QTest::newRow("own format fails: no Short Date guess") << "en_US"
                                                           << "1/13/2024"
                                                           << "d/MM/yyyy" << QDate();
    QTest::newRow("own format, ISO") << "en_GB"
                                     << "2024-01-05"
                                     << "d/MM/yyyy" << jan5;
    QTest::newRow("negative year") << "en_US"
                                   << "1/1/-2024"
                                   << "" << QDate();
    QTest::newRow("five-digit year") << "en_US"
                                     << "1/1/20245"
                                     << "" << QDate();
    QTest::newRow("year 0") << "en_US"
                            << "1/1/0000"
                            << "" << QDate();
    QTest::newRow("iso fallback") << "de_DE"
                                  << "2024-01-05"
                                  << "" << jan5;
    QTest::newRow("leap day") << "en_US"
                              << "2/29/2024"
                              << "" << QDate(2024, 2, 29);
    QTest::newRow("no leap day") << "en_US"
                                 << "2/29/2023"
                                 << "" << QDate();
    QTest::newRow("month 13") << "en_US"
                              << "13/1/2024"
                              << "" << QDate();
    QTest::newRow("junk") << "en_US"
                          << "soon"
                          << "" << QDate();
    QTest::newRow("empty") << "en_US"
                           << ""
                           << "" << QDate();
    QTest::newRow("blank") << "en_US"
                           << "   "
                           << "M/d/yyyy" << QDate();
}

void TestShortDate::parse() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, displayFormat);
    QFETCH(QDate, expected);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(ShortDate::parse(text, displayFormat), expected);
}

// The stored form is exactly yyyy-MM-dd; the account file's checks reject anything else.
void TestShortDate::iso_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("date") << "2024-01-05" << QDate(2024, 1, 5);
    QTest::newRow("leap day") << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("no leap day") << "2023-02-29" << QDate();
    QTest::newRow("one-digit month") << "2024-1-05" << QDate();
    QTest::newRow("slashes") << "2024/01/05" << QDate();
    QTest::newRow("with time") << "2024-01-05T00:00" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestShortDate::iso() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);

    QCOMPARE(ShortDate::fromIso(text), expected);
    QCOMPARE(ShortDate::toIso(expected), expected.isValid() ? text : QString());
}

QTEST_GUILESS_MAIN(TestShortDate)
#include "tst_shortdate.moc"
