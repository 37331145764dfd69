// Published worked examples of lenders that do not charge each day's interest on that day's
// balance (US and German annuities, annual rest, Canadian fixed rates, equal periods), each a
// golden account under published/: the report posts every charge to the cent and reaches the
// balances stated, Find Lender's Method finds a way that matches every charge, and the rate
// proposal gives the rate back.
#include "engine/DayInterest.h"
#include "engine/InterestEngine.h"
#include "engine/LenderFit.h"
#include "engine/RateProposal.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

struct Example {
    CalculationBasis basis;
    QVector<RatePeriod> rates;
    QVector<HistoryRow> history;
    QMap<QDate, Money> balances; // stated after the rows of the date
    QString error;
};

StoredMoney amount(const QString& text, bool negative = false) {
    if (text.isEmpty())
        return StoredMoney::of(Money());
    const Money m = Money::parse(text).value_or(Money());
    return StoredMoney::of(negative ? Money::fromRaw(-m.raw()) : m);
}

// "conventions,<day count>,<rounding>,<rest>,<compounding>,<per year>", "method,<code>",
// "rate,<from>,<to>,<per cent>", then "date,deposit,charge,balance" rows.
Example read(const QString& path) {
    Example e;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        e.error = QStringLiteral("cannot read ") + path;
        return e;
    }
    bool inRows = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList c = line.split(',');
        if (c[0] == "conventions" && c.size() == 6) {
            LenderConventions& k = e.basis.conventions;
            k.dayCount = Conventions::dayCountFromWord(c[1]).value_or(DayCount::Actual365Fixed);
            k.rounding = Conventions::roundingFromWord(c[2]).value_or(InterestRounding::Day4);
            k.rest = Conventions::restFromWord(c[3]).value_or(Rest());
            k.compounding = Conventions::compoundingFromWord(c[4]).value_or(Compounding::None);
            k.perYear = c[5].toInt();
        } else if (c[0] == "method") {
            e.basis.method = InterestMethod::of(c[1].toInt());
        } else if (c[0] == "rate" && c.size() == 4) {
            e.rates << RatePeriod{1, QDate::fromString(c[1], Qt::ISODate),
                                  QDate::fromString(c[2], Qt::ISODate), Rate::parse(c[3])};
        } else if (c[0] == "date") {
            inRows = true;
        } else if (inRows && c.size() == 4) {
            HistoryRow row;
            row.id = e.history.size() + 1;
            row.date = QDate::fromString(c[0], Qt::ISODate);
            if (e.history.isEmpty()) {
                row.closeBalance = amount(c[3]);
            } else {
                row.amounts[AmountColumn::Deposit] = amount(c[1]);
                row.amounts[AmountColumn::InterestPayment] = amount(c[2]);
                if (!c[3].isEmpty())
                    e.balances.insert(row.date, *Money::parse(c[3]));
            }
            e.history << row;
        } else {
            e.error = QStringLiteral("not understood: ") + line;
        }
    }
    return e;
}

} // namespace

class TestPublished : public QObject {
    Q_OBJECT

private slots:
    void reproduced_data();
    void reproduced();
    void canadianMonthlyRate();
};

void TestPublished::reproduced_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(VANTRELL_SOURCE_DIR "/tests/core/engine/published"));
    for (const QString& name : dir.entryList({"*.csv"}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestPublished::reproduced() {
    QFETCH(QString, path);
    const Example e = read(path);
    QVERIFY2(e.error.isEmpty(), qPrintable(e.error));
    QVERIFY(Conventions::refusal(e.basis.conventions).isEmpty());

    const InterestEngine::Result r = InterestEngine::calculate(e.history, e.rates, e.basis);
    QVERIFY2(r.notices.isEmpty(), qPrintable(r.notices.join('\n')));
    int charges = 0;
    QMap<QDate, Money> balanceOn;
    for (const ReportLine& line : r.lines) {
        balanceOn.insert(line.date, line.balance);
        if (line.kind != ReportLine::Kind::Transaction)
            continue;
        const Money charged = line.amounts[AmountColumn::InterestPayment].value_or(Money());
        if (charged.isZero())
            continue;
        ++charges;
        const std::optional<Money> charge = InterestWorking::chargeOn(r.lines, line.date);
        const auto posting =
            std::find_if(r.lines.cbegin(), r.lines.cend(), [&](const ReportLine& l) {
                return l.kind == ReportLine::Kind::Interest && l.date == line.date;
            });
        QVERIFY2(posting != r.lines.cend(), qPrintable(line.date.toString(Qt::ISODate)));
        QCOMPARE(posting->interestDue->roundedToCents()->raw(), charge->raw());
    }
    QVERIFY(charges > 0);
    for (auto it = e.balances.cbegin(); it != e.balances.cend(); ++it)
        QCOMPARE(balanceOn.value(it.key()).raw(), it.value().raw());

    // The search finds a way that matches every charge, among them the example's own.
    const LenderFit::Ranking ranking = LenderFit::rank(e.history, e.rates, QString());
    QCOMPARE(ranking.scores.value(0).matched, charges);
    const auto own = std::find_if(ranking.scores.cbegin(), ranking.scores.cend(),
                                  [&](const FitScore& s) { return s.candidate == e.basis; });
    QVERIFY(own != ranking.scores.cend());
    QCOMPARE(own->matched, charges);

    // The rate comes back from the charges, under the example's way and when every way is tried.
    const RateProposal::Proposal p = RateProposal::propose(e.history, e.basis);
    QCOMPARE(p.reproduced(), charges);
    QCOMPARE(p.periods.size(), 1);
    QCOMPARE(p.periods[0].rate, *e.rates[0].interestRate);
    const RateProposal::Ranking any = RateProposal::proposeAny(e.history, QString());
    QCOMPARE(any.ranked.value(0).reproduced, charges);
    QCOMPARE(any.best.periods.size(), 1);
}

// 6 % compounded half-yearly is 0.004938622 a month.
void TestPublished::canadianMonthlyRate() {
    const LenderConventions c{DayCount::EqualPeriods, InterestRounding::Posting,
                              Rest::postingPeriod(), Compounding::HalfYearly, 12};
    QCOMPARE(qRound64(DayInterest::dayRate(c, 6) / 1200 * 1e9), 4938622);
}

QTEST_GUILESS_MAIN(TestPublished)
#include "tst_published.moc"
