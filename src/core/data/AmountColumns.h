#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>

// The five amount columns of a statement's transaction, in the transactions window's order.
enum class AmountColumn : quint8 {
    GovtCharge,
    BankCharge,
    UserWithdrawal,
    Deposit,
    InterestPayment
};

namespace AmountColumns {

inline constexpr int Count = 5;
// All five, in that order: what a loop over the columns walks.
inline constexpr std::array<AmountColumn, Count> All = {
    AmountColumn::GovtCharge, AmountColumn::BankCharge, AmountColumn::UserWithdrawal,
    AmountColumn::Deposit, AmountColumn::InterestPayment};

// What the transactions window calls them: "Govt Charge" ... "Interest Charge". These English
// captions are the ones stored (an import's column rules) and read back.
const QStringList& captions();
QString caption(AmountColumn column);
// The captions as shown in the windows' language.
QStringList shownCaptions();
QString shownCaption(AmountColumn column);
// The column of tblAllRecords, tblThisSession and tblReport: "GovtCharge" ... "InterestPayment".
QString fieldName(AmountColumn column);
// All five, in that order.
const QStringList& fieldNames();
// A caption (English or shown) or a field name, in any case; nullopt for anything else.
std::optional<AmountColumn> fromText(const QString& text);

} // namespace AmountColumns

// One value for each amount column, in that order, found by the column or by its position.
template <class T> struct PerAmountColumn : std::array<T, AmountColumns::Count> {
    using std::array<T, AmountColumns::Count>::operator[];
    T& operator[](AmountColumn c) { return (*this)[std::size_t(c)]; }
    const T& operator[](AmountColumn c) const { return (*this)[std::size_t(c)]; }
};
