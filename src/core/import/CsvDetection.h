#pragma once

#include "CsvLayout.h"
#include "CsvReader.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The stages of CsvReader::detect, in its order, and the checks the reader's other choices share.
namespace CsvDetection {

// A line that looks like a transaction: a date and, in another field, an amount.
bool isDataLike(const QList<QStringView>& fields, QChar decimal);

// Neighbouring rows whose balance moves by the amount, and those whose balance moves against it.
struct SignAgreement {
    int with = 0;
    int against = 0;
};
SignAgreement signAgreement(const QList<const CsvRecord*>& rows, const CsvLayout& l);

// A card's file that counts its purchases as positive, told by its payments: every row named as
// a payment to the card ("PAYMENT - THANK YOU") is negative, and the other rows are mostly
// positive. The first such payment's record; nullptr when the rows do not say so.
const CsvRecord* paymentAgainstPurchases(const QList<const CsvRecord*>& rows, const CsvLayout& l);

// The columns a header names as dates, in its order.
QList<int> dateColumnsNamed(const QList<QStringView>& names);
// The header names a value date ("Wertstellung", "Value Date"): the date interest follows.
bool namesValueDate(QStringView name);

// The decimal point: from the fields of the first `lines` records that are not dates.
QChar decimalOf(const QList<CsvRecord>& records, int lines);

// Where the rows are: the lines with a date and an amount, of the width most of them have.
struct RowShape {
    QList<bool> dataLike; // of the sampled records
    int width = 0;
    int first = 0; // the first row of that width
};
std::optional<RowShape> findRows(const QList<CsvRecord>& records, int sampled, int openQuoteLine,
                                 QChar decimal, QString* error);

// The header and the lines to skip; returns the header's record, -1 when there is none.
int placeHeader(const QList<CsvRecord>& records, const RowShape& shape, CsvLayout& layout);

// The columns the header names.
void columnsNamed(const QList<QStringView>& names, const QList<const CsvRecord*>& rows,
                  CsvLayout& layout);

// The columns the header did not name, from what they hold. False, with `error`, when no column
// holds amounts.
bool columnsHeld(const QList<const CsvRecord*>& rows, int width, CsvLayout& layout, QString* error);

// The date order that reads the most dates of the whole file; the one the layout has on a tie.
void settleDateOrder(const QList<CsvRecord>& records, CsvLayout& layout);

} // namespace CsvDetection
