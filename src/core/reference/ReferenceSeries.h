#pragma once

#include "data/Rate.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

// A published reference rate over time: a central bank's cash or policy rate, a prime rate, a
// lender's own standard variable rate as the borrower typed it. Each change is the rate from its
// effective date until the next change.
struct SeriesChange {
    QDate date;
    Rate rate;
    friend bool operator==(const SeriesChange&, const SeriesChange&) = default;
};

struct ReferenceSeries {
    QString key;       // the short name ("rba-cash"), unique in the program and in an account
    QString name;      // "Cash rate target"
    QString publisher; // "Reserve Bank of Australia"
    QString table;     // the publisher's table or page the rates were taken from
    QDate coversTo;    // the last date the series is known complete to
    QVector<SeriesChange> changes; // ascending dates, no two alike, each a change of rate

    bool isEmpty() const { return changes.isEmpty(); }
    // The rate in force on `day`: the last change on or before it. nullopt before the first.
    std::optional<Rate> rateOn(const QDate& day) const;
    // The last date with a known rate: coversTo, or the last change's date without one.
    QDate knownTo() const;
    friend bool operator==(const ReferenceSeries&, const ReferenceSeries&) = default;
};

namespace ReferenceSeriesFile {

// The file's form: "# name: ...", "# publisher: ...", "# table: ...", "# covers-to: YYYY-MM-DD"
// lines, then rows of a date and a rate. A borrower's own file may have no "#" lines, a
// heading row, dates as YYYY-MM-DD or day first (31/12/2024), rates with a '%', ';' or a tab
// between the two, and rows in any order; a row that repeats the rate before it is dropped, as it
// changes nothing. A row that does not read, or two rates on one date, refuses the file with
// `error` naming its line. `key` is the short name it gets.
std::optional<ReferenceSeries> parse(const QByteArray& text, const QString& key, QString* error);

// The series in the file's own form, as it is shipped: header lines, then "effective_date,rate".
QByteArray write(const ReferenceSeries& series);

// A short name for a borrower's series from the name it is given: lower case letters, digits and
// '-' ("My Lender's SVR 2.0" is "my-lender-s-svr-2-0"); from its file's name without the
// extension ("My Lender SVR.csv" is "my-lender-svr").
QString keyFromName(const QString& name);
QString keyFromFileName(const QString& fileName);

} // namespace ReferenceSeriesFile

// The series the program brings, one file each in its Series folder ("rba-cash.csv"): read
// whenever asked, in the order of their short names. A file that does not read is left out
// and said in `notices`.
namespace ShippedSeries {

QString folder();
QVector<ReferenceSeries> all(QStringList* notices = nullptr);
std::optional<ReferenceSeries> find(const QString& key, QString* error);

} // namespace ShippedSeries
