#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The named text fields through which the windows pass the account and the statement in
// progress. Every field is text; "" means not set. Nothing is validated on write: each reader
// converts the text itself.
class WorkflowState {
public:
    static const QStringList& fieldNames();

    QString value(const QString& field) const;
    // Unknown names are refused (false) so that a typo cannot create a field nobody reads.
    bool setValue(const QString& field, const QString& text);
    // Clears every field except the given ones.
    void clearExcept(const QStringList& keep);

private:
    QHash<QString, QString> m_values;
};

// Field names, spelt once.
namespace Tag {
inline const QString NewFile = QStringLiteral("tagNewFile");
inline const QString File = QStringLiteral("tagFile");
inline const QString Method = QStringLiteral("tagMethod");
// The method code the program itself found (the rates proposed from the lender's charges, Find
// Lender's Method's Apply), kept until the borrower confirms another: the method window opens
// with it chosen, where otherwise the method is chosen anew for each report.
inline const QString MethodFound = QStringLiteral("tagMethodFound");
inline const QString IntCalcTo = QStringLiteral("tagIntCalcTo");
inline const QString Statement = QStringLiteral("tagStatement");
inline const QString StartDate = QStringLiteral("tagStartDate");
inline const QString EndDate = QStringLiteral("tagEndDate");
inline const QString OpenBalance = QStringLiteral("tagOpenBalance");
inline const QString CloseBalance = QStringLiteral("tagCloseBalance");
inline const QString InterestChanged = QStringLiteral("tagInterestChanged");
inline const QString NextForm = QStringLiteral("tagNextForm");
// "Yes" while the borrower is on the road from the bank's file to the verdict: the import, the
// rates proposed from the charges, the report and its summary follow one another.
inline const QString CheckLoan = QStringLiteral("tagCheckLoan");
// "Yes" when the next report runs under the rates the loan's terms owe, not the stored ones.
inline const QString OwedRates = QStringLiteral("tagOwedRates");
// The loan set last opened, made or saved (its .vloan file): the set's summary and the set's
// window both read it. It outlives the account entered, since a set is no account.
inline const QString LoanSet = QStringLiteral("tagLoanSet");
} // namespace Tag

// The method the next report runs, confirmed by the borrower (tagMethod); a method the program
// found that it replaces is forgotten (tagMethodFound).
void confirmMethod(WorkflowState& state, int methodCode);
// The method the program found: the next report runs it, and the method window offers it.
void setFoundMethod(WorkflowState& state, int methodCode);

// The values tagFile takes: an account just made, or one opened (or carried on after a commit).
namespace FileState {
inline const QString New = QStringLiteral("New");
inline const QString Open = QStringLiteral("Open");
} // namespace FileState

// The value of the yes-or-no fields (tagNextForm, tagInterestChanged); anything else is no.
namespace FlagState {
inline const QString Yes = QStringLiteral("Yes");
} // namespace FlagState
