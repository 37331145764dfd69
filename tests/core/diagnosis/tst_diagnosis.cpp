// Naming the lender's mistake: accounts charged under each method whose charges were made with
// one mistake of each kind planted (the offset left out for eight months, a rate change applied
// 14 days late, a cut of the reference passed on 0.06 short, an interest-only rate kept five
// months, repayments credited three days late), also from the first day of a posting's period,
// are diagnosed with that kind, its span, its parameter and its amount to the cent; an honest
// account and one with a single overcharge get no explanation; the report tool's
// --diagnose.
#include "diagnosis/Diagnosis.h"
#include "diagnosis/DiagnosisText.h"
#include "engine/InterestEngine.h"
#include "reference/PassOn.h"
#include "render/GridText.h"
#include "support/RateHistory.h"
#include "support/ReportTool.h"

#include <QTest>

#include <array>
#include <functional>

using Diagnosis::Inputs;
using Diagnosis::Kind;

namespace {

QDate d(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

const QStringList Rates = {"2022-01-01 2022-06-09 4.5", "2022-06-10 2022-09-19 4.9",
                           "2022-09-20 2024-12-31 4.65"};

// 30 months from January 2022 charged honestly under `rates` and `method` (the fixed-day methods
// on the 14th, so that every method's charges fall on the 15th), but for the overcharges, which
// the later charges bear interest on; the repayments on `repaymentDay` of every month.
Inputs honest(const OffsetAccount& offset = {}, const QMap<QDate, Money>& overcharged = {},
              int method = InterestMethod::VariableDay, const QStringList& rates = Rates,
              int repaymentDay = 3) {
    Inputs in;
    in.basis =
        CalculationBasis::of(method, CalcDay::Day::fromCalcTo(RateHistory::calcToOf(method)));
    in.rates = ReportRows::rates(rates);
    in.offset = offset;
    ChargedHistory::Loan loan;
    loan.start = QDate(2022, 1, 1);
    loan.months = 30;
    loan.overcharged = overcharged;
    loan.repaymentDay = repaymentDay;
    in.history = ChargedHistory::charged(method, in.basis.day.calcTo(), {}, in.rates, loan, offset);
    return in;
}

const std::array<std::pair<int, const char*>, 4> Methods = {
    {{InterestMethod::FixedDay, "Fixed Day"},
     {InterestMethod::FixedDayDeferred, "Fixed Day Deferred"},
     {InterestMethod::VariableDay, "Variable Day"},
     {InterestMethod::VariableDayDeferred, "Variable Day Deferred"}}};

// The first day of the period of the posting of 15 July 2022 as the method counts it: the day of
// the posting before under the methods that date a posting the day after its period (the
// fixed-day ones) or post before the day's interest (Variable Day), the day after it under
// Variable Day Deferred.
QDate firstDayUnder(int method) {
    return method == InterestMethod::VariableDayDeferred ? QDate(2022, 6, 16) : QDate(2022, 6, 15);
}

// The charges made again, one after another, as the lender worked them: `lenderWay` changes
// what the lender calculated with; the account keeps what it holds.
void plant(Inputs& in, const std::function<void(Inputs&)>& lenderWay) {
    for (int i = 0; i < in.history.size(); ++i) {
        if (!in.history[i].amounts[AmountColumn::InterestPayment].money())
            continue;
        Inputs lender = in;
        lenderWay(lender);
        const InterestEngine::Result r =
            InterestEngine::calculate(lender.history, lender.rates, lender.basis, lender.offset,
                                      InterestEngine::Output::Postings);
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

// The value of the foot's line `label`.
QString footOf(const WorkingRendering::Table& t, const char* label) {
    for (const auto& [name, value] : t.foot) {
        if (name == QLatin1String(label))
            return value;
    }
    return QStringLiteral("(no %1)").arg(QLatin1String(label));
}

} // namespace

class TestDiagnosis : public QObject {
    Q_OBJECT

private slots:
    void namesThePlantedMistake_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("planted");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("parameter");
        for (const auto& [method, name] : Methods) {
            const auto row = [&](const char* what) {
                return &(QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name, what)))
                         << method);
            };
            *row("offset left out for eight months")
                << 0 << int(Kind::OffsetNotCounted) << "2022-06-16";
            *row("a rate change applied 14 days late") << 1 << int(Kind::RateChangeMoved) << "14";
            *row("a cut of the reference passed on 0.06 short")
                << 2 << int(Kind::ReferenceNotPassedOn) << "2022-09-07 short 0.06";
            *row("an interest-only rate kept five months")
                << 3 << int(Kind::RateKept) << "2022-06-10";
            *row("repayments credited three days late") << 4 << int(Kind::CreditsLate) << "3";
            *row("366 days in leap years") << 5 << int(Kind::DayCount) << "actact day4";
        }
    }
    void namesThePlantedMistake() {
        QFETCH(int, method);
        QFETCH(int, planted);
        Inputs in = honest(planted == 0 ? offsetOf(60000) : OffsetAccount(), {}, method);
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
                leap.basis.conventions.dayCount = DayCount::ActualActual;
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

    // Each mistake planted from the first day of a posting's period, as the method counts it:
    // the trials reach that day, so the span starts with that posting.
    void namesTheMistakeFromThePeriodsFirstDay_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<QDate>("firstDay");
        QTest::addColumn<int>("planted");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("postings");
        for (const auto& [method, name] : Methods) {
            const QDate first = firstDayUnder(method);
            const auto row = [&](const char* what) {
                return &(QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name, what)))
                         << method << first);
            };
            *row("offset left out for eight postings") << 0 << int(Kind::OffsetNotCounted) << 8;
            *row("a rate kept five postings past its end") << 1 << int(Kind::RateKept) << 5;
            *row("six repayments credited three days late") << 2 << int(Kind::CreditsLate) << 6;
        }
    }
    void namesTheMistakeFromThePeriodsFirstDay() {
        QFETCH(int, method);
        QFETCH(QDate, firstDay);
        QFETCH(int, planted);
        const QString before = firstDay.addDays(-1).toString(Qt::ISODate);
        const QString on = firstDay.toString(Qt::ISODate);
        // A rise from the first day, so that the rate the lender kept ends on it.
        const QStringList rates = {"2022-01-01 " + before + " 4.5", on + " 2024-12-31 4.9"};
        Inputs in = honest(planted == 0 ? offsetOf(60000) : OffsetAccount(), {}, method, rates,
                           planted == 2 ? firstDay.day() : 3);
        QString parameter;
        switch (planted) {
        case 0:
            parameter = on;
            plant(in, [&](Inputs& l) {
                l.offset.balances << OffsetBalance{2, firstDay, Money()}
                                  << OffsetBalance{3, firstDay.addMonths(8),
                                                   Money::fromRaw(60000 * Money::Scale)};
            });
            break;
        case 1:
            parameter = on;
            plant(in, [&](Inputs& l) {
                l.rates = ReportRows::rates(
                    {"2022-01-01 " + firstDay.addMonths(5).addDays(-1).toString(Qt::ISODate) +
                         " 4.5",
                     firstDay.addMonths(5).toString(Qt::ISODate) + " 2024-12-31 4.9"});
            });
            break;
        case 2:
            parameter = QStringLiteral("3");
            plant(in, [&](Inputs& l) {
                for (HistoryRow& row : l.history) {
                    if (row.date >= firstDay && row.date < firstDay.addMonths(6) &&
                        row.amounts[AmountColumn::Deposit].money())
                        row.date = row.date.addDays(3);
                }
                // Credited after the day's charge: the walk takes the rows in date order.
                std::stable_sort(
                    l.history.begin(), l.history.end(),
                    [](const HistoryRow& a, const HistoryRow& b) { return a.date < b.date; });
            });
            break;
        }
        const Expected expected = differing(in);
        QTEST(expected.postings, "postings");
        QCOMPARE(expected.from, QDate(2022, 7, 15));
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        QCOMPARE(r.explanations.size(), 1);
        const Diagnosis::Explanation& e = r.explanations.first();
        QTEST(int(e.mistake.kind), "kind");
        QCOMPARE(Diagnosis::parameter(e.mistake), parameter);
        QCOMPARE(e.from, expected.from);
        QCOMPARE(e.to, expected.to);
        QCOMPARE(e.postings, expected.postings);
        QCOMPARE(e.amount, expected.amount);
        QVERIFY(r.unexplained.isEmpty());
    }

    // Show Working of the Explanation on an offset left out from a period's first day: a table
    // for every posting of the span, the charge under the explanation beside the lender's own,
    // and "equal" only where they are.
    void workingOfTheExplanation_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<QDate>("firstDay");
        for (const auto& [method, name] : Methods)
            QTest::newRow(name) << method << firstDayUnder(method);
    }
    void workingOfTheExplanation() {
        QFETCH(int, method);
        QFETCH(QDate, firstDay);
        Inputs in = honest(offsetOf(60000), {}, method);
        plant(in, [&](Inputs& l) {
            l.offset.balances << OffsetBalance{2, firstDay, Money()}
                              << OffsetBalance{3, firstDay.addMonths(8),
                                               Money::fromRaw(60000 * Money::Scale)};
        });
        const Diagnosis::Result r = Diagnosis::diagnose(in);
        QCOMPARE(r.explanations.size(), 1);
        const Diagnosis::Explanation& e = r.explanations.first();
        Money due, charged;
        for (const InterestSummary::Posting& p : Diagnosis::postings(in)) {
            if (p.date >= e.from && p.date <= e.to) {
                due = *Money::add(due, p.due);
                charged = *Money::add(charged, p.charged);
            }
        }
        const GridText grid;
        const QString totals = QStringLiteral("Over the span's 8 postings: interest due %1, "
                                              "charges under the explanation %2, the lender's "
                                              "charges %2.")
                                   .arg(grid.amount(due), grid.amount(charged));

        const QVector<WorkingRendering::Table> tables = DiagnosisText::workingTables(in, e);
        QCOMPARE(tables.size(), 8);
        for (const WorkingRendering::Table& t : tables) {
            QCOMPARE(footOf(t, "Charge under the explanation:"),
                     footOf(t, "Lender's charge (Int Charge):"));
            QCOMPARE(
                t.notes.value(0),
                QStringLiteral("The charge under the explanation equals the lender's charge."));
            QCOMPARE(t.about.value(1), totals);
            QCOMPARE(t.about.value(2),
                     QStringLiteral("The charges under the explanation equal the lender's "
                                    "charges."));
        }
        QCOMPARE(tables.first().rows.first().first(), grid.date(firstDay));
        QVERIFY(DiagnosisText::workingText(in, e).contains(totals));

        // The offset counted on the first day after all: the first posting's charge under it is
        // less than the lender's, and neither it nor the span is said to equal.
        Diagnosis::Explanation wrong = e;
        wrong.tried.from = firstDay.addDays(1);
        const QVector<WorkingRendering::Table> off = DiagnosisText::workingTables(in, wrong);
        QCOMPARE(off.size(), 8);
        QVERIFY2(off.first().notes.value(0).contains(" less than the lender's charge."),
                 qPrintable(off.first().notes.value(0)));
        QVERIFY2(off.first().about.value(2).contains(" less than the lender's charges."),
                 qPrintable(off.first().about.value(2)));
        QCOMPARE(off.last().notes.value(0), tables.last().notes.value(0));
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
