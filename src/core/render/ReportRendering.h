#pragma once

#include "engine/ReportLine.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// The report lines as text: an aligned table for people, CSV for other programs.
namespace ReportRendering {

// The totals of "Int Charge" and "Int Due" over all lines, summed from the two-decimal values
// shown (as the printed report sums its fields), and charge minus due. nullopt when a sum leaves
// the money range.
struct Totals {
    std::optional<Money> interestCharged;
    std::optional<Money> interestDue;
    std::optional<Money> difference;
};
Totals totals(const QVector<ReportLine>& lines);

// A CSV field as RFC 4180 writes it: quoted only where it holds a comma, quote or line end.
QString csvField(const QString& field);

// Two decimals (or `decimals`, 0 to 4, half away from zero), '.' point, no groups, a leading '-'
// ("-1234.50", "0.00" for a value that rounds to zero): the same in every locale.
QString plainAmount(Money m, int decimals = 2);

// The header "Date,Govt Chge,Bank Chge,W'drawal,Deposit,Int Charge,Int Due,Balance", then one
// record a line: ISO dates, plainAmount() values, empty cells empty, fields quoted only where
// they need it (RFC 4180). Lines end with '\n'. UTF-8 text. `offsetColumn`: an account with an
// offset account, whose lines end with the "Offset" column.
QByteArray csv(const QVector<ReportLine>& lines, bool offsetColumn = false);

// The report grid as aligned columns under its headings, dates and amounts as the grid shows
// them (the default locale's Short Date and "#,##0.00"), then the totals. UTF-8 text.
QByteArray text(const QVector<ReportLine>& lines, bool offsetColumn = false);

} // namespace ReportRendering
