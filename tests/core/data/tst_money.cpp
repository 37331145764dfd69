#include "data/Money.h"
#include "data/Rate.h"
#include "data/RunningBalance.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();
} // namespace

class TestMoney : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void parse_data();
    void parse();
    void fromDouble_data();
    void fromDouble();
    void format_data();
    void format();
    void plainTextRoundTrip_data();
    void plainTextRoundTrip();
    void formattedTextReadsBack_data();
    void formattedTextReadsBack();
    void checkedArithmetic_data();
    void checkedArithmetic();
    void negationAndMagnitude();
    void runningBalance_data();
    void runningBalance();
    void rounding_data();
    void rounding();
    void dayAmountIsRoundedOnce();
    void rateFromStoredReal_data();
    void rateFromStoredReal();
};

// Every spelling the program shows or a user types reads as the exact amount; anything
// else is refused rather than read as some other amount.
void TestMoney::parse_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("plain") << "en_US"
                           << "1234.5" << true << qint64(12345000);
    QTest::newRow("grouped") << "en_US"
                             << "1,234,567.89" << true << qint64(12345678900);
    QTest::newRow("four decimals") << "en_US"
                                   << "0.0001" << true << qint64(1);
    QTest::newRow("five decimals") << "en_US"
                                   << "0.00001" << false << qint64(0);
    QTest::newRow("sign then symbol") << "en_US"
                                      << "-$1,234.50" << true << qint64(-12345000);
    QTest::newRow("symbol then sign") << "en_US"
                                      << "$-1,234.50" << true << qint64(-12345000);
    QTest::newRow("plus and spaces") << "en_US"
                                     << "  +12.5  " << true << qint64(125000);
    QTest::newRow("misplaced group") << "en_US"
                                     << "1,23.4" << false << qint64(0);
    QTest::newRow("comma decimal") << "en_US"
                                   << "12,5" << false << qint64(0);
    QTest::newRow("empty") << "en_US"
                           << "" << false << qint64(0);
    QTest::newRow("blank") << "en_US"
                           << "   " << false << qint64(0);
    QTest::newRow("lone sign") << "en_US"
                               << "-" << false << qint64(0);
    QTest::newRow("lone symbol") << "en_US"
                                 << "$" << false << qint64(0);
    QTest::newRow("two signs") << "en_US"
                               << "--5" << false << qint64(0);
    QTest::newRow("junk after") << "en_US"
                                << "12abc" << false << qint64(0);
    QTest::newRow("exponent") << "en_US"
                              << "1e3" << false << qint64(0);
    QTest::newRow("int64 max") << "en_US"
                               << "922337203685477.5807" << true << Max;
    QTest::newRow("past int64 max") << "en_US"
                                    << "922337203685477.5808" << false << qint64(0);
    QTest::newRow("int64 min") << "en_US"
                               << "-922,337,203,685,477.5808" << true << Min;
    QTest::newRow("past int64 min") << "en_US"
                                    << "-922337203685477.5809" << false << qint64(0);
    QTest::newRow("past 64-bit digits") << "en_US"
                                        << "99999999999999999999" << false << qint64(0);

    QTest::newRow("de grouped") << "de_DE"
                                << "1.234,56" << true << qint64(12345600);
    QTest::newRow("de trailing euro") << "de_DE"
                                      << "-1.234,50 €" << true << qint64(-12345000);
    QTest::newRow("de group wins") << "de_DE"
                                   << "1.234" << true << qint64(12340000);
    QTest::newRow("de C form") << "de_DE"
                               << "-1234.5" << true << qint64(-12345000);
    QTest::newRow("de C form 4 decimals") << "de_DE"
                                          << "12.0001" << true << qint64(120001);
    QTest::newRow("de five decimals") << "de_DE"
                                      << "1,00001" << false << qint64(0);
    QTest::newRow("de mixed points") << "de_DE"
                                     << "1,234.5" << false << qint64(0);
    // French groups with a narrow no-break space; a typed plain space must do.
    QTest::newRow("fr typed space") << "fr_FR"
                                    << "1 234,5" << true << qint64(12345000);
}

void TestMoney::parse() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);
    QLocale::setDefault(QLocale(locale));

    const std::optional<Money> m = Money::parse(text);
    QCOMPARE(m.has_value(), valid);
    if (valid)
        QCOMPARE(m->raw(), raw);
}

// Half to even at the fourth decimal, judged on the double's exact value: the cases
// marked "exact" go wrong when value * 10000 is rounded in floating point first.
void TestMoney::fromDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("1/32: half, down to even") << 0.03125 << true << qint64(312);
    QTest::newRow("3/32: half, up to even") << 0.09375 << true << qint64(938);
    QTest::newRow("-3/32") << -0.09375 << true << qint64(-938);
    QTest::newRow("exact: just above half") << 0.12345 << true << qint64(1235);
    QTest::newRow("exact: just below half") << 0.00035 << true << qint64(3);
    QTest::newRow("negative zero") << -0.0 << true << qint64(0);
    QTest::newRow("tiny") << 1e-300 << true << qint64(0);
    QTest::newRow("large") << 9e14 << true << qint64(9000000000000000000);
    QTest::newRow("too large") << 1e15 << false << qint64(0);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << qint64(0);
}

void TestMoney::fromDouble() {
    QFETCH(double, value);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);

    const std::optional<Money> m = Money::fromDouble(value);
    QCOMPARE(m.has_value(), valid);
    if (valid)
        QCOMPARE(m->raw(), raw);
}

// Display: half away from zero, the locale's grouping, and no "-0.00".
void TestMoney::format_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half up") << "en_US" << qint64(10050) << 2 << "1.01";
    QTest::newRow("negative half away") << "en_US" << qint64(-10050) << 2 << "-1.01";
    QTest::newRow("below half") << "en_US" << qint64(49) << 2 << "0.00";
    QTest::newRow("no negative zero") << "en_US" << qint64(-49) << 2 << "0.00";
    QTest::newRow("grouped") << "en_US" << qint64(12345678) << 2 << "1,234.57";
    QTest::newRow("int64 min") << "en_US" << Min << 2 << "-922,337,203,685,477.58";
    QTest::newRow("whole units") << "en_US" << qint64(12345000) << 0 << "1,235";
    QTest::newRow("four decimals") << "en_US" << qint64(-1) << 4 << "-0.0001";
    QTest::newRow("de") << "de_DE" << qint64(-12345678) << 2 << "-1.234,57";
}

void TestMoney::format() {
    QFETCH(QString, locale);
    QFETCH(qint64, raw);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(Money::fromRaw(raw).formatGrouped(decimals), expected);
    if (decimals == 2)
        QCOMPARE(Money::fromRaw(raw).format(), expected);
}

// An unformatted field shows toPlainText(); reading it back must give the same amount,
// also where '.' groups and ',' is the decimal point.
void TestMoney::plainTextRoundTrip_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << "en_US" << qint64(0) << "0";
    QTest::newRow("trailing zeros dropped") << "en_US" << qint64(-12345000) << "-1234.5";
    QTest::newRow("four decimals") << "en_US" << qint64(120001) << "12.0001";
    QTest::newRow("de whole") << "de_DE" << qint64(12340000) << "1234";
    QTest::newRow("de three decimals") << "de_DE" << qint64(12340) << "1,234";
    QTest::newRow("de negative") << "de_DE" << qint64(-12345000) << "-1234,5";
    QTest::newRow("de int64 min") << "de_DE" << Min << "-922337203685477,5808";
}

void TestMoney::plainTextRoundTrip() {
    QFETCH(QString, locale);
    QFETCH(qint64, raw);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(Money::fromRaw(raw).toPlainText(), text);
    const std::optional<Money> back = Money::parse(text);
    QVERIFY(back.has_value());
    QCOMPARE(back->raw(), raw);
}

// A grid cell or a field default shows format(); typed back, it must be the same amount,
// whatever grouping, digits and direction marks the locale writes.
void TestMoney::formattedTextReadsBack_data() {
    QTest::addColumn<QString>("locale");

    for (const char* name : {"en_US", "de_DE", "en_IN", "es_ES", "fr_FR", "de_CH", "ar_EG"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMoney::formattedTextReadsBack() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));

    for (qint64 raw : {qint64(-12345678900), qint64(12340000), qint64(100), qint64(0)}) {
        const QString text = Money::fromRaw(raw).format();
        const std::optional<Money> back = Money::parse(text);
        QVERIFY2(back.has_value(), qPrintable(text));
        QCOMPARE(back->raw(), raw);
    }
}

void TestMoney::checkedArithmetic_data() {
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<bool>("subtract");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("add") << qint64(15000) << qint64(-20001) << false << true << qint64(-5001);
    QTest::newRow("add to max") << Max - 1 << qint64(1) << false << true << Max;
    QTest::newRow("add past max") << Max << qint64(1) << false << false << qint64(0);
    QTest::newRow("add past min") << Min << qint64(-1) << false << false << qint64(0);
    QTest::newRow("subtract to min") << Min + 1 << qint64(1) << true << true << Min;
    QTest::newRow("subtract past min") << Min << qint64(1) << true << false << qint64(0);
    QTest::newRow("subtract min from zero") << qint64(0) << Min << true << false << qint64(0);
}

void TestMoney::checkedArithmetic() {
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(bool, subtract);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);

    const Money x = Money::fromRaw(a);
    const Money y = Money::fromRaw(b);
    const std::optional<Money> result = subtract ? Money::subtract(x, y) : Money::add(x, y);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(result->raw(), raw);
}

// Negation and magnitude are checked too: the most negative value has no positive counterpart.
void TestMoney::negationAndMagnitude() {
    QCOMPARE(Money::fromRaw(1234500).negated(), std::optional(Money::fromRaw(-1234500)));
    QCOMPARE(Money::fromRaw(-1234500).negated(), std::optional(Money::fromRaw(1234500)));
    QCOMPARE(Money::fromRaw(-1234500).magnitude(), std::optional(Money::fromRaw(1234500)));
    QCOMPARE(Money::fromRaw(Max).negated(), std::optional(Money::fromRaw(-Max)));
    QCOMPARE(Money::fromRaw(Max).magnitude(), std::optional(Money::fromRaw(Max)));
    QCOMPARE(Money::fromRaw(Min).negated(), std::nullopt);
    QCOMPARE(Money::fromRaw(Min).magnitude(), std::nullopt);
    QCOMPARE(Money().negated(), std::optional(Money()));
}

// Each amount moves the balance its own way, one column after the other in their order, so that
// a balance near the edge of the range overflows only where that order does.
void TestMoney::runningBalance_data() {
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<QList<qint64>>("amounts"); // GovtCharge ... InterestPayment
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("only a deposit adds") << qint64(100) << QList<qint64>{1, 2, 4, 8, 16} << true
                                         << qint64(100 - 1 - 2 - 4 + 8 - 16);
    QTest::newRow("charges before the deposit")
        << Max - 5 << QList<qint64>{10, 0, 0, 12, 0} << true << Max - 3;
    QTest::newRow("interest after the deposit")
        << Min + 5 << QList<qint64>{0, 0, 0, 12, 10} << true << Min + 7;
    QTest::newRow("a charge leaves the range") << Min << QList<qint64>{0, 1, 0, 0, 0} << false
                                               << qint64(0);
    QTest::newRow("a deposit leaves the range") << Max << QList<qint64>{0, 0, 0, 1, 0} << false
                                                << qint64(0);
}

void TestMoney::runningBalance() {
    QFETCH(qint64, balance);
    QFETCH(QList<qint64>, amounts);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);

    TransactionAmounts transaction;
    for (AmountColumn c : AmountColumns::All)
        transaction[c] = Money::fromRaw(amounts.at(int(c)));
    const std::optional<Money> after = RunningBalance::after(Money::fromRaw(balance), transaction);
    QCOMPARE(after.has_value(), valid);
    if (valid)
        QCOMPARE(after->raw(), raw);
}

// The named roundings: half away from zero (shown amounts, postings) and half to even.
void TestMoney::rounding_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<qint64>("awayFromZero");
    QTest::addColumn<qint64>("toEven");
    QTest::newRow("a half cent, even below") << qint64(1250) << 2 << qint64(1300) << qint64(1200);
    QTest::newRow("a half cent, odd below") << qint64(1350) << 2 << qint64(1400) << qint64(1400);
    QTest::newRow("negative") << qint64(-1250) << 2 << qint64(-1300) << qint64(-1200);
    QTest::newRow("under a half") << qint64(1249) << 2 << qint64(1200) << qint64(1200);
    QTest::newRow("whole units") << qint64(25000) << 0 << qint64(30000) << qint64(20000);
    QTest::newRow("four decimals is exact") << qint64(-7) << 4 << qint64(-7) << qint64(-7);
}

void TestMoney::rounding() {
    QFETCH(qint64, raw);
    QFETCH(int, decimals);
    QFETCH(qint64, awayFromZero);
    QFETCH(qint64, toEven);
    const Money m = Money::fromRaw(raw);
    QCOMPARE(m.rounded(decimals)->raw(), awayFromZero);
    QCOMPARE(m.rounded(decimals, Money::Rounding::HalfToEven)->raw(), toEven);
    QCOMPARE(m.shownMagnitude(decimals), quint64(std::abs(awayFromZero)) /
                                             quint64(std::pow(10, Money::MaxDecimals - decimals)));
}

// A day's interest is rounded once from the unrounded amount: 0.00504 is 0.01 to cents, while
// its four-decimal 0.0050 rounded again (to even) would be 0.00.
void TestMoney::dayAmountIsRoundedOnce() {
    QCOMPARE(Money::fromDoubleProduct(0.00504, 2)->raw(), qint64(100));
    QCOMPARE(Money::fromDoubleProduct(0.00504)->raw(), qint64(50));
    QCOMPARE(Money::fromDoubleProduct(0.00504)->rounded(2, Money::Rounding::HalfToEven)->raw(),
             qint64(0));

    // Past the range there is no rounded value, and a display still shows one.
    const Money top = Money::fromRaw(std::numeric_limits<qint64>::max());
    QVERIFY(!top.rounded(0));
    QCOMPARE(top.shownMagnitude(0), quint64(std::numeric_limits<qint64>::max() / 10000 + 1));
}

// A rate read from the account file's real: the day's arithmetic gets back the very double that
// was stored, and it shows as typed and to three decimals, half away from zero.
void TestMoney::rateFromStoredReal_data() {
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("exact"); // empty: not a rate
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("column"); // as it stands in a column: two decimals at least
    QTest::newRow("typed") << 6.1 << "6.1"
                           << "6.100"
                           << "6.10";
    QTest::newRow("three decimals") << 5.125 << "5.125"
                                    << "5.125"
                                    << "5.125";
    QTest::newRow("half up") << 4.1235 << "4.1235"
                             << "4.124"
                             << "4.1235";
    QTest::newRow("negative half") << -0.0005 << "-0.0005"
                                   << "-0.001"
                                   << "-0.0005";
    QTest::newRow("negative tenths") << -0.5 << "-0.5"
                                     << "-0.500"
                                     << "-0.50";
    QTest::newRow("nine decimals") << 1.000000001 << "1.000000001"
                                   << "1.000"
                                   << "1.000000001";
    QTest::newRow("below a billionth") << -1e-12 << "0"
                                       << "0.000"
                                       << "0.00";
    QTest::newRow("whole") << 12.0 << "12"
                           << "12.000"
                           << "12.00";
    QTest::newRow("beyond any rate") << 1e10 << ""
                                     << ""
                                     << "";
    QTest::newRow("not a number") << std::nan("") << ""
                                  << ""
                                  << "";
}

void TestMoney::rateFromStoredReal() {
    QFETCH(double, stored);
    QFETCH(QString, exact);
    QFETCH(QString, shown);
    QFETCH(QString, column);
    const std::optional<Rate> rate = Rate::fromReal(stored);
    QCOMPARE(rate.has_value(), !exact.isEmpty());
    if (!rate)
        return;
    QCOMPARE(rate->exactText(), exact);
    QCOMPARE(rate->text(), shown);
    QCOMPARE(rate->columnText(), column);
    if (exact != QLatin1String("0"))
        QCOMPARE(rate->percent(), stored); // the same double, not merely close
    QCOMPARE(Rate::fromReal(rate->percent()), rate);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
