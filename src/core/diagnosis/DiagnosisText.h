#pragma once

#include "Diagnosis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The diagnosis as the borrower reads it: one sentence an explanation, in the summary, on the
// printed summary page, in Copy as Text and from the report tool.
namespace DiagnosisText {

// "From 31/3/2019 to 31/7/2020 (17 postings) the charges equal exactly those of a loan whose
// offset was not counted: 2,341.18 more than due."
QString sentence(const Diagnosis::Explanation& e);
// What the lender did, for a table's cell: "Offset was not counted", "Rate change of 10/6/2022
// applied 14 days later".
QString mistakeText(const Diagnosis::Mistake& m);
// "No known mistake explains the difference of 31/3/2023."
QString unexplained(const QDate& date);

// The explanations' sentences, then one for each of the summary's largest differences that none
// explains.
QStringList lines(const Diagnosis::Result& r);

// Under the heading "What explains the differences", the lines, or that every charge agrees.
QString text(const Diagnosis::Result& r);

// The days of `posting` (a posting of the explanation's span) as due and as the lender worked
// them under the mistake, side by side: a heading row, a row a day, then the totals (the
// interest due and the charge). Empty when the posting is not found in either run.
QVector<QStringList> besideRows(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e,
                                const QDate& posting);
// The same as aligned text under the explanation's sentence.
QString besideText(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e,
                   const QDate& posting);

// "explanation,from,to,postings,parameter,amount", one record an explanation.
QByteArray csv(const Diagnosis::Result& r);

} // namespace DiagnosisText
