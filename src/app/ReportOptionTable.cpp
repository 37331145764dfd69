#include "ReportOptionTable.h"

#include "engine/CalcDay.h"
#include "engine/InterestMethod.h"

namespace ReportOptions {

namespace {

// The method code of "0" to "3" or of a list entry's text.
std::optional<int> methodCode(const QString& text) {
    const QStringList& names = InterestMethod::names();
    for (int code = 0; code < names.size(); ++code) {
        if (text == QString::number(code) || text.compare(names[code], Qt::CaseInsensitive) == 0)
            return code;
    }
    return std::nullopt;
}

// What each option takes: "" when its value is taken, else what is wrong with it.

template <bool Options::*flag> QString setFlag(const QString&, Given& given) {
    given.options.*flag = true;
    return QString();
}

QString takeMethod(const QString& value, Given& given) {
    given.method = true;
    if (value.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
        given.options.anyMethod = true;
        return QString();
    }
    const std::optional<int> code = methodCode(value);
    if (!code)
        return QStringLiteral("unknown method '%1'").arg(value);
    given.options.method = InterestMethod::Code(*code);
    return QString();
}

QString takeDay(const QString& value, Given& given) {
    Options& o = given.options;
    o.fixedDay = CalcDay::calcToFor(value);
    if (!o.fixedDay)
        return QStringLiteral("the day must be a whole number from 1 to 28, not '%1'").arg(value);
    return QString();
}

QString takeFormat(const QString& value, Given& given) {
    if (value != QLatin1String("text") && value != QLatin1String("csv"))
        return QStringLiteral("the format is text or csv, not '%1'").arg(value);
    given.options.csv = value == QLatin1String("csv");
    given.format = true;
    return QString();
}

QString takeDayCount(const QString& value, Given& given) {
    Options& o = given.options;
    o.dayCount = Conventions::dayCountFromWord(value);
    if (!o.dayCount)
        return QStringLiteral("the day count is one of %1, not '%2'")
            .arg(Conventions::dayCountWords().join(QLatin1String(", ")), value);
    return QString();
}

QString takeRounding(const QString& value, Given& given) {
    Options& o = given.options;
    o.rounding = Conventions::roundingFromWord(value);
    if (!o.rounding)
        return QStringLiteral("the rounding is one of %1, not '%2'")
            .arg(Conventions::roundingWords().join(QLatin1String(", ")), value);
    return QString();
}

QString takeRest(const QString& value, Given& given) {
    Options& o = given.options;
    o.rest = Conventions::restFromWord(value);
    if (!o.rest)
        return QStringLiteral("the rest is daily, period, annual or months:K@M (blocks of K "
                              "months from month M, both 1 to 12), not '%1'")
            .arg(value);
    return QString();
}

QString takeCompounding(const QString& value, Given& given) {
    Options& o = given.options;
    o.compounding = Conventions::compoundingFromWord(value);
    if (!o.compounding)
        return QStringLiteral("the compounding is one of %1, not '%2'")
            .arg(Conventions::compoundingWords().join(QLatin1String(", ")), value);
    return QString();
}

QString takePerYear(const QString& value, Given& given) {
    Options& o = given.options;
    o.perYear = Conventions::perYearFromWord(value);
    if (!o.perYear)
        return QStringLiteral("the periods a year are a whole number from 1 to %1, not '%2'")
            .arg(Conventions::MostPerYear)
            .arg(value);
    return QString();
}

QString takeExplain(const QString& value, Given& given) {
    Options& o = given.options;
    o.explain = QDate::fromString(value, Qt::ISODate);
    if (!o.explain.isValid())
        return QStringLiteral("--explain takes a date as YYYY-MM-DD, not '%1'").arg(value);
    return QString();
}

QString takeReference(const QString& value, Given& given) {
    Options& o = given.options;
    o.reference = value;
    return value.isEmpty() ? QStringLiteral("--reference needs a series") : QString();
}

QString takeMargin(const QString& value, Given& given) {
    Options& o = given.options;
    o.margin = Rate::parse(value);
    if (!o.margin)
        return QStringLiteral("the margin is a rate in points such as 1.5, not '%1'").arg(value);
    return QString();
}

QString takeLag(const QString& value, Given& given) {
    Options& o = given.options;
    bool ok = false;
    const int days = value.toInt(&ok);
    if (!ok || days < 0 || days > 366)
        return QStringLiteral("the lag is a whole number of days from 0 to 366, not '%1'")
            .arg(value);
    o.lag = days;
    return QString();
}

QString takeFile(const QString& value, const QString& option, QString* file) {
    *file = value;
    return value.isEmpty() ? option + QStringLiteral(" needs a file name") : QString();
}

QString takeThreshold(const QString& value, Given& given) {
    Options& o = given.options;
    o.threshold = Money::parse(value);
    if (!o.threshold || o.threshold->raw() < 0)
        return QStringLiteral("the threshold is an amount of 0 or more, not '%1'").arg(value);
    return QString();
}

QString takeTerms(const QString& value, Given& given) {
    Options& o = given.options;
    o.terms << value;
    return value.trimmed().isEmpty() ? QStringLiteral("--terms needs a terms period") : QString();
}

QString takePdf(const QString& value, Given& given) {
    Options& o = given.options;
    if (value.isEmpty())
        return QStringLiteral("--pdf needs a file name");
    o.pdf = value;
    return QString();
}

QString takeComplaint(const QString& value, Given& given) {
    return takeFile(value, QStringLiteral("--complaint"), &given.options.complaint);
}

QString takeEvidence(const QString& value, Given& given) {
    return takeFile(value, QStringLiteral("--evidence"), &given.options.evidence);
}

QString takeExtra(const QString& value, Given& given) {
    Options& o = given.options;
    o.extra = Money::parse(value);
    if (!o.extra || o.extra->raw() < 0)
        return QStringLiteral("the extra is an amount of 0 or more, not '%1'").arg(value);
    return QString();
}

QString takeDate(const QString& value, const char* option, QDate* date) {
    *date = QDate::fromString(value, Qt::ISODate);
    if (!date->isValid())
        return QStringLiteral("--%1 takes a date as YYYY-MM-DD, not '%2'")
            .arg(QLatin1String(option), value);
    return QString();
}

QString takeFirstRepayment(const QString& value, Given& given) {
    return takeDate(value, "first-repayment", &given.options.firstRepayment);
}

QString takeLastRepayment(const QString& value, Given& given) {
    return takeDate(value, "last-repayment", &given.options.lastRepayment);
}

QString takeInterestOnlyUntil(const QString& value, Given& given) {
    return takeDate(value, "interest-only-until", &given.options.interestOnlyUntil);
}

QString takeTermCount(const QString& value, Given& given) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 1 || n > Repayments::MostRepayments)
        return QStringLiteral("the term is a number of repayments from 1 to %1, not '%2'")
            .arg(Repayments::MostRepayments)
            .arg(value);
    given.options.termCount = n;
    return QString();
}

QString takeInitialRate(const QString& value, Given& given) {
    Options& o = given.options;
    o.initialRepaymentRate = Rate::parse(value);
    if (!o.initialRepaymentRate || *o.initialRepaymentRate <= Rate())
        return QStringLiteral("the initial repayment rate is a rate in per cent above 0, such as "
                              "3, not '%1'")
            .arg(value);
    return QString();
}

QString takeFrequency(const QString& value, Given& given) {
    Options& o = given.options;
    o.frequency = Repayments::frequencyFromWord(value);
    if (!o.frequency)
        return QStringLiteral("the frequency is monthly, fortnightly or weekly, not '%1'")
            .arg(value);
    return QString();
}

QString takeAccount(const QString& arg, Given& given) {
    if (given.options.account.isEmpty())
        given.options.account = arg;
    given.options.accounts << arg;
    return QString();
}

// Both an unknown option and a repeated one are named as given.
QString unknownOrRepeated(const QString& arg, const QString&) {
    return QStringLiteral("unknown or repeated option '%1'").arg(arg);
}

QString needsValue(const QString& option) {
    return QStringLiteral("%1 needs a value").arg(option);
}

const CommandLine::Tool<Given> Table{
    {"vantrell-report", "--", unknownOrRepeated, unknownOrRepeated, needsValue},
    {
        {{.name = "method",
          .value = "M",
          .help = "the interest calculation method, by number or name (case ignored):\n"
                  "0 \"Fixed Day\", 1 \"Fixed Day, Deferred Interest\", 2 \"Variable Day\",\n"
                  "3 \"Variable Day, Deferred Interest\""},
         takeMethod},
        {{.name = "day",
          .value = "N",
          .help = "the day of month interest is calculated from, 1 to 28, for the fixed-day\n"
                  "methods (default: the account's last setting)"},
         takeDay},
        {{.name = "format",
          .value = "F",
          .help = "text (default): aligned columns, then the interest totals;\n"
                  "csv: ISO dates and plain amounts, the same in every locale;\n"
                  "an account with an offset account gains a last column, \"Offset\":\n"
                  "the part of the offset balance counted on the line's day"},
         takeFormat},
        {{.name = "summary",
          .help = "prints instead what the lender over- or under-charged: the totals, the\n"
                  "largest differences and the calendar years; as CSV one line a year,\n"
                  "\"year,charged,due,difference,not_comparable\" (postings whose period is\n"
                  "incomplete, left out of the comparison), then the \"total\" line"},
         setFlag<&Options::summary>},
        {{.name = "pdf",
          .value = "FILE",
          .help = "writes the printed report to FILE as PDF instead (A4); with --explain\n"
                  "the posting's working follows the report on a page of its own"},
         takePdf},
        {{.name = "explain",
          .value = "DATE",
          .help = "prints instead the working of the interest posted on DATE (YYYY-MM-DD):\n"
                  "each day of its period as the calculation accrued it, then the total,\n"
                  "the lender's charge and the rates; as CSV one line a day,\n"
                  "\"date,balance,offset,accruing,deferred,rate,divisor,days,amount,running\"\n"
                  "(the loan's balance, the counted offset, the balance that bears interest,\n"
                  "under a rest the one held from its period's or block's first day, the\n"
                  "deferred interest added back, the yearly rate as entered, its divisor\n"
                  "(under equal periods N times the period's days), the days the day stands\n"
                  "for, the day's interest as kept under the rounding and the running total;\n"
                  "offset and deferred empty where they do not apply)"},
         takeExplain},
        {{.name = "rates",
          .help = "prints instead, for each interest posting, the rate the lender effectively\n"
                  "charged: the range of yearly rates that give exactly its charge on that\n"
                  "period's balances, its middle to three decimals (the nearest, marked\n"
                  "\"≈\", where no rate gives it exactly); as CSV \"date,charged,due,\n"
                  "entered_min,entered_max,effective,exact,comparable\" (exact and\n"
                  "comparable 1 or 0; effective and exact empty where there is none)"},
         setFlag<&Options::rates>},
        {{.name = "day-count",
          .value = "D",
          .help = "how the lender divides the yearly rate (default: the account's setting):\n"
                  "act365 (Actual/365 Fixed), actact (Actual/Actual), act365nl (Actual/365\n"
                  "No-Leap), act360 (Actual/360), 30360 (30/360), equal (Equal periods: each\n"
                  "posting period 1/N of a year whatever its length, its days sharing it\n"
                  "equally, N of --per-year; only with the rounding posting)"},
         takeDayCount},
        {{.name = "rounding",
          .value = "R",
          .help = "how the lender rounds interest (default: the account's setting): day4 (each\n"
                  "day to four decimals), day2 (each day to cents), posting (only the total)"},
         takeRounding},
        {{.name = "rest",
          .value = "S",
          .help = "which balance bears interest (default: the account's setting): daily (each\n"
                  "day's own), period (the balance on the posting period's first day, held\n"
                  "for the period), months:K@M (the balance on the first day of each block\n"
                  "of K months from month M, both 1 to 12, held for the block), annual\n"
                  "(months:12@1)"},
         takeRest},
        {{.name = "compounding",
          .value = "C",
          .help = "the rate the days bear (default: the account's setting): none (the rate\n"
                  "entered), half-yearly (the nominal rate over N periods a year, N of\n"
                  "--per-year, equivalent to the rate entered compounded half-yearly)"},
         takeCompounding},
        {{.name = "per-year",
          .value = "N",
          .help = "the periods a year of equal periods and of half-yearly compounding, a\n"
                  "whole number from 1 to 365 (12 monthly, 26 fortnightly; default: the\n"
                  "account's setting, else 12); only where one of them is chosen"},
         takePerYear},
        {{.name = "fit",
          .help = "ranks every method, day and convention by how closely the interest due\n"
                  "matches the interest charged, best first: each day count and rounding,\n"
                  "the rests daily, posting period and 12-, 6- and 3-month blocks from\n"
                  "January, equal periods and half-yearly compounding, with the periods a\n"
                  "year the charges' spacing suggests; as CSV\n"
                  "\"method,day,day_count,rounding,matched,charges,difference,\n"
                  "rest,compounding,per_year\" (the options' words; per_year empty where\n"
                  "neither equal periods nor compounding is chosen)"},
         setFlag<&Options::fit>},
        {{.name = "propose-rates",
          .help = "prints instead the rate periods that reproduce the lender's own\n"
                  "interest charges, for a history without its rates (the account's rate\n"
                  "periods are not used): each period with how many postings it reproduces\n"
                  "to the cent, then each posting no period reproduces, with the one yearly\n"
                  "rate nearest its charge and the charge less the interest due under the\n"
                  "periods; as CSV one record a line under the header\n"
                  "\"kind,from,to,rate,postings,date,charged,nearest_rate,difference\":\n"
                  "kind \"period\" (from, to, rate, postings filled) or \"unexplained\"\n"
                  "(date, charged, nearest_rate, difference filled).\n"
                  "--method any tries every method, day and convention --fit tries (the\n"
                  "rests, equal periods and half-yearly compounding among them), proposes\n"
                  "under the one whose periods reproduce most charges (then: fewest\n"
                  "periods) and names its choice on standard error"},
         setFlag<&Options::proposeRates>},
        {{.name = "reference",
          .value = "SERIES",
          .help = "prints instead whether the lender passed on each change of a\n"
                  "reference rate to the stored rate periods (the lender's variable rate):\n"
                  "each change of SERIES within the history, the lender's change that answers\n"
                  "it (the first in the same direction from the change's date to 62 days\n"
                  "after its date plus the lag that answers no earlier one), the days late,\n"
                  "the part not passed on and its cost: the interest due under the stored\n"
                  "rates less that with the change passed on in full from its date plus the\n"
                  "lag; then the costs' total. Each cost is a run over the whole history:\n"
                  "past 20 million changes times the history's rows, none is worked out and\n"
                  "the table is not printed. SERIES is a shipped series'\n"
                  "short name (--reference list), one the account holds, or a CSV file of\n"
                  "dates and rates. As CSV \"reference_date,reference_change,reference_rate,\n"
                  "lender_date,lender_change,lender_rate,days_late,not_passed_on,cost\"\n"
                  "(rates in per cent, every decimal they have; a change never answered\n"
                  "leaves the lender's fields empty)"},
         takeReference},
        {{.name = "margin",
          .value = "X",
          .help = "with --reference: the lender's rate should be the series plus X points;\n"
                  "reference_rate then shows that sum"},
         takeMargin},
        {{.name = "lag",
          .value = "DAYS",
          .help = "with --reference: days a change may take to pass on, 0 to 366 (default 0);\n"
                  "the lender's answer is looked for up to 62 days after them"},
         takeLag},
        {{.name = "owed",
          .help = "prints instead the rate periods the account's stored rate terms (or those\n"
                  "--terms gives) owe over its history, with how each came about; as CSV\n"
                  "\"from,to,rate,source\"\n"
                  "(source fixed, tracker, adjustable or variable). With --method and\n"
                  "--summary, the summary of the interest charged against the interest due\n"
                  "under those rates instead (the stored rate periods are not changed)"},
         setFlag<&Options::owed>},
        {{.name = "diagnose",
          .help = "prints instead which known mistake of a lender explains the differences\n"
                  "between the charges and the interest due: over every run of postings that\n"
                  "differ, the offset not counted, a rate change moved 1 to 62 days, a change\n"
                  "of the reference (of the account's variable rate terms) left out, late or\n"
                  "in part, a rate kept after it should have ended, repayments credited 1 to\n"
                  "10 days late, another day count or rounding; one counts when it gives every\n"
                  "charge of at least two postings to the cent. As CSV\n"
                  "\"explanation,from,to,postings,parameter,amount\": explanation one of\n"
                  "offset-not-counted, rate-change-moved, reference-not-passed-on, rate-kept,\n"
                  "credits-late, day-count, rounding, rest; parameter the first day not\n"
                  "counted, the days moved (+ late), the change's date (with \"late N\" or\n"
                  "\"short X\"), the day count and rounding, or the rest; amount the charges\n"
                  "less the interest due over the span. With repayment terms, a row\n"
                  "repayment-not-recalculated or interest-only-kept for each change after which\n"
                  "the repayment taken fell short of the one required (from the change to the\n"
                  "last repayment short; postings the repayments short; parameter the change's\n"
                  "date; amount the shortfall a repayment)"},
         setFlag<&Options::diagnose>},
        {{.name = "complaint",
          .value = "LETTER.odt",
          .help = "writes instead the letter of complaint to the lender, an\n"
                  "OpenDocument text to edit, from the details kept in the account (Prepare a\n"
                  "Complaint in the summary window): every posting charged --threshold or more\n"
                  "above its interest due, with what explains it, the total and the interest it\n"
                  "would have saved; a detail the account lacks (your name, the account\n"
                  "number, the lender's name) is written as a placeholder to fill in, such as\n"
                  "[your name], and said on standard error"},
         takeComplaint},
        {{.name = "evidence",
          .value = "EVIDENCE.pdf",
          .help = "writes the evidence pack behind it as PDF: the summary page,\n"
                  "the report, the working of each posting raised, the rate periods used and\n"
                  "where each came from, the changes of the reference passed on, the statements,\n"
                  "the method and conventions; each page names the account and the day"},
         takeEvidence},
        {{.name = "threshold",
          .value = "X",
          .help = "the least overcharge a posting raised has (default: the account's, else\n"
                  "1.00)"},
         takeThreshold},
        {{.name = "repayments",
          .help = "prints instead the repayments of the loan's repayment terms (the account's,\n"
                  "Lender, Repayment Terms, or those the options below give): each with the\n"
                  "rate in force, the balance owed on its day before it, the repayments after\n"
                  "it, the repayment the terms require (worked out at the first repayment,\n"
                  "after each change of the rate and when interest only ends: the level\n"
                  "repayment balance x i / (1 - (1 + i)^-n) over the n repayments left, i the\n"
                  "yearly rate over the repayments a year; while interest only, the period's\n"
                  "interest due), the deposit taken as the repayment (the nearest within 5\n"
                  "days, 3 fortnightly, 2 weekly) and the shortfall, required less taken;\n"
                  "then every change after which the lender's repayment fell short. As CSV\n"
                  "\"date,rate,balance,remaining,required,taken,shortfall\" (empty where there\n"
                  "is none)"},
         setFlag<&Options::repayments>},
        {{.name = "payoff",
          .help = "prints instead when the loan will be paid off: the history walked on day\n"
                  "by day under the method at the last repayment taken, the lender charging\n"
                  "the interest due, from the first repayment after the history's end; the\n"
                  "date of the repayment that clears the loan, the balance left after the\n"
                  "term's last repayment and the months to spare (below 0: after the term's\n"
                  "end); with --extra, the payoff and the interest saved with X more each\n"
                  "repayment. As CSV \"payoff_date,balance_left,months_to_spare,\n"
                  "new_payoff_date,interest_saved\" (dates empty when not paid off within\n"
                  "60 years of the term's end; the last two empty without --extra)"},
         setFlag<&Options::payoff>},
        {{.name = "extra",
          .value = "X",
          .help = "with --payoff: an amount added to every projected repayment"},
         takeExtra},
        {{.name = "first-repayment",
          .value = "DATE",
          .help = "the first repayment's date, for an account without repayment terms or\n"
                  "over its own (the account is not changed); with --repayments, --payoff,\n"
                  "--summary, --diagnose, --complaint and --evidence"},
         takeFirstRepayment},
        {{.name = "term",
          .value = "N",
          .help = "the term as a number of repayments, 1 to 2600"},
         takeTermCount},
        {{.name = "last-repayment",
          .value = "DATE",
          .help = "the term as the last repayment's date"},
         takeLastRepayment},
        {{.name = "initial-repayment-rate",
          .value = "P",
          .help = "the term as an initial repayment rate in per cent a year: the repayment\n"
                  "is (rate + P) x the amount / the repayments a year until the rate changes"},
         takeInitialRate},
        {{.name = "frequency",
          .value = "F",
          .help = "monthly (default), fortnightly or weekly"},
         takeFrequency},
        {{.name = "interest-only-until",
          .value = "DATE",
          .help = "interest only from the first repayment to DATE, its last day"},
         takeInterestOnlyUntil},
        {{.name = "terms",
          .value = "TERMS",
          .eachValue = true,
          .help = "one period of the loan's rate terms, for this run in place of every\n"
                  "period the account keeps (Lender, Rate Terms); the account is not changed.\n"
                  "Given once a period, as fields NAME=VALUE between commas: from=DATE (its\n"
                  "first day; it lasts to the day before the next period's) and\n"
                  "kind=fixed|tracker|adjustable|variable, both required, then the fields\n"
                  "of its kind. fixed: rate=R, until=DATE (its last day; default: until the\n"
                  "next period). tracker: series=S, margin=X, lag=DAYS (0 to 366) or\n"
                  "next-month=yes (each change from the first day of the next month).\n"
                  "adjustable: series=S, rate=R (until the first change), margin=X,\n"
                  "rounding=none|nearest|up|down, step=X (default 0.125),\n"
                  "first-change=DATE, months=N (between changes, 1 to 120, default 12),\n"
                  "look-back=DAYS, first-cap=X, each-cap=X, life-cap=X, floor=R.\n"
                  "variable (the stored rate periods, checked against S as --reference\n"
                  "does): series=S, lag=DAYS. S is a series as --reference takes it, DATE\n"
                  "YYYY-MM-DD, R a rate in per cent, X points. With --owed, --summary,\n"
                  "--diagnose, --complaint, --evidence or --pdf, for example\n"
                  "--terms from=2021-01-01,kind=fixed,rate=2.99,until=2022-12-31\n"
                  "--terms from=2023-01-01,kind=variable,series=rba-cash,lag=30"},
         takeTerms},
        {{.name = "help", .ends = true, .shortName = "-h", .help = "prints this text"}, nullptr},
        {{.name = "version", .ends = true, .help = "prints the program's version"}, nullptr},
    },
    takeAccount};

} // namespace

const CommandLine::Tool<Given>& optionTable() {
    return Table;
}

} // namespace ReportOptions
