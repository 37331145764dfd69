// A complaint the lender must answer: from an account whose lender applied a rate cut 14 days
// late, the letter (read back from the .odt's content) and the evidence (through pdftotext) hold
// every raised posting's date and amounts and the total, equal to the summary's; each country's
// paragraph, and none for none; the details kept in the account; an account with no overcharge
// gives no letter and says why; a detail left blank is a placeholder, said on standard error; and
// the tool writes neither the letter, the evidence nor the printed report where it must not; the
// letter is English whatever the windows speak.
#include "complaint/Complaint.h"
#include "data/AccountConnection.h"
#include "data/Language.h"
#include "data/ProgramPaths.h"
#include "render/GridText.h"
#include "support/PlantedTargets.h"
#include "support/RateHistory.h"
#include "support/ReportRows.h"
#include "support/ReportTool.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList Stored = {"2022-01-01 2022-06-09 4.9", "2022-06-10 2024-12-31 4.5"};

// An account of 12 months whose lender applied the cut of 10 June from 24 June, or on time.
QString account(AccountFixture& fixture, bool late) {
    const QString path = fixture.newAccount();
    const QVector<RatePeriod> lender =
        ReportRows::rates({late ? "2022-01-01 2022-06-23 4.9" : "2022-01-01 2022-06-09 4.9",
                           late ? "2022-06-24 2024-12-31 4.5" : "2022-06-10 2024-12-31 4.5"});
    RateHistory::write(path, RateHistory::history(InterestMethod::VariableDay, {}, lender, 12));
    RateHistory::writeRates(path, Stored);
    return path;
}

QString output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The raised postings' cells as the letter and the evidence write them.
QStringList figures(const Complaint::Case& c) {
    const GridText grid;
    QStringList out;
    for (const Complaint::Posting& p : c.postings) {
        if (p.raised)
            out << grid.date(p.date) << grid.amount(p.charged) << grid.amount(p.due)
                << grid.amount(p.difference);
    }
    return out << grid.amount(Complaint::total(c));
}

std::optional<Complaint::Case> prepared(const QString& path) {
    AccountConnection connection;
    if (!connection.open(path))
        return std::nullopt;
    QString error;
    std::optional<AccountSnapshot> snapshot = Snapshot::read(connection.database(), &error);
    if (!snapshot)
        return std::nullopt;
    auto run =
        std::make_shared<ReportCase>(std::make_shared<const AccountSnapshot>(std::move(*snapshot)),
                                     CalculationBasis::of(InterestMethod::VariableDay));
    return Complaint::prepare(std::move(run), path, &error);
}

} // namespace

class TestComplaint : public QObject {
    Q_OBJECT

private slots:
    // The refund's interest runs at the loan's rate on each day, divided as the account's day
    // count divides it: 366.00 raised for the whole of 2024 at 10 % saves 36.60 under
    // Actual/Actual (366 days of /366), 36.70 under Actual/365. A case without a file.
    void interestSavedFollowsTheDayCount_data() {
        QTest::addColumn<int>("dayCount");
        QTest::addColumn<QString>("saved");
        QTest::newRow("Actual/365 Fixed") << int(DayCount::Actual365Fixed) << "36.70";
        QTest::newRow("Actual/Actual") << int(DayCount::ActualActual) << "36.60";
        QTest::newRow("Actual/360") << int(DayCount::Actual360) << "37.21";
        // Equal periods weigh a posting, not a day: a day is its year's share.
        QTest::newRow("Equal periods") << int(DayCount::EqualPeriods) << "36.60";
    }
    void interestSavedFollowsTheDayCount() {
        QFETCH(int, dayCount);
        QFETCH(QString, saved);
        auto snapshot = std::make_shared<AccountSnapshot>();
        snapshot->inputs.history =
            ReportRows::history({"2023-12-31 close -100000", "2024-12-31 close -100000"});
        snapshot->inputs.rates = ReportRows::rates({"2023-01-01 2024-12-31 10"});
        snapshot->terms.emplace();
        CalculationBasis basis = CalculationBasis::of(InterestMethod::VariableDay);
        basis.conventions.dayCount = DayCount(dayCount);
        Complaint::Case c;
        c.run = std::make_shared<ReportCase>(std::move(snapshot), basis);
        c.historyEnd = QDate(2024, 12, 31);
        const Money difference = *Money::parse(QStringLiteral("366"));
        Complaint::Posting raised{QDate(2023, 12, 31), difference, Money(), difference, {}, {}, true};
        c.postings << raised;
        QCOMPARE(GridText().amount(Complaint::interestSaved(c)), saved);
    }

    void letterAndEvidenceHoldTheFigures() {
        AccountFixture fixture;
        const QString path = account(fixture, true);
        {
            AccountConnection connection;
            QVERIFY(connection.open(path));
            ComplaintDetails d;
            d.borrowerName = QStringLiteral("Alex Borrower");
            d.borrowerAddress = QStringLiteral("1 Main Street\nSpringfield");
            d.accountNumber = QStringLiteral("123-456");
            d.lenderName = QStringLiteral("Example Bank");
            d.lenderAddress = QStringLiteral("PO Box 1");
            d.country = ComplaintCountry::UnitedKingdom;
            QString error;
            QVERIFY2(Complaints::writeDetails(connection.database(), d, &error), qPrintable(error));
            QCOMPARE(Complaints::readDetails(connection.database()), d);
        }
        const std::optional<Complaint::Case> c = prepared(path);
        QVERIFY(c);
        QCOMPARE(c->postings.size(), 2);
        QVERIFY(c->postings[0].explanation.contains("14 days later"));

        const QString letter = fixture.path("letter.odt");
        const QString evidence = fixture.path("evidence.pdf");
        const Run run =
            report({path, "--method", "2", "--complaint", letter, "--evidence", evidence});
        QVERIFY2(run.status == 0, qPrintable(run.err));

        const QString content = output("unzip", {"-p", letter, "content.xml"});
        QVERIFY2(!content.isEmpty(), "the letter is not an OpenDocument text");
        const QString text = QString(content).remove(QRegularExpression("<[^>]*>"));
        const QString pdf = output("pdftotext", {"-layout", evidence, "-"});
        for (const QString& figure : figures(*c)) {
            QVERIFY2(text.contains(figure), qPrintable(figure));
            QVERIFY2(pdf.contains(figure), qPrintable(figure));
        }
        QVERIFY(text.contains("Alex Borrower") && text.contains("123-456"));
        QVERIFY(text.contains("Financial Ombudsman Service"));
        QVERIFY(text.contains("evidence.pdf"));
        for (const char* heading : {"Rate periods used", "Statements", "Method and conventions",
                                    "typed from the lender's letters", "made "})
            QVERIFY2(pdf.contains(heading), heading);
    }

    void countryParagraph_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("says");
        QTest::newRow("none") << int(ComplaintCountry::None) << "";
        QTest::newRow("Australia") << int(ComplaintCountry::Australia) << "30 calendar days";
        QTest::newRow("New Zealand") << int(ComplaintCountry::NewZealand) << "Banking Ombudsman";
        QTest::newRow("United Kingdom") << int(ComplaintCountry::UnitedKingdom) << "eight weeks";
        QTest::newRow("Ireland") << int(ComplaintCountry::Ireland) << "40 business days";
        QTest::newRow("United States") << int(ComplaintCountry::UnitedStates) << "1024.35";
        QTest::newRow("Canada") << int(ComplaintCountry::Canada) << "56 days";
    }
    void countryParagraph() {
        QFETCH(int, country);
        QFETCH(QString, says);
        AccountFixture fixture;
        std::optional<Complaint::Case> c = prepared(account(fixture, true));
        QVERIFY(c);
        c->details.country = ComplaintCountry(country);
        const QString letter = Complaint::letterText(*c, QStringLiteral("evidence.pdf"));
        if (says.isEmpty()) {
            for (const char* other : {"Ombudsman", "1024.35", "calendar days", "56 days"})
                QVERIFY2(!letter.contains(other), other);
        } else {
            QVERIFY2(letter.contains(says), qPrintable(letter));
        }
    }

    void noOverchargeNoLetter() {
        AccountFixture fixture;
        const QString path = account(fixture, false);
        const QString letter = fixture.path("letter.odt");
        const Run run = report({path, "--method", "2", "--complaint", letter});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("no letter is written"), qPrintable(run.err));
        QVERIFY(!QFile::exists(letter));
    }

    // Blank details: each is a marked placeholder in the letter, and said; no empty space where
    // the name or the account number belongs.
    void blankDetailsArePlaceholders() {
        AccountFixture fixture;
        const QString path = account(fixture, true);
        const QString letter = fixture.path("letter.odt");
        const Run run = report({path, "--method", "2", "--complaint", letter});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QString text = QString(output("unzip", {"-p", letter, "content.xml"}))
                                 .remove(QRegularExpression("<[^>]*>"))
                                 .replace("&apos;", "'");
        for (const char* placeholder : {"[your name]", "[account number]", "[lender's name]"}) {
            QVERIFY2(text.contains(placeholder), placeholder);
            QVERIFY2(run.err.contains(QStringLiteral("\"%1\"").arg(placeholder)),
                     qPrintable(run.err));
        }
        const std::optional<Complaint::Case> c = prepared(path);
        QVERIFY(c);
        const QString plain = Complaint::letterText(*c, QStringLiteral("evidence.pdf"));
        QVERIFY(plain.startsWith("[your name]\n"));
        QVERIFY(plain.contains("Loan account [account number]: interest charged in error"));
        QVERIFY(plain.contains("my loan account [account number] than was due"));
        QVERIFY(plain.contains("\n[lender's name]\n"));
        QVERIFY2(plain.trimmed().endsWith("Yours faithfully,\n\n[your name]"),
                 qPrintable(plain.right(80)));
    }

    void postingsCounted_data() {
        QTest::addColumn<int>("raised");
        QTest::addColumn<QString>("says");
        QTest::newRow("one") << 1 << "On the posting below you charged";
        QTest::newRow("two") << 2 << "On the 2 postings below you charged";
    }
    void postingsCounted() {
        QFETCH(int, raised);
        QFETCH(QString, says);
        AccountFixture fixture;
        std::optional<Complaint::Case> c = prepared(account(fixture, true));
        QVERIFY(c && c->postings.size() == 2);
        c->postings[1].raised = raised == 2;
        const QString letter = Complaint::letterText(*c, QStringLiteral("evidence.pdf"));
        QVERIFY2(letter.contains(says), qPrintable(letter));
        QVERIFY(!letter.contains("1 postings"));
    }

    // Each file the tool writes, refused where it must not go: exit 2, a message, and nothing
    // written there or through it.
    void refusedTargets_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("kind");
        for (const char* option : {"--pdf", "--complaint", "--evidence"}) {
            for (const QString& kind : PlantedTargets::kinds())
                QTest::addRow("%s %s", option, qPrintable(kind)) << option << kind;
        }
    }
    void refusedTargets() {
        QFETCH(QString, option);
        QFETCH(QString, kind);
        AccountFixture fixture;
        const QString path = account(fixture, true);
        const PlantedTargets::Planted planted =
            PlantedTargets::plant(kind, fixture.path(QString()), path);
        const Run run = report({path, "--method", "2", option, planted.target});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("cannot write '%1': ").arg(planted.target)),
                 qPrintable(run.err));
        const QString changed = PlantedTargets::changed(planted);
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
    }

    // One name for the letter and the evidence: neither is written, rather than the letter lost.
    void oneNameForBoth_data() {
        QTest::addColumn<QString>("evidence");
        QTest::newRow("the same name") << "both.odt";
        QTest::newRow("through a linked folder") << "linked/both.odt";
    }
    void oneNameForBoth() {
        QFETCH(QString, evidence);
        AccountFixture fixture;
        const QString path = account(fixture, true);
        QVERIFY(QFile::link(fixture.path(QString()), fixture.path("linked")));
        const Run run = report({path, "--method", "2", "--complaint", fixture.path("both.odt"),
                                "--evidence", fixture.path(evidence)});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("names the same file"), qPrintable(run.err));
        QVERIFY(!QFile::exists(fixture.path("both.odt")));
    }

    // Under German windows the letter and its explanations are the English ones, the window's
    // German. Last: the catalogue stays installed.
    void letterInEnglishWhateverTheWindows() {
        AccountFixture fixture;
        const QString path = account(fixture, true);
        const std::optional<Complaint::Case> english = prepared(path);
        QVERIFY(english);
        const QString letter = Complaint::letterText(*english, QStringLiteral("evidence.pdf"));
        ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR));
        QCOMPARE(Language::install(*QCoreApplication::instance(), Language::Choice::German),
                 QStringLiteral("de"));
        ProgramPaths::setProgramFolder(fixture.programFolder());
        const std::optional<Complaint::Case> german = prepared(path);
        QVERIFY(german);
        QCOMPARE(Complaint::letterText(*german, QStringLiteral("evidence.pdf")), letter);
        QCOMPARE(german->explanations, english->explanations);
        QCOMPARE(german->postings[0].explanation, english->postings[0].explanation);
        // The complaint window's column says it in the windows' language.
        QVERIFY(german->postings[0].shownExplanation != english->postings[0].shownExplanation);
    }
};

QTEST_GUILESS_MAIN(TestComplaint)
#include "tst_complaint.moc"
