#pragma once

#include "data/Money.h"
#include "data/Rate.h"
#include "engine/InterestMethod.h"
#include "engine/LenderConventions.h"
#include "repayment/RepaymentTerms.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of vantrell-report, read by the tools' shared front end (CommandLine): its
// options, the mode they ask for with each mode's checks, and the usage text written from them.
// The tool's main file runs what they ask.
namespace ReportOptions {

// The text --help prints and a usage error ends with.
QString usage();

// What the tool prints: the report (as text, CSV or PDF) or one of the prints instead of it.
enum class Mode {
    Report,
    Fit,
    Summary,
    Explain,
    Rates,
    Propose,
    Reference,
    SeriesList,
    Owed,
    Diagnose,
    Complaint,
    Repayments,
    Payoff
};

struct Options {
    Mode mode = Mode::Report;
    QString account; // the first ACCOUNT given
    // Every ACCOUNT given: several accounts, or one loan set file (".vloan"), check a split
    // loan's parts together (--summary and --diagnose only).
    QStringList accounts;
    bool setRun = false;
    std::optional<InterestMethod::Code> method; // none: not given, or "any"
    std::optional<QString> fixedDay;            // the CalcTo text of --day
    bool csv = false;
    bool summary = false; // the over/under-charge summary instead of the lines
    QString pdf;          // the printed report's file, "" for none
    // --day-count, --rounding, --rest, --compounding and --per-year, over the account's
    // settings.
    std::optional<DayCount> dayCount;
    std::optional<InterestRounding> rounding;
    std::optional<Rest> rest;
    std::optional<Compounding> compounding;
    std::optional<int> perYear;
    // --fit: the search for the lender's method instead of the report.
    bool fit = false;
    QDate explain; // --explain: the posting whose working is printed; not valid for none
    bool rates = false;
    // --propose-rates: rate periods from the lender's charges; anyMethod: under the best way.
    bool proposeRates = false;
    bool anyMethod = false;
    // --reference, --margin, --lag: the pass-on table; "list" lists the series.
    QString reference;
    std::optional<Rate> margin;
    std::optional<int> lag;
    bool owed = false; // --owed: the rate periods the stored terms owe
    // --terms, once a period: rate terms in place of the account's for this run, as given; the
    // main file reads them, since their series may be the account's.
    QStringList terms;
    bool diagnose = false; // --diagnose: which known mistake explains the differences
    // --complaint, --evidence, --threshold: the letter, the evidence pack, the least raised.
    QString complaint;
    QString evidence;
    std::optional<Money> threshold;
    // --repayments: the repayments taken beside those required; --payoff [--extra X]: when the
    // loan is paid off.
    bool repayments = false;
    bool payoff = false;
    std::optional<Money> extra;
    // The repayment terms for this run, over the account's: --first-repayment, one of --term,
    // --last-repayment and --initial-repayment-rate, --frequency, --interest-only-until.
    QDate firstRepayment;
    std::optional<int> termCount;
    QDate lastRepayment;
    std::optional<Rate> initialRepaymentRate;
    std::optional<Repayments::Frequency> frequency;
    QDate interestOnlyUntil;
    bool repaymentTermsGiven() const {
        return firstRepayment.isValid() || termCount || lastRepayment.isValid() ||
               initialRepaymentRate || frequency || interestOnlyUntil.isValid();
    }
    bool help = false;
    bool version = false;
};

// The account's conventions with those given over them for this run; nullopt, with `problem`
// saying why, when they cannot be worked with together or --per-year has nothing to count.
std::optional<LenderConventions> conventions(const Options& o, LenderConventions stored,
                                             QString* problem);

// The account's repayment terms with those given over them for this run; nullopt, with
// `problem` saying why, when they cannot stand or none are kept and too few are given.
std::optional<Repayments::Terms> repaymentTerms(const Options& o, Repayments::Terms stored,
                                                QString* problem);

// Options as "--name value" or "--name=value", each once (--terms once a period): nullopt, with
// `problem` saying what is wrong, at the first problem.
std::optional<Options> parseArguments(const QStringList& args, QString* problem);

} // namespace ReportOptions
