#pragma once

// The parts of a split loan for tests: small accounts of one posting each, and the loan set
// naming them.

#include "loanset/LoanSet.h"
#include "support/AccountFixture.h"

#include <QTest>

namespace SplitLoan {

// An account of one posting of 30 days from 1 January 2024 at Actual/365, rounded at the
// posting: `owed` at `rate` %, the lender charging `charged`, with an offset of 50,000 when
// `offset`.
inline QString part(AccountFixture& f, const QString& name, const char* owed, const char* charged,
                    const char* rate, bool offset) {
    const QString path = f.newAccount(name);
    AccountFixture::exec(
        path, QStringLiteral("insert into tblAllRecords (Date, InterestPayment, "
                             "CloseBalance) values ('2024-01-01', 0, -%1), "
                             "('2024-01-31', %2, 0)")
                  .arg(QString::number(qint64(QString(owed).toDouble() * 10000)),
                       QString::number(qint64(QString(charged).toDouble() * 10000 + 0.5))));
    AccountFixture::exec(path, QStringLiteral("insert into tblInterestChanges (ValidFrom, "
                                              "ValidTo, InterestRate) values ('2024-01-01', "
                                              "'2024-12-31', %1)")
                                   .arg(rate));
    AccountFixture::exec(path, "insert into tblSettings (Name, Value) values "
                               "('InterestRounding', 'posting')");
    if (offset) {
        AccountFixture::exec(path, "insert into tblOffsetBalances (Date, Balance) values "
                                   "('2024-01-01', 500000000)");
        AccountFixture::exec(path, "insert into tblSettings (Name, Value) values "
                                   "('OffsetAccount', 'yes'), ('OffsetShare', '100')");
    }
    return path;
}

// 300,000 at 6 % with a 50,000 offset and 200,000 at 5 %, the lender linking the offset to the
// fixed part (41.09 too much), in the Data folder with the set "Home loan.vloan" naming them,
// and a third part "Top-up" whose account is missing when `missing`. The set's path.
inline QString homeLoan(AccountFixture& f, bool missing) {
    LoanSet::Set set{"Home loan",
                     {{"Variable", "Variable.mdb", InterestMethod::VariableDay},
                      {"Fixed 3 years", "Fixed.mdb", InterestMethod::VariableDay}}};
    part(f, "Variable.mdb", "300000", "1479.45", "6", true);
    part(f, "Fixed.mdb", "200000", "616.44", "5", false);
    if (missing)
        set.parts << LoanSet::Part{"Top-up", "TopUp.mdb", InterestMethod::VariableDay};
    const QString setPath = f.dataFolder() + "Home loan.vloan";
    QString error;
    if (!LoanSet::write(setPath, set, &error))
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return setPath;
}

} // namespace SplitLoan
