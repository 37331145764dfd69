// One run of the report, as the report window, the report tool and the complaint take it: the
// rates it runs under (stored, owed covering the history, owed falling short), a setting that
// does not read said once whichever way the run is asked for, and the pass-on and the diagnosis
// of an account whose terms hold the lender's variable rate.
#include "data/AccountConnection.h"
#include "run/ReportCase.h"
#include "support/ChargedAccount.h"
#include "support/RateHistory.h"
#include "support/ReportRows.h"
#include "support/ReportTool.h"

#include <QTest>

namespace {

QDate d(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

Rate r(const char* text) {
    return *Rate::parse(QString::fromLatin1(text));
}

// A cash rate and the lender's variable rate against it, the May rise passed on 16 days late.
const QStringList Lender = {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25",
                            "2022-06-08 2024-12-31 4.75"};

ReferenceSeries cash() {
    ReferenceSeries s;
    s.key = s.name = QStringLiteral("cash");
    s.changes << SeriesChange{d("2021-11-03"), r("0.1")} << SeriesChange{d("2022-05-04"), r("0.35")}
              << SeriesChange{d("2022-06-08"), r("0.85")};
    return s;
}

// 30 months charged under the lender's rates, with `terms` held.
std::shared_ptr<const AccountSnapshot> snapshot(const QVector<RateTerms::Period>& terms) {
    auto s = std::make_shared<AccountSnapshot>();
    s->inputs.rates = ReportRows::rates(Lender);
    s->inputs.history = RateHistory::history(InterestMethod::VariableDay, {}, s->inputs.rates);
    s->terms.emplace();
    s->terms->terms = terms;
    s->terms->series.insert(QStringLiteral("cash"), cash());
    return s;
}

RateTerms::Period fixed(const char* from, const char* rate) {
    RateTerms::Period p;
    p.from = d(from);
    p.kind = RateTerms::Kind::Fixed;
    p.rate = r(rate);
    return p;
}

RateTerms::Period variable() {
    RateTerms::Period p;
    p.from = d("2022-01-01");
    p.kind = RateTerms::Kind::Variable;
    p.series = QStringLiteral("cash");
    return p;
}

CalculationBasis owed() {
    CalculationBasis b = CalculationBasis::of(InterestMethod::VariableDay);
    b.rates = RateSource::Owed;
    return b;
}

} // namespace

class TestReportCase : public QObject {
    Q_OBJECT

private slots:
    void storedRatesAreTheEngines() {
        const auto s = snapshot({});
        const CalculationBasis basis = CalculationBasis::of(InterestMethod::VariableDay);
        ReportCase run(s, basis);
        const InterestEngine::Result direct =
            InterestEngine::calculate(s->inputs.history, s->inputs.rates, basis);
        QCOMPARE(ReportRows::lines(run.lines()), ReportRows::lines(direct.lines));
        QCOMPARE(run.rates().size(), s->inputs.rates.size());
        QVERIFY(!run.basis().owedRates());
        QVERIFY(run.shownBasis(QString()).ratesNote.isEmpty());
        QCOMPARE(run.working().postings.size(), 30);
        QVERIFY(run.summary().has_value());
    }

    void owedRates_data() {
        QTest::addColumn<QVector<RateTerms::Period>>("terms");
        QTest::addColumn<bool>("owedStandIn");
        QTest::addColumn<QString>("lastNotice");
        QTest::newRow("covering") << QVector<RateTerms::Period>{fixed("2022-01-01", "5")} << true
                                  << QString();
        QTest::newRow("from a later day")
            << QVector<RateTerms::Period>{fixed("2023-01-01", "5")} << false
            << TermsCheck::refusalNotice(TermsCheck::OwedRates::Refusal::NotCovering);
        QTest::newRow("no terms") << QVector<RateTerms::Period>{} << false
                                  << TermsCheck::refusalNotice(
                                         TermsCheck::OwedRates::Refusal::NoTerms);
    }

    // Owed rates that cover the history stand in for the stored ones; others leave the stored
    // rates in place, and the run says why.
    void owedRates() {
        QFETCH(QVector<RateTerms::Period>, terms);
        QFETCH(bool, owedStandIn);
        QFETCH(QString, lastNotice);
        ReportCase run(snapshot(terms), owed());
        QCOMPARE(run.basis().owedRates(), owedStandIn);
        QCOMPARE(run.owedFellBack(), !owedStandIn);
        QCOMPARE(run.owedNotices().value(run.owedNotices().size() - 1), lastNotice);
        if (owedStandIn) {
            QCOMPARE(run.rates().size(), 1);
            QCOMPARE(*run.rates().first().interestRate, r("5"));
            QCOMPARE(run.shownBasis(QString()).ratesNote,
                     QString::fromLatin1(TermsCheck::OwedNote));
            QCOMPARE(run.diagnosisInputs()->rates.size(), 1);
        } else {
            QCOMPARE(run.rates().size(), ReportRows::rates(Lender).size());
        }
    }

    // Variable terms against a series the account holds: the lender's late rise is in the
    // pass-on, and the diagnosis has the series to try.
    void passOnAndDiagnosisWithVariableTerms() {
        ReportCase run(snapshot({variable()}), CalculationBasis::of(InterestMethod::VariableDay));
        QCOMPARE(run.passOn().size(), 1);
        QVERIFY(!run.passOn().first().table.rows.isEmpty());
        QVERIFY(run.diagnosisInputs().has_value());
        QCOMPARE(run.diagnosisInputs()->references.size(), 1);
        QCOMPARE(run.diagnosis().differing, 0); // the lender charged its own rates honestly

        // Under owed rates the pass-on is not asked.
        ReportCase underOwed(snapshot({variable()}), owed());
        QVERIFY(underOwed.passOn().isEmpty());
    }

    // A setting that does not read is said once, by the snapshot, whichever mode runs.
    void settingThatDoesNotReadIsSaidOnce_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("report") << QStringList{};
        QTest::newRow("summary") << QStringList{"--summary"};
        QTest::newRow("diagnose") << QStringList{"--diagnose"};
    }
    void settingThatDoesNotReadIsSaidOnce() {
        QFETCH(QStringList, args);
        AccountFixture fixture;
        const QString account = fixture.newAccount();
        ChargedAccount::write(account,
                              ChargedAccount::history(InterestMethod::VariableDay, QString(), {}));
        AccountFixture::exec(account,
                             "insert into tblSettings (Name, Value) values ('DayCount', 'act364')");
        AccountConnection connection;
        QVERIFY(connection.open(account));
        QString error;
        const std::optional<AccountSnapshot> s = Snapshot::read(connection.database(), &error);
        QVERIFY2(s, qPrintable(error));
        QCOMPARE(s->inputs.notices.size(), 1);
        const QString notice = s->inputs.notices.first();
        QVERIFY2(notice.contains("act364"), qPrintable(notice));
        const Run tool = report(QStringList{account, "--method", "2"} + args);
        QCOMPARE(tool.status, 0);
        QCOMPARE(tool.err.count(notice), 1);
    }
};

QTEST_GUILESS_MAIN(TestReportCase)
#include "tst_reportcase.moc"
