#include "Complaint.h"

#include "data/Language.h"
#include "data/OutputFile.h"
#include "diagnosis/DiagnosisText.h"
#include "engine/DayInterest.h"
#include "reference/TermsCheck.h"
#include "render/GridText.h"
#include "render/PrintedReport.h"
#include "render/RateProposalRendering.h"
#include "render/ReferenceRendering.h"
#include "render/RepaymentRendering.h"
#include "render/ReportTable.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

#include <memory>

namespace Complaint {

namespace {

// What explains the posting of `date`, where an explanation's span holds it.
QString explanationOf(const Diagnosis::Result& r, const QDate& date) {
    for (const Diagnosis::Explanation& e : r.explanations) {
        if (date >= e.from && date <= e.to)
            return DiagnosisText::mistakeText(e.mistake);
    }
    return QString();
}

// Where each rate period came from.
QStringList sourcesOf(const QStringList& proposed, const QVector<RatePeriod>& rates, bool owed) {
    QStringList sources;
    for (const RatePeriod& p : rates)
        sources << (owed ? QStringLiteral("owed under the rate terms")
                    : proposed.contains(QString::number(p.id))
                        ? QStringLiteral("proposed from the lender's charges")
                        : QStringLiteral("typed from the lender's letters"));
    return sources;
}

// Each statement: its number, closing date and balances, from the balance rows that open the
// history and close each statement.
QVector<QStringList> statementsOf(const QVector<HistoryRow>& history, const QVector<int>& numbers) {
    const GridText grid;
    QVector<const HistoryRow*> balances;
    for (const HistoryRow& row : history) {
        if (row.date.isValid() && row.closeBalance.money() && !row.closeBalance.money()->isZero())
            balances << &row;
    }
    QVector<QStringList> rows = {{QStringLiteral("Statement"), QStringLiteral("Closing date"),
                                  QStringLiteral("Opening balance"),
                                  QStringLiteral("Closing balance")}};
    // Numbers pair with the statements when there is one a statement.
    const bool paired = numbers.size() == balances.size() - 1;
    for (int i = 1; i < balances.size(); ++i)
        rows << QStringList{paired ? QString::number(numbers[i - 1]) : QString(),
                            grid.date(balances[i]->date),
                            grid.amount(*balances[i - 1]->closeBalance.money()),
                            grid.amount(*balances[i]->closeBalance.money())};
    return rows;
}

// The interest `amount` would have borne from `from` to `to` at the rates in force each day,
// each year's days divided as the day count divides that year's.
double interestOn(Money amount, const QVector<RatePeriod>& rates, DayCount dayCount,
                  const QDate& from, const QDate& to) {
    double sum = 0;
    for (const RatePeriod& p : rates) {
        if (!p.interestRate || !p.validFrom.isValid() || !p.validTo.isValid())
            continue;
        const QDate last = std::min(to, p.validTo);
        for (QDate a = std::max(from, p.validFrom); a <= last;) {
            const QDate b = std::min(last, QDate(a.year(), 12, 31));
            // Equal periods weigh postings, not days: over whole years each day is its year's
            // share, as under Actual/Actual.
            const double divisor = DayInterest::divisor(
                dayCount == DayCount::EqualPeriods ? DayCount::ActualActual : dayCount,
                QDate::isLeapYear(a.year()));
            sum += amount.toDouble() * p.interestRate->percent() / 100 / divisor *
                   double(a.daysTo(b) + 1);
            a = b.addDays(1);
        }
    }
    return sum;
}

void addParagraph(QTextCursor& cursor, const QString& text, bool bold = false) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor.insertBlock();
    cursor.insertText(text, format);
}

void addTextTable(QTextCursor& cursor, const QVector<QStringList>& rows) {
    cursor.insertBlock();
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setBorder(0.5);
    format.setHeaderRowCount(1);
    const int columns = rows.isEmpty() ? 0 : int(rows.first().size());
    QTextTable* table = cursor.insertTable(int(rows.size()), columns, format);
    for (int r = 0; r < rows.size(); ++r) {
        for (int col = 0; col < columns; ++col)
            table->cellAt(r, col).firstCursorPosition().insertText(rows[r].value(col));
    }
    cursor.movePosition(QTextCursor::End);
}

void addTable(QTextCursor& cursor, const Case& c) {
    const GridText grid;
    QVector<QStringList> rows = {{QStringLiteral("Date"), QStringLiteral("Charged"),
                                  QStringLiteral("Due"), QStringLiteral("Difference"),
                                  QStringLiteral("Explanation")}};
    for (const Posting& p : c.postings) {
        if (p.raised)
            rows << QStringList{grid.date(p.date), grid.amount(p.charged), grid.amount(p.due),
                                grid.amount(p.difference), p.explanation};
    }
    rows << QStringList{QStringLiteral("Total"), QString(), QString(), grid.amount(total(c)),
                        QString()};
    addTextTable(cursor, rows);
}

// What the letter complains of, for its subject line.
QString subjectOf(const Case& c) {
    const bool interest = !total(c).isZero();
    const bool repayment = !c.run->repayments().findings.isEmpty();
    if (interest && repayment)
        return QStringLiteral("interest charged and repayment set");
    return repayment ? QStringLiteral("repayment set") : QStringLiteral("interest charged");
}

void addInterest(QTextCursor& cursor, const Case& c, const ComplaintDetails& d) {
    const GridText grid;
    int raised = 0;
    for (const Posting& p : c.postings)
        raised += p.raised ? 1 : 0;
    addParagraph(
        cursor,
        QStringLiteral("I complain that you charged more interest on my loan account %1 than was "
                       "due under its terms. I have worked out the interest due day by day from "
                       "the account's statements, %2. %3 you charged %4 more than was due.")
            .arg(d.accountNumber,
                 c.run->basis().owedRates() ? QStringLiteral("at the rates the loan's terms owe")
                                            : QStringLiteral("at the interest rates that applied"),
                 raised == 1 ? QStringLiteral("On the posting below")
                             : QStringLiteral("On the %1 postings below").arg(raised),
                 grid.amount(total(c))));
    addTable(cursor, c);
    addParagraph(cursor, QString());
    const Money saved = interestSaved(c);
    addParagraph(cursor,
                 QStringLiteral("I ask you to refund %1, together with the interest it would have "
                                "saved me at the loan's rates from each charge to %2 (%3): %4 "
                                "in all, and to correct the loan's balance accordingly.")
                     .arg(grid.amount(total(c)), grid.date(c.historyEnd), grid.amount(saved),
                          grid.amount(Money::add(total(c), saved).value_or(total(c)))));
}

// The repayments that fall short of the terms': what happened after each change, the table of
// the repayments short, and what is asked; the UK's own wording of underfunding where it applies.
void addRepayments(QTextCursor& cursor, const Case& c, const ComplaintDetails& d, bool also) {
    const RepaymentCheck::Result& r = c.run->repayments();
    addParagraph(cursor, QString());
    addParagraph(cursor, also ? QStringLiteral("I also complain that the repayment you set does "
                                               "not repay the loan within its term.")
                              : QStringLiteral("I complain that the repayment you set on my loan "
                                               "account %1 does not repay the loan within its "
                                               "term.")
                                    .arg(d.accountNumber));
    for (const RepaymentCheck::Finding& f : r.findings)
        addParagraph(cursor, RepaymentRendering::sentence(f));
    QVector<QStringList> rows = {RepaymentRendering::headings()};
    const QVector<QStringList> all = RepaymentRendering::rows(r);
    const Money tolerance = RepaymentCheck::tolerance(c.run->snapshot().repaymentTerms.rounding);
    for (qsizetype i = 0; i < r.rows.size() && i < all.size(); ++i)
        if (r.rows[i].shortfall && *r.rows[i].shortfall > tolerance)
            rows << all[i];
    addTextTable(cursor, rows);
    addParagraph(cursor, QString());
    addParagraph(cursor, d.country == ComplaintCountry::UnitedKingdom
                             ? RepaymentRendering::underfundedWording()
                             : QStringLiteral("I ask you to recalculate the repayment over the "
                                              "remaining term as the loan's terms require, to "
                                              "tell me the shortfall it has left, and to put it "
                                              "right without cost to me."));
}

// The addresses, the date, the subject and the greeting.
void addHead(QTextCursor& cursor, const ComplaintDetails& d, const QString& subject) {
    cursor.insertText(d.borrowerName);
    for (const QString& line : d.borrowerAddress.split(QLatin1Char('\n')))
        addParagraph(cursor, line);
    addParagraph(cursor, QString());
    addParagraph(cursor, QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    addParagraph(cursor, QString());
    addParagraph(cursor, d.lenderName);
    for (const QString& line : d.lenderAddress.split(QLatin1Char('\n')))
        addParagraph(cursor, line);
    addParagraph(cursor, QString());
    addParagraph(cursor, subject, true);
    addParagraph(cursor, QString());
    addParagraph(cursor, QStringLiteral("Dear Sir or Madam,"));
    addParagraph(cursor, QString());
}

// What the evidence holds, for the enclosures.
QString enclosed(const QVector<Part>& parts, const QString& evidenceName) {
    bool passOn = false;
    bool repayments = false;
    for (const Part& p : parts) {
        passOn = passOn || !p.c->passOnText.isEmpty();
        repayments = repayments || !p.c->run->repayments().findings.isEmpty();
    }
    return QStringLiteral("1. %1: %2the summary of the interest charged and due, the report, "
                          "the working of each posting raised, the rate periods used and "
                          "where each came from%3%4, the list of statements, and the method "
                          "and conventions of the calculation.")
        .arg(evidenceName,
             parts.size() > 1 ? QStringLiteral("for each part of the loan, ") : QString(),
             passOn ? QStringLiteral(", the changes of the reference rate passed on") : QString(),
             repayments ? QStringLiteral(", the repayments taken beside those the terms require")
                        : QString());
}

std::unique_ptr<QTextDocument> letter(const QVector<Part>& parts, const QStringList& acrossParts,
                                      const QString& evidenceName) {
    const Language::EnglishScope english;
    // A detail left blank is a marked placeholder to fill in, never an empty space.
    const ComplaintDetails d = Complaints::withPlaceholders(parts.first().c->details);
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor cursor(doc.get());
    const QString subject =
        parts.size() == 1
            ? QStringLiteral("Loan account %1: %2 in error")
                  .arg(d.accountNumber, subjectOf(*parts.first().c))
            : QStringLiteral("My loan's %1 parts: interest and repayments in error")
                  .arg(parts.size());
    addHead(cursor, d, subject);
    for (const QString& finding : acrossParts)
        addParagraph(cursor, finding);
    for (const Part& part : parts) {
        const Case& c = *part.c;
        const ComplaintDetails own = Complaints::withPlaceholders(c.details);
        // A part raised only by what was found across the parts has no section of its own.
        if (total(c).isZero() && c.run->repayments().findings.isEmpty())
            continue;
        if (!part.name.isEmpty()) {
            addParagraph(cursor, QString());
            addParagraph(cursor,
                         QStringLiteral("%1 (loan account %2)").arg(part.name, own.accountNumber),
                         true);
        }
        if (!total(c).isZero())
            addInterest(cursor, c, own);
        if (!c.run->repayments().findings.isEmpty())
            addRepayments(cursor, c, own, !total(c).isZero());
    }
    if (const QString paragraph = Complaints::countryParagraph(d.country); !paragraph.isEmpty()) {
        addParagraph(cursor, QString());
        addParagraph(cursor, paragraph);
    }
    addParagraph(cursor, QString());
    addParagraph(cursor, QStringLiteral("Enclosures:"));
    addParagraph(cursor, enclosed(parts, evidenceName));
    addParagraph(cursor, QString());
    addParagraph(cursor, QStringLiteral("Yours faithfully,"));
    addParagraph(cursor, QString());
    addParagraph(cursor, d.borrowerName);
    return doc;
}

QVector<PrintedReport::Content::TextPage> appendix(const Case& c) {
    const GridText grid;
    QVector<PrintedReport::Content::TextPage> pages;
    QVector<QStringList> rates = {{QStringLiteral("From"), QStringLiteral("To"),
                                   QStringLiteral("Rate"), QStringLiteral("Where it came from")}};
    for (int i = 0; i < c.run->rates().size(); ++i) {
        const RatePeriod& p = c.run->rates()[i];
        rates << QStringList{grid.date(p.validFrom), grid.date(p.validTo),
                             p.interestRate ? p.interestRate->columnText() + QStringLiteral(" %")
                                            : QString(),
                             c.rateSources.value(i)};
    }
    QStringList rateLines = alignedTable(rates, [](qsizetype col) {
                                return col == 2;
                            }).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (c.rateSources.contains(QStringLiteral("proposed from the lender's charges")))
        rateLines << QString() << QString::fromLatin1(RateProposalRendering::Caution);
    pages << PrintedReport::Content::TextPage{QStringLiteral("Rate periods used"), rateLines};
    if (!c.passOnText.isEmpty())
        pages << PrintedReport::Content::TextPage{
            QStringLiteral("Changes of the reference passed on"),
            c.passOnText.split(QLatin1Char('\n'))};
    if (!c.run->repayments().findings.isEmpty())
        pages << PrintedReport::Content::TextPage{
            QStringLiteral("Repayments taken and required"),
            RepaymentRendering::text(c.run->repayments(), c.run->snapshot().repaymentTerms.stated)
                .split(QLatin1Char('\n'))};
    pages << PrintedReport::Content::TextPage{
        QStringLiteral("Statements"),
        c.statements.size() > 1
            ? alignedTable(c.statements).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            : QStringList{QStringLiteral("The account holds no statement's closing balance.")}};
    QStringList method = {SummaryRendering::methodLine(c.basis),
                          SummaryRendering::conventionsLine(c.basis.calculation.conventions)};
    if (c.run->offsetColumn())
        method << QStringLiteral("The offset account's counted balances reduce the balance that "
                                 "bears interest.");
    if (!c.basis.ratesNote.isEmpty())
        method << c.basis.ratesNote;
    pages << PrintedReport::Content::TextPage{QStringLiteral("Method and conventions"), method};
    return pages;
}

} // namespace

std::optional<Case> prepare(std::shared_ptr<ReportCase> run, const QString& account,
                            QString* error) {
    const AccountSnapshot& snapshot = run->snapshot();
    if (!snapshot.terms) {
        *error = snapshot.termsError;
        return std::nullopt;
    }
    if (run->owedFellBack()) {
        *error = run->owedNotices().join(QLatin1Char(' '));
        return std::nullopt;
    }
    const std::optional<InterestSummary::Summary> summary =
        InterestSummary::summarise(run->lines(), run->missingStatement());
    if (!summary) {
        *error = QCoreApplication::translate(
            "Complaint", "the report's interest adds up to more than an amount can hold");
        return std::nullopt;
    }
    Case c;
    c.account = account;
    c.details = snapshot.details;
    const Diagnosis::Result& diagnosis = run->diagnosis();
    for (const InterestSummary::Posting& p : summary->postings) {
        if (p.comparable() && p.difference.raw() > 0)
            c.postings << Posting{p.date, p.charged, p.due, p.difference, QString(),
                                  explanationOf(diagnosis, p.date), false};
    }
    // The case's texts are the letter's and the evidence's: English whatever the windows speak.
    const Language::EnglishScope english;
    c.explanations = DiagnosisText::lines(diagnosis);
    for (Posting& p : c.postings)
        p.explanation = explanationOf(diagnosis, p.date);
    tickAtThreshold(c, c.details.threshold);
    c.historyEnd = historyDates(snapshot.inputs.history).last;
    c.basis = run->shownBasis(account);
    const bool owed = run->basis().owedRates();
    c.rateSources = sourcesOf(snapshot.proposedRates, run->rates(), owed);
    for (const TermsCheck::PassOnSection& s : run->passOn())
        c.passOnText += ReferenceRendering::passOnText(s.table, s.series, s.lagDays);
    c.statements = statementsOf(snapshot.inputs.history, snapshot.inputs.statementNumbers);
    c.run = std::move(run);
    return c;
}

void tickAtThreshold(Case& c, Money threshold) {
    for (Posting& p : c.postings)
        p.raised = p.difference >= threshold;
}

Money total(const Case& c) {
    Money sum;
    for (const Posting& p : c.postings) {
        if (p.raised)
            sum = Money::add(sum, p.difference).value_or(sum);
    }
    return sum;
}

Money interestSaved(const Case& c) {
    double sum = 0;
    for (const Posting& p : c.postings) {
        if (p.raised)
            sum += interestOn(p.difference, c.run->rates(), c.run->basis().conventions.dayCount,
                              p.date.addDays(1), c.historyEnd);
    }
    return Money::fromDoubleProduct(sum, 2).value_or(Money());
}

QString noLetter(const Case& c) {
    // A repayment that falls short of the terms' is a complaint of its own.
    if (!c.run->repayments().findings.isEmpty())
        return QString();
    if (c.postings.isEmpty())
        return QCoreApplication::translate("Complaint",
                                           "the lender charged no posting more than its interest "
                                           "due: there is nothing to complain of");
    if (total(c).isZero())
        return QCoreApplication::translate("Complaint",
                                           "no posting is raised: none was charged %1 or more "
                                           "above its interest due, and none is ticked")
            .arg(GridText().amount(c.details.threshold));
    return QString();
}

QString letterText(const Case& c, const QString& evidenceName) {
    return letterText({{&c, QString()}}, {}, evidenceName);
}

QString letterText(const QVector<Part>& parts, const QStringList& acrossParts,
                   const QString& evidenceName) {
    return parts.isEmpty() ? QString() : letter(parts, acrossParts, evidenceName)->toPlainText();
}

bool writeLetter(const Case& c, const QString& path, const QString& evidenceName, QString* error) {
    if (const QString why = noLetter(c); !why.isEmpty()) {
        *error = QCoreApplication::translate("Complaint", "No letter is written: %1.").arg(why);
        return false;
    }
    return writeLetter({{&c, QString()}}, {}, path, evidenceName, error);
}

bool writeLetter(const QVector<Part>& parts, const QStringList& acrossParts, const QString& path,
                 const QString& evidenceName, QString* error) {
    if (parts.isEmpty()) {
        *error = QCoreApplication::translate(
            "Complaint", "No letter is written: no part of the loan was checked.");
        return false;
    }
    // Written into memory first: the document writer closes the device it is given.
    const std::unique_ptr<QTextDocument> doc = letter(parts, acrossParts, evidenceName);
    QBuffer buffer;
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(doc.get())) {
        *error = QCoreApplication::translate("Complaint",
                                             "Cannot write '%1': the document could not be made")
                     .arg(path);
        return false;
    }
    QStringList keep;
    for (const Part& p : parts)
        keep << p.c->account;
    return OutputFile::write(path, buffer.data(), keep, error);
}

PrintedReport::Content evidenceOf(const Case& c) {
    PrintedReport::Content content;
    content.title = QFileInfo(c.account).absoluteFilePath();
    content.printedOn = QDate::currentDate();
    content.conventions = Conventions::reportNote(c.basis.calculation.conventions);
    const ReportCase& run = *c.run;
    content.offsetColumn = run.offsetColumn();
    content.incomplete = InterestSummary::incompletePostings(run.lines());
    content.missingStatement = run.missingStatement();
    content.rates = InterestWorking::postingRates(run.working(), run.lines());
    content.explanations = c.explanations;
    for (const ReportLine& line : run.lines())
        content.rows << ReportTable::rowFor(line);
    for (const Posting& p : c.postings) {
        const int posting = run.working().postingOn(p.date);
        if (p.raised && posting >= 0)
            content.workings << WorkingRendering::table(
                run.working(), posting,
                InterestWorking::ratesOf(run.working(), posting, run.lines()), c.basis);
    }
    content.appendix = appendix(c);
    content.footer = QStringLiteral("%1, made %2")
                         .arg(QFileInfo(c.account).fileName(), GridText().date(content.printedOn));
    return content;
}

bool writeEvidence(const Case& c, const QString& path, QString* error) {
    return writeEvidence(QVector<const Case*>{&c}, path, error);
}

bool writeEvidence(const QVector<const Case*>& parts, const QString& path, QString* error) {
    const Language::EnglishScope english;
    QVector<PrintedReport::Content> contents;
    QStringList keep;
    for (const Case* c : parts) {
        contents << evidenceOf(*c);
        keep << c->account;
    }
    return PrintedReport::writePdf(path, contents, QStringLiteral("Evidence"), keep, error);
}

} // namespace Complaint
