#include "ReportSet.h"

#include "ReportModes.h"
#include "engine/CalcDay.h"
#include "loanset/SetCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace ReportSet {

namespace {

using namespace ReportModes;

// Accounts given one by one make a set of their own: each part named by its file, or by its
// path where two files share a name, under the method given for all.
LoanSet::Set setOf(const ReportOptions::Options& o) {
    LoanSet::Set set;
    set.name = QStringLiteral("Loan");
    QSet<QString> names;
    for (const QString& account : o.accounts)
        names << QFileInfo(account).fileName();
    const bool byName = names.size() == o.accounts.size();
    for (const QString& account : o.accounts) {
        const QFileInfo file(account);
        set.parts.append({byName ? file.fileName() : file.absoluteFilePath(),
                          file.absoluteFilePath(), o.method});
    }
    return set;
}

SetCheck::Options checkOptions(const ReportOptions::Options& o) {
    SetCheck::Options options;
    options.method = o.method;
    if (o.fixedDay)
        options.day = CalcDay::Day::fromCalcTo(*o.fixedDay);
    options.conventions = [o](const LenderConventions& stored, QString* problem) {
        return ReportOptions::conventions(o, stored, problem);
    };
    return options;
}

} // namespace

int run(const ReportOptions::Options& o) {
    LoanSet::Set set;
    QString setPath;
    if (o.accounts.size() == 1) {
        setPath = o.account;
        QString error;
        std::optional<LoanSet::Set> read = LoanSet::read(setPath, &error);
        if (!read)
            return unreadable(
                QStringLiteral("The loan set '%1' cannot be read: %2").arg(o.account, error));
        set = std::move(*read);
    } else {
        set = setOf(o);
        // The parts' paths are absolute: the set's own file is never read or written.
        setPath = QDir::current().absoluteFilePath(QStringLiteral("accounts.vloan"));
    }
    const SetCheck::Result r = SetCheck::check(set, setPath, checkOptions(o));
    // A part not checked is among them, with why.
    const QStringList& notices = r.notices;
    if (r.checkedParts() == 0) {
        printNotices(notices);
        return unreadable(QStringLiteral("no part of the loan could be checked"));
    }
    if (o.mode == ReportOptions::Mode::Diagnose)
        printOut(o.csv ? SetCheck::diagnosisCsv(r) : SetCheck::diagnosisText(r).toUtf8());
    else
        printOut(o.csv ? SetCheck::csv(r) : SetCheck::text(r).toUtf8());
    printNotices(notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

} // namespace ReportSet
