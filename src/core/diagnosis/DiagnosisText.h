#pragma once

#include "Diagnosis.h"
#include "render/WorkingRendering.h"

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

// The working of the explanation: one table a posting of its span, every day as due beside the
// day as the lender worked it under the mistake, and at its foot the interest due, the charge
// under the explanation and the lender's own charge, with whether the two charges are equal; the
// explanation's sentence and the span's totals of the three (and whether the charges under the
// explanation equal the lender's) stand above each.
QVector<WorkingRendering::Table> workingTables(const Diagnosis::Inputs& in,
                                               const Diagnosis::Explanation& e);
// The same as aligned text, one table after another.
QString workingText(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e);

// "explanation,from,to,postings,parameter,amount", one record an explanation.
QByteArray csv(const Diagnosis::Result& r);

} // namespace DiagnosisText
