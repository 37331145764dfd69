// Naming the lender's mistake: accounts whose charges were made with one mistake of each kind
// planted (the offset left out for eight months, a rate change applied 14 days late, a cut of the
// reference passed on 0.06 short, an interest-only rate kept five months, repayments credited
// three days late) are diagnosed with that kind, its span, its parameter and its amount to the
// cent; an honest account and one with a single overcharge get no explanation; the report tool's
// --diagnose.
#include "diagnosis/Diagnosis.h"
#include "diagnosis/DiagnosisText.h"
#include "reference/PassOn.h"
#include "support/RateHistory.h"
#include "support/ReportTool.h"

#include <QTest>

#include <functional>

using Diagnosis::Inputs;
using Diagnosis::Kind;

namespace {

QDate d(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

const QStringList Rates = {"2022-01-01 2022-06-09 4.5", "2022-06-10 2022-09-19 4.9",
                           "2022-09-20 2024-12-31 4.65"};

// 30 months from January 2022 charged honestly under Rates, Variable Day (but for the
// overcharges, which the later charges bear interest on).
Inputs honest(const OffsetAccount& offset = {}, const QMap<QDate, Money>& overcharged = {}) {
    Inputs in;
    in.method = InterestMethod::VariableDay;
    in.rates = ReportRows::rates(Rates);
    in.offset = offset;
    ChargedHistory::Loan loan;
    loan.start = QDate(2022, 1, 1);
    loan.months = 30;
    loan.overcharged = overcharged;
    in.history = ChargedHistory::charged(in.method, QString(), {}, in.rates, loan, offset);
    return in;
}

// The charges made again, one after another, as the lender worked them: `lenderWay` changes
// what the lender calculated with; the account keeps what it holds.
void plant(Inputs& in, const std::function<void(Inputs&)>& lenderWay) {
    for (int i = 0; i < in.history.size(); ++i) {
        if (!in.history[i].amounts[AmountColumn::InterestPayment].money())
            continue;
        Inputs lender = in;
        lenderWay(lender);
        const InterestEngine::Result r = InterestEngine::calculate(
            lender.history, lender.rates, lender.method, lender.fixedDay, lender.conventions,
            lender.offset, InterestEngine::Output::Postings);
        for (const ReportLine& line : r.lines) {
            if (line.kind == ReportLine::Kind::Interest && line.date == in.history[i].date)
                in.history[i].amounts[AmountColumn::InterestPayment] =
                    StoredMoney::of(*line.interestDue->roundedToCents());
        }
    }
}

OffsetAccount offsetOf(qint64 units) {
    OffsetAccount offset;
    offset.enabled = true;
    offset.balances << OffsetBalance{1, d("2022-01-01"), Money::fromRaw(units * Money::Scale)};
    return offset;
}

// The postings that differ under the account's own inputs: the span any explanation must name.
struct Expected {
    QDate from;
    QDate to;
    int postings = 0;
    Money amount;
};
Expected differing(const Inputs& in) {
    Expected e;
    for (const InterestSummary::Posting& p : Diagnosis::postings(in)) {
        if (!p.comparable() || p.difference.isZero())
            continue;
        if (!e.from.isValid())
            e.from = p.date;
        e.to = p.date;
        ++e.postings;
        e.amount = *Money::add(e.amount, p.difference);
    }
    return e;
}

} // namespace

class TestDiagnosis : public QObject {
    Q_OBJECT

private slots:
    void namesThePlantedMistake_data() {
        QTest::addColumn<int>("planted");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("parameter");
        QTest::newRow("offset left out for eight months")
            << 0 << int(Kind::OffsetNotCounted) << "2022-06-16";
        QTest::newRow("a rate change applied 14 days late")
            << 1 << int(Kind::RateChangeMoved) << "14";
        QTest::newRow("a cut of the reference passed on 0.06 short")
            << 2 << int(Kind::ReferenceNotPassedOn) << "2022-09-07 short 0.06";
        QTest::newRow("an interest-only rate kept five months")
            << 3 << int(Kind::RateKept) << "2022-06-10";
        QTest::newRow("repayments credited three days late") << 4 << int(Kind::CreditsLate) << "3";
        QTest::newRow("366 days in leap years") << 5 << int(Kind::DayCount) << "actact day4";
    }
    void namesThePlantedMistake() {
        QFETCH(int, planted);
        Inputs in = honest(planted == 0 ? offsetOf(60000) : OffsetAccount());
        switch (planted) {
        case 0: // no offset from 16 June 2022 to 15 February 2023
            plant(in, [](Inputs& l) {
                l.offset.balances << OffsetBalance{2, d("2022-06-16"), Money()}
                                  << OffsetBalance{3, d("2023-02-16"),
                                                   Money::fromRaw(60000 * Money::Scale)};
            });
            break;
        case 1: // the rise of 10 June applied from 24 June
            plant(in, [](Inputs& l) {
                l.rates =
                    ReportRows::rates({"2022-01-01 2022-06-23 4.5", "2022-06-24 2022-09-19 4.9",
                                       "2022-09-20 2024-12-31 4.65"});
            });
            break;
        case 2: { // the cash rate's cut of 7 September answered on 20 September by 0.19, not 0.25
            Diagnosis::Reference ref;
            ref.series.key = QStringLiteral("cash");
            ref.series.name = QStringLiteral("Cash rate");
            ref.series.changes = {{d("2021-11-03"), *Rate::parse(u"2.1")},
                                  {d("2022-06-08"), *Rate::parse(u"2.5")},
                                  {d("2022-09-07"), *Rate::parse(u"2.25")}};
            ref.from = d("2022-01-01");
            in.references << ref;
            plant(in, [](Inputs& l) {
                l.rates =
                    ReportRows::rates({"2022-01-01 2022-06-09 4.5", "2022-06-10 2022-09-19 4.9",
                                       "2022-09-20 2024-12-31 4.71"});
            });
            break;
        }
        case 3: // the rate of 4.5 kept from 10 June to 19 September (five postings)
            plant(in, [](Inputs& l) {
                l.rates =
                    ReportRows::rates({"2022-01-01 2022-09-19 4.5", "2022-09-20 2024-12-31 4.65"});
            });
            break;
        case 4: // the repayments of April to September 2023 credited on the 6th, not the 3rd
            plant(in, [](Inputs& l) {
                for (HistoryRow& row : l.history) {
                    if (row.date >= d("2023-04-01") && row.date <= d("2023-09-30") &&
                        row.amounts[AmountColumn::Deposit].money())
                        row.date = row.date.addDays(3);
                }
            });
            break;
        case 5: // Actual/Actual through 2024 only
            plant(in, [](Inputs& l) {
                Inputs leap = l;
                leap.conventions.dayCount = DayCount::ActualActual;
                l = leap;
            });
            break;
        }
        const Expected expected = differing(in);
        QVERIFY(expected.postings >= 2);
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        QCOMPARE(r.explanations.size(), 1);
        const Diagnosis::Explanation& e = r.explanations.first();
        QTEST(int(e.mistake.kind), "kind");
        QTEST(Diagnosis::parameter(e.mistake), "parameter");
        QCOMPARE(e.from, expected.from);
        QCOMPARE(e.to, expected.to);
        QCOMPARE(e.postings, expected.postings);
        QCOMPARE(e.amount, expected.amount);
        QVERIFY(r.unexplained.isEmpty());
        QVERIFY(DiagnosisText::sentence(e).startsWith("From "));
    }

    void honestAccountsAreNotExplained_data() {
        QTest::addColumn<bool>("overcharge");
        QTest::newRow("honest") << false;
        QTest::newRow("one overcharge") << true;
    }
    void honestAccountsAreNotExplained() {
        QFETCH(bool, overcharge);
        QMap<QDate, Money> overcharged;
        if (overcharge)
            overcharged.insert(d("2023-03-15"), Money::fromRaw(4321 * 100));
        const Inputs in = honest({}, overcharged);
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        QVERIFY(r.explanations.isEmpty());
        QCOMPARE(r.unexplained.size(), overcharge ? 1 : 0);
        QCOMPARE(DiagnosisText::lines(r),
                 overcharge ? QStringList{DiagnosisText::unexplained(d("2023-03-15"))}
                            : QStringList());
    }

    void reportToolDiagnoses() {
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        Inputs in = honest();
        plant(in, [](Inputs& l) {
            l.rates = ReportRows::rates({"2022-01-01 2022-06-23 4.5", "2022-06-24 2022-09-19 4.9",
                                         "2022-09-20 2024-12-31 4.65"});
        });
        RateHistory::write(path, in.history);
        RateHistory::writeRates(path, Rates);
        const Run csv = report({path, "--method", "2", "--diagnose", "--format", "csv"});
        QCOMPARE(csv.status, 0);
        const Expected e = differing(in);
        QCOMPARE(csv.out, QStringLiteral("explanation,from,to,postings,parameter,amount\n"
                                         "rate-change-moved,%1,%2,%3,14,%4\n")
                              .arg(e.from.toString(Qt::ISODate), e.to.toString(Qt::ISODate))
                              .arg(e.postings)
                              .arg(e.amount.toPlainText()));
        const Run text = report({path, "--method", "2", "--diagnose"});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.out.contains("applied 14 days later"), qPrintable(text.out));
    }
};

QTEST_GUILESS_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
