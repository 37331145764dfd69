#include "RepaymentTerms.h"

#include "data/ShortDate.h"
#include "data/StoredValue.h"
#include "engine/AccountStore.h"

#include <QCoreApplication>

#include <cmath>

namespace Repayments {

namespace {

const QString FirstSetting = QStringLiteral("RepaymentFirst");
const QString TermSetting = QStringLiteral("RepaymentTerm");
const QString FrequencySetting = QStringLiteral("RepaymentFrequency");
const QString InterestOnlySetting = QStringLiteral("RepaymentInterestOnly");
const QString StatedSetting = QStringLiteral("RepaymentStated");
const QString RoundingSetting = QStringLiteral("RepaymentRounding");
const QString UntickedSetting = QStringLiteral("RepaymentUnticked");

// A repayment no loan could need: kept far inside the range of amounts.
constexpr long double MostAmount = 1e12L;

QString termText(const Terms& t) {
    switch (t.termKind) {
    case TermKind::LastRepayment:
        return QStringLiteral("last ") + ShortDate::toIso(t.lastRepayment);
    case TermKind::Count:
        return QStringLiteral("count ") + QString::number(t.count);
    case TermKind::InitialRate:
        return QStringLiteral("initial ") + t.initialRate.exactText();
    }
    return {};
}

bool readTerm(const QString& text, Terms& t) {
    const QString value = text.section(QLatin1Char(' '), 1);
    if (text.startsWith(QLatin1String("last "))) {
        t.termKind = TermKind::LastRepayment;
        t.lastRepayment = ShortDate::fromIso(value);
        return t.lastRepayment.isValid();
    }
    if (text.startsWith(QLatin1String("count "))) {
        bool ok = false;
        t.termKind = TermKind::Count;
        t.count = value.toInt(&ok);
        return ok;
    }
    if (text.startsWith(QLatin1String("initial "))) {
        const std::optional<Rate> r = Rate::parse(value);
        t.termKind = TermKind::InitialRate;
        t.initialRate = r.value_or(Rate());
        return r.has_value();
    }
    return false;
}

bool readInterestOnly(const QString& text, Terms& t) {
    for (const QString& span : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const InterestOnly io{ShortDate::fromIso(span.section(QLatin1Char('/'), 0, 0)),
                              ShortDate::fromIso(span.section(QLatin1Char('/'), 1, 1))};
        if (!io.from.isValid() || !io.to.isValid())
            return false;
        t.interestOnly.append(io);
    }
    return true;
}

bool readUnticked(const QString& text, Terms& t) {
    for (const QString& id : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        t.unticked.append(id.toLongLong(&ok));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

bool Terms::interestOnlyOn(const QDate& date) const {
    for (const InterestOnly& io : interestOnly)
        if (date >= io.from && date <= io.to)
            return true;
    return false;
}

int perYear(Frequency f) {
    switch (f) {
    case Frequency::Fortnightly:
        return 26;
    case Frequency::Weekly:
        return 52;
    case Frequency::Monthly:
        break;
    }
    return 12;
}

QString word(Frequency f) {
    static const QStringList words = {QStringLiteral("monthly"), QStringLiteral("fortnightly"),
                                      QStringLiteral("weekly")};
    return words.value(int(f));
}

std::optional<Frequency> frequencyFromWord(const QString& w) {
    for (Frequency f : {Frequency::Monthly, Frequency::Fortnightly, Frequency::Weekly})
        if (w.compare(word(f), Qt::CaseInsensitive) == 0)
            return f;
    return std::nullopt;
}

QStringList frequencyNames() {
    return {QCoreApplication::translate("Repayments", "Monthly"),
            QCoreApplication::translate("Repayments", "Fortnightly"),
            QCoreApplication::translate("Repayments", "Weekly")};
}

QString word(Rounding r) {
    static const QStringList words = {QStringLiteral("nearest-cent"), QStringLiteral("up-cent"),
                                      QStringLiteral("up-dollar")};
    return words.value(int(r));
}

std::optional<Rounding> roundingFromWord(const QString& w) {
    for (Rounding r : {Rounding::NearestCent, Rounding::UpToCent, Rounding::UpToDollar})
        if (w.compare(word(r), Qt::CaseInsensitive) == 0)
            return r;
    return std::nullopt;
}

QStringList roundingNames() {
    return {QCoreApplication::translate("Repayments", "To the nearest cent"),
            QCoreApplication::translate("Repayments", "Up to the cent"),
            QCoreApplication::translate("Repayments", "Up to the dollar")};
}

QString refusal(const Terms& t) {
    if (!t.isSet())
        return {};
    if (!ShortDate::inRange(t.firstRepayment))
        return QCoreApplication::translate(
            "Repayments", "The first repayment's date is not a date the program can work with.");
    switch (t.termKind) {
    case TermKind::LastRepayment:
        if (!t.lastRepayment.isValid() || t.lastRepayment < t.firstRepayment)
            return QCoreApplication::translate(
                "Repayments", "The last repayment must fall on or after the first.");
        if (schedule(t).size() >= MostRepayments)
            return QCoreApplication::translate("Repayments",
                                               "A term runs to %1 repayments at most.")
                .arg(MostRepayments);
        break;
    case TermKind::Count:
        if (t.count < 1 || t.count > MostRepayments)
            return QCoreApplication::translate("Repayments",
                                               "The number of repayments must be from 1 to %1.")
                .arg(MostRepayments);
        break;
    case TermKind::InitialRate:
        if (t.initialRate <= Rate() || t.initialRate > Rate::fromThousandths(100'000))
            return QCoreApplication::translate(
                "Repayments",
                "The initial repayment rate must be above 0 and at most 100 per cent.");
        break;
    }
    for (qsizetype i = 0; i < t.interestOnly.size(); ++i) {
        const InterestOnly& io = t.interestOnly[i];
        if (!io.from.isValid() || !io.to.isValid() || io.to < io.from)
            return QCoreApplication::translate(
                "Repayments", "An interest-only period must end on or after the day it starts.");
        for (qsizetype j = 0; j < i; ++j)
            if (io.from <= t.interestOnly[j].to && t.interestOnly[j].from <= io.to)
                return QCoreApplication::translate("Repayments",
                                                   "Two interest-only periods overlap.");
    }
    if (t.stated && t.stated->raw() <= 0)
        return QCoreApplication::translate("Repayments",
                                           "The repayment the lender stated must be above zero.");
    return {};
}

QDate repaymentDate(const Terms& t, int k) {
    switch (t.frequency) {
    case Frequency::Fortnightly:
        return t.firstRepayment.addDays(14LL * k);
    case Frequency::Weekly:
        return t.firstRepayment.addDays(7LL * k);
    case Frequency::Monthly:
        break;
    }
    // From the first each time, so that a repayment on the 31st comes back after a short month.
    return t.firstRepayment.addMonths(k);
}

QVector<QDate> schedule(const Terms& t, int most) {
    QVector<QDate> dates;
    if (!t.isSet())
        return dates;
    for (int k = 0; k < most; ++k) {
        const QDate d = repaymentDate(t, k);
        if (t.termKind == TermKind::Count && k >= t.count)
            break;
        if (t.termKind == TermKind::LastRepayment && d > t.lastRepayment)
            break;
        dates.append(d);
    }
    return dates;
}

long double periodicRate(Rate rate, Frequency f, Compounding c) {
    const long double yearly = (long double)(rate.raw()) / Rate::Scale / 100.0L;
    const int n = perYear(f);
    if (c == Compounding::HalfYearly)
        return std::pow(1.0L + yearly / 2.0L, 2.0L / n) - 1.0L;
    return yearly / n;
}

std::optional<Money> rounded(long double amount, Rounding r) {
    if (!std::isfinite(amount) || std::fabs(amount) > MostAmount)
        return std::nullopt;
    // A worked-out amount a hair above a whole cent is that cent, not the next one up.
    constexpr long double Noise = 1e-7L;
    long double cents = 0;
    switch (r) {
    case Rounding::NearestCent:
        cents = std::round(amount * 100.0L);
        break;
    case Rounding::UpToCent:
        cents = std::ceil(amount * 100.0L - Noise);
        break;
    case Rounding::UpToDollar:
        cents = std::ceil(amount - Noise) * 100.0L;
        break;
    }
    return Money::fromRaw(qint64(cents) * (Money::Scale / 100));
}

std::optional<Money> level(Money balance, long double periodic, int n, Rounding r) {
    if (n < 1)
        return std::nullopt;
    const long double b = (long double)(balance.raw()) / Money::Scale;
    if (periodic == 0.0L)
        return rounded(b / n, r);
    return rounded(b * periodic / (1.0L - std::pow(1.0L + periodic, -(long double)n)), r);
}

std::optional<int> repaymentsNeeded(Money balance, long double periodic, Money repayment) {
    const long double b = (long double)(balance.raw()) / Money::Scale;
    const long double p = (long double)(repayment.raw()) / Money::Scale;
    if (p <= 0)
        return std::nullopt;
    long double n = b / p;
    if (periodic > 0) {
        if (p <= b * periodic)
            return std::nullopt;
        n = -std::log(1.0L - periodic * b / p) / std::log(1.0L + periodic);
    }
    if (!std::isfinite(n) || n > 100.0L * MostRepayments)
        return std::nullopt;
    return int(std::ceil(n - 1e-9L));
}

std::optional<Money> leftAfter(Money balance, long double periodic, Money repayment, int n) {
    // Period by period, each period's interest posted in cents as a lender posts it.
    long double owed = std::round((long double)(balance.raw()) / (Money::Scale / 100));
    const long double paid = std::round((long double)(repayment.raw()) / (Money::Scale / 100));
    for (int k = 0; k < n && std::fabs(owed) < MostAmount * 100; ++k)
        owed += std::round(owed * periodic) - paid;
    return rounded(owed / 100.0L, Rounding::NearestCent);
}

QString formula() {
    return QCoreApplication::translate(
        "Repayments",
        "The repayment required is the level repayment that repays the balance over the "
        "repayments left: balance × i ÷ (1 − (1 + i)^−n), where i is the rate a year ÷ "
        "the repayments a year (under half-yearly compounding, (1 + rate ÷ 2)^(2 ÷ "
        "repayments a year) − 1) and n the repayments dated after the day. It is worked "
        "out at the first repayment, after each change of the rate, and when a period of "
        "interest only ends, on the balance after that day's rows, and rounded as the "
        "lender rounds. While interest only, it is the period's interest due. Under an "
        "initial repayment rate it is (rate + initial repayment rate) × the amount ÷ the "
        "repayments a year, until the rate changes.");
}

Terms read(QSqlDatabase db, QString* notice) {
    Terms t;
    const std::optional<QString> first = AccountStore::readSetting(db, FirstSetting);
    if (!first || first->isEmpty())
        return t;
    const auto text = [&](const QString& name) {
        return AccountStore::readSetting(db, name).value_or(QString());
    };
    t.firstRepayment = ShortDate::fromIso(*first);
    bool readable = t.firstRepayment.isValid() && readTerm(text(TermSetting), t) &&
                    readInterestOnly(text(InterestOnlySetting), t) &&
                    readUnticked(text(UntickedSetting), t);
    const std::optional<Frequency> f = frequencyFromWord(text(FrequencySetting));
    const std::optional<Rounding> r = roundingFromWord(text(RoundingSetting));
    readable = readable && f && r;
    if (readable) {
        t.frequency = *f;
        t.rounding = *r;
        if (const QString stated = text(StatedSetting); !stated.isEmpty()) {
            t.stated = StoredValue::moneyFromText(stated);
            readable = t.stated.has_value();
        }
    }
    if (!readable || !refusal(t).isEmpty()) {
        if (notice)
            *notice = QCoreApplication::translate(
                "Repayments", "The repayment terms kept in the account cannot be read; the account "
                              "is checked without them.");
        return {};
    }
    return t;
}

bool write(QSqlDatabase db, const Terms& t, QString* error) {
    if (const QString why = refusal(t); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    QStringList spans;
    for (const InterestOnly& io : t.interestOnly)
        spans << ShortDate::toIso(io.from) + QLatin1Char('/') + ShortDate::toIso(io.to);
    QStringList ids;
    for (qint64 id : t.unticked)
        ids << QString::number(id);
    const bool set = t.isSet();
    return AccountStore::writeSettings(
        db,
        {{FirstSetting, set ? ShortDate::toIso(t.firstRepayment) : QString()},
         {TermSetting, set ? termText(t) : QString()},
         {FrequencySetting, set ? word(t.frequency) : QString()},
         {InterestOnlySetting, set ? spans.join(QLatin1Char(';')) : QString()},
         {StatedSetting, set && t.stated ? StoredValue::moneyText(*t.stated) : QString()},
         {RoundingSetting, set ? word(t.rounding) : QString()},
         {UntickedSetting, set ? ids.join(QLatin1Char(',')) : QString()}},
        error);
}

} // namespace Repayments
