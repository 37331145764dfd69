#include "ComplaintDetails.h"

#include "data/StoredValue.h"
#include "engine/AccountStore.h"

#include <QCoreApplication>

namespace {

const char* const Words[] = {"none", "au", "nz", "uk", "ie", "us", "ca"};

// The settings' names.
const QString BorrowerName = QStringLiteral("ComplaintBorrowerName");
const QString BorrowerAddress = QStringLiteral("ComplaintBorrowerAddress");
const QString AccountNumber = QStringLiteral("ComplaintAccountNumber");
const QString LenderName = QStringLiteral("ComplaintLenderName");
const QString LenderAddress = QStringLiteral("ComplaintLenderAddress");
const QString Country = QStringLiteral("ComplaintCountry");
const QString Threshold = QStringLiteral("ComplaintThreshold");

} // namespace

namespace Complaints {

QStringList countryNames() {
    return {//: No country chosen
            QCoreApplication::translate("ComplaintDetails", "None"),
            QCoreApplication::translate("ComplaintDetails", "Australia"),
            QCoreApplication::translate("ComplaintDetails", "New Zealand"),
            QCoreApplication::translate("ComplaintDetails", "United Kingdom"),
            QCoreApplication::translate("ComplaintDetails", "Ireland"),
            QCoreApplication::translate("ComplaintDetails", "United States"),
            QCoreApplication::translate("ComplaintDetails", "Canada")};
}

QString countryWord(ComplaintCountry c) {
    return QString::fromLatin1(Words[int(c)]);
}

ComplaintDetails readDetails(QSqlDatabase db) {
    ComplaintDetails d;
    const auto text = [&](const QString& name) {
        return AccountStore::readSetting(db, name).value_or(QString());
    };
    d.borrowerName = text(BorrowerName);
    d.borrowerAddress = text(BorrowerAddress);
    d.accountNumber = text(AccountNumber);
    d.lenderName = text(LenderName);
    d.lenderAddress = text(LenderAddress);
    const QString country = text(Country);
    for (int i = 0; i < int(std::size(Words)); ++i) {
        if (country == QLatin1String(Words[i]))
            d.country = ComplaintCountry(i);
    }
    // A threshold that does not read keeps the default.
    if (const std::optional<Money> t = StoredValue::moneyFromText(text(Threshold));
        t && t->raw() >= 0)
        d.threshold = *t;
    return d;
}

QVector<MissingDetail> missingDetails(const ComplaintDetails& d) {
    QVector<MissingDetail> missing;
    if (d.borrowerName.trimmed().isEmpty())
        missing << MissingDetail{MissingDetail::BorrowerName,
                                 QCoreApplication::translate("ComplaintDetails", "your name"),
                                 QStringLiteral("[your name]")};
    if (d.accountNumber.trimmed().isEmpty())
        missing << MissingDetail{
            MissingDetail::AccountNumber,
            QCoreApplication::translate("ComplaintDetails", "the loan account number"),
            QStringLiteral("[account number]")};
    if (d.lenderName.trimmed().isEmpty())
        missing << MissingDetail{
            MissingDetail::LenderName,
            QCoreApplication::translate("ComplaintDetails", "the lender's name"),
            QStringLiteral("[lender's name]")};
    return missing;
}

ComplaintDetails withPlaceholders(ComplaintDetails d) {
    for (const MissingDetail& m : missingDetails(d)) {
        QString& field = m.field == MissingDetail::BorrowerName    ? d.borrowerName
                         : m.field == MissingDetail::AccountNumber ? d.accountNumber
                                                                   : d.lenderName;
        field = m.placeholder;
    }
    return d;
}

bool writeDetails(QSqlDatabase db, const ComplaintDetails& d, QString* error) {
    return AccountStore::writeSettings(db,
                                      {{BorrowerName, d.borrowerName},
                                       {BorrowerAddress, d.borrowerAddress},
                                       {AccountNumber, d.accountNumber},
                                       {LenderName, d.lenderName},
                                       {LenderAddress, d.lenderAddress},
                                       {Country, countryWord(d.country)},
                                       {Threshold, StoredValue::moneyText(d.threshold)}},
                                      error);
}

QString countryParagraph(ComplaintCountry c) {
    switch (c) {
    case ComplaintCountry::None:
        break;
    case ComplaintCountry::Australia:
        return QStringLiteral(
            "Under ASIC Regulatory Guide 271 you have 30 calendar days to give me your final "
            "response to this complaint. If you do not, or I am not satisfied with it, I may take "
            "the complaint to the Australian Financial Complaints Authority (AFCA).");
    case ComplaintCountry::NewZealand:
        return QStringLiteral(
            "If this complaint is not resolved within two months, or we reach deadlock, I may "
            "refer it to the dispute resolution scheme you belong to (for a bank, the Banking "
            "Ombudsman Scheme).");
    case ComplaintCountry::UnitedKingdom:
        return QStringLiteral(
            "Under the Financial Conduct Authority's complaint handling rules (DISP) you have "
            "eight weeks to send me your final response. If you do not, or I am not satisfied "
            "with it, I may refer the complaint to the Financial Ombudsman Service.");
    case ComplaintCountry::Ireland:
        return QStringLiteral(
            "Under the Central Bank of Ireland's Consumer Protection Code you should resolve "
            "this complaint within 40 business days. If you do not, or I am not satisfied with "
            "your response, I may refer it to the Financial Services and Pensions Ombudsman.");
    case ComplaintCountry::UnitedStates:
        return QStringLiteral(
            "This letter is a notice of error under 12 CFR 1024.35 (Regulation X). Please "
            "acknowledge it in writing within 5 business days, and correct the error or tell me "
            "in writing why you believe no error occurred within 30 business days.");
    case ComplaintCountry::Canada:
        return QStringLiteral(
            "Under the Financial Consumer Protection Framework you have 56 days to give me your "
            "final response. After that I may take the complaint to the external complaints "
            "body you belong to.");
    }
    return QString();
}

} // namespace Complaints
