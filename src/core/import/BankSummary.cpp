#include "BankSummary.h"

#include "BankText.h"
#include "data/ShortDate.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace BankSummary {

namespace {

struct Words {
    const char16_t* text;
    Line line;
};

// The words a line of the bank's own starts with; the longer before the shorter they begin
// ("total credits" before "total").
constexpr Words LineWords[] = {
    {u"opening balance", Line::Opening},
    {u"beginning balance", Line::Opening},
    {u"previous balance", Line::Opening},
    {u"balance brought forward", Line::Opening},
    {u"brought forward", Line::Opening},
    {u"balance b/f", Line::Opening},
    {u"brought fwd", Line::Opening},
    {u"anfangssaldo", Line::Opening},
    {u"beginsaldo", Line::Opening},
    {u"ending balance", Line::Closing},
    {u"closing balance", Line::Closing},
    {u"new balance", Line::Closing},
    {u"balance carried forward", Line::Closing},
    {u"carried forward", Line::Closing},
    {u"balance c/f", Line::Closing},
    {u"carried fwd", Line::Closing},
    {u"endsaldo", Line::Closing},
    {u"eindsaldo", Line::Closing},
    {u"total credits", Line::TotalIn},
    {u"total deposits", Line::TotalIn},
    {u"total money in", Line::TotalIn},
    {u"total paid in", Line::TotalIn},
    {u"total debits", Line::TotalOut},
    {u"total withdrawals", Line::TotalOut},
    {u"total money out", Line::TotalOut},
    {u"total paid out", Line::TotalOut},
    {u"total", Line::Other},
    {u"available balance", Line::Other},
    {u"balance as at", Line::Other}, // before or after the rows, as the file is ordered
    {u"balance at", Line::Other},
    {u"arranged overdraft", Line::Other},
    {u"overdraft limit", Line::Other},
};

bool sameSize(const std::optional<Money>& stated, Money sum) {
    return !stated || stated->magnitude() == sum.magnitude();
}

} // namespace

Line kindOf(QStringView firstText) {
    const QString text = firstText.trimmed().toString().toLower();
    for (const Words& w : LineWords) {
        if (text.startsWith(QStringView(w.text)))
            return w.line;
    }
    return Line::None;
}

void Collector::note(Line kind, int line, const QList<QStringView>& fields,
                     std::optional<Money> figure, QDate date) {
    if (kind == Line::None || kind == Line::Other)
        return;
    static const QRegularExpression apart(QStringLiteral("[\\s,;]+"));
    for (auto f = fields.crbegin(); f != fields.crend(); ++f) {
        const QStringView text = f->trimmed();
        if (!date.isValid()) {
            for (const QString& word : text.toString().split(apart, Qt::SkipEmptyParts)) {
                if (const QDate d = BankText::parseDate(word, m_order); d.isValid())
                    date = d;
            }
        }
        if (!figure && !BankText::parseDate(text, m_order).isValid())
            figure = BankText::parseAmount(text, m_decimal);
    }
    if (!figure)
        return;
    StatedSummary& s = m_summary;
    std::optional<StatedBalance>* balance = kind == Line::Opening   ? &s.opening
                                            : kind == Line::Closing ? &s.closing
                                                                    : nullptr;
    std::optional<Money>* total = kind == Line::TotalIn ? &s.totalIn : &s.totalOut;
    if (balance && !*balance)
        *balance = StatedBalance{line, date, *figure};
    else if (!balance && !*total)
        *total = figure;
}

StatedSummary Collector::finish(const QList<ImportedRow>& rows, bool turned) const {
    StatedSummary s = m_summary;
    if (s.empty())
        return s;
    // In the file's own sign: a bank may state its balances the other way round from its amounts
    // (a loan as a positive debt), so either direction of the balance's move agrees.
    Money in;
    Money out;
    for (const ImportedRow& r : rows) {
        if (r.pending)
            continue;
        if (!r.error.isEmpty())
            return s;
        const std::optional<Money> amount = turned ? r.amount.negated() : r.amount;
        if (!amount || !Money::addTo(*amount > Money() ? in : out, *amount))
            return s;
    }
    const std::optional<Money> net = Money::add(in, out);
    QStringList problems;
    if (s.opening && s.closing && net) {
        s.checked = true;
        const std::optional<Money> moved = Money::subtract(s.closing->amount, s.opening->amount);
        if (!moved || (*moved != *net && moved->negated() != *net))
            problems << QCoreApplication::translate(
                            "BankSummary",
                            "it takes the balance from %1 to %2, but the rows add up "
                            "to %3")
                            .arg(s.opening->amount.format(), s.closing->amount.format(),
                                 net->format());
    }
    if (s.totalIn || s.totalOut) {
        s.checked = true;
        const bool straight = sameSize(s.totalIn, in) && sameSize(s.totalOut, out);
        const bool crossed = sameSize(s.totalIn, out) && sameSize(s.totalOut, in);
        if (!straight && !crossed)
            problems << QCoreApplication::translate(
                            "BankSummary", "its totals are %1 in and %2 out, but the rows' are %3 "
                                           "and %4")
                            //: No total stated in the file.
                            .arg(s.totalIn ? s.totalIn->format()
                                           : QCoreApplication::translate("BankSummary", "none"),
                                 s.totalOut ? s.totalOut->format()
                                            : QCoreApplication::translate("BankSummary", "none"),
                                 in.format(), out.format());
    }
    if (!problems.isEmpty())
        s.disagreement = QCoreApplication::translate(
                             "BankSummary", "The file's summary does not agree with its rows: %1.")
                             .arg(problems.join(QStringLiteral("; ")));
    return s;
}

QStringList sentences(const StatedSummary& summary, std::optional<Money> statementOpening) {
    QStringList out;
    const auto stated = [&](bool opening, const std::optional<StatedBalance>& b) {
        if (!b)
            return;
        const QString amount = b->amount.format();
        if (!b->date.isValid())
            out << (opening
                        ? QCoreApplication::translate(
                              "BankSummary", "The file states an opening balance of %1 (line %2).")
                        : QCoreApplication::translate(
                              "BankSummary", "The file states a closing balance of %1 (line %2)."))
                       .arg(amount)
                       .arg(b->line);
        else
            out << (opening ? QCoreApplication::translate(
                                  "BankSummary",
                                  "The file states an opening balance of %1 on %2 (line %3).")
                            : QCoreApplication::translate(
                                  "BankSummary",
                                  "The file states a closing balance of %1 on %2 (line %3)."))
                       .arg(amount, ShortDate::format(b->date))
                       .arg(b->line);
    };
    stated(true, summary.opening);
    if (summary.opening && statementOpening) {
        const Money file = summary.opening->amount;
        if (file == *statementOpening || file.negated() == *statementOpening)
            out << QCoreApplication::translate("BankSummary",
                                               "The statement opens on the same balance.");
        else
            out << QCoreApplication::translate(
                       "BankSummary", "The statement opens on %1: check its opening balance.")
                       .arg(statementOpening->format());
    }
    stated(false, summary.closing);
    if (!summary.disagreement.isEmpty())
        out << summary.disagreement;
    else if (summary.checked)
        out << QCoreApplication::translate("BankSummary", "Its rows agree with its summary.");
    return out;
}

std::optional<Money> offeredOpening(const StatedSummary& summary) {
    if (!summary.opening || !summary.disagreement.isEmpty())
        return std::nullopt;
    return summary.opening->amount;
}

} // namespace BankSummary
