#pragma once

#include "data/Money.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

// Who complains to whom about which loan, kept in the account's settings for the next letter.
enum class ComplaintCountry : quint8 {
    None,
    Australia,
    NewZealand,
    UnitedKingdom,
    Ireland,
    UnitedStates,
    Canada
};

struct ComplaintDetails {
    QString borrowerName;
    QString borrowerAddress; // lines joined by '\n'
    QString accountNumber;
    QString lenderName;
    QString lenderAddress;
    ComplaintCountry country = ComplaintCountry::None;
    // A posting is raised by default when its charge exceeds its due by this much or more.
    Money threshold = Money::fromRaw(Money::Scale);
    friend bool operator==(const ComplaintDetails&, const ComplaintDetails&) = default;
};

namespace Complaints {

// "None", "Australia", "New Zealand", "United Kingdom", "Ireland", "United States", "Canada".
QStringList countryNames();
// The settings' words: "none", "au", "nz", "uk", "ie", "us", "ca".
QString countryWord(ComplaintCountry c);

// The details kept in the account; the defaults where none are.
ComplaintDetails readDetails(QSqlDatabase db);
bool writeDetails(QSqlDatabase db, const ComplaintDetails& details, QString* error);

// A detail the letter cannot do without: which it is, what it is called where it is asked for,
// and the marked placeholder a letter written without it holds in its place.
struct MissingDetail {
    enum Field { BorrowerName, AccountNumber, LenderName };
    Field field;
    QString what;        // "your name"
    QString placeholder; // "[your name]"
};
// The details of `d` the letter needs and does not have (blank ones), in the letter's order.
QVector<MissingDetail> missingDetails(const ComplaintDetails& d);
// `d` with each missing detail's placeholder in its place.
ComplaintDetails withPlaceholders(ComplaintDetails d);

// The one factual paragraph on the time the lender has to answer and where the borrower may go
// next; "" for no country.
QString countryParagraph(ComplaintCountry c);

} // namespace Complaints
