#include "ImportRow.h"

#include <algorithm>

namespace {

// Marks the start of a result, so that anything else on the stream is told apart.
constexpr quint32 ResultMark = 0x56524431; // "VRD1"

} // namespace

bool severalHaveEntries(const QList<StatementAccount>& accounts) {
    return std::count_if(accounts.begin(), accounts.end(),
                         [](const StatementAccount& a) { return a.rows > 0; }) > 1;
}

bool statesBalances(const QList<ImportedRow>& rows) {
    return std::any_of(rows.begin(), rows.end(),
                       [](const ImportedRow& r) { return r.movesMoney() && r.balance; });
}

QDataStream& operator<<(QDataStream& out, const ReadResult& result) {
    out << ResultMark << quint8(result.format) << result.error << quint8(result.dateOrder)
        << result.dateOrderAmbiguous << qint64(result.rows.size());
    for (const ImportedRow& r : result.rows) {
        out << qint32(r.line) << r.date << r.description << r.amount.raw() << r.balance.has_value()
            << (r.balance ? r.balance->raw() : 0) << r.fitId << r.ofxType << r.correctsFitId
            << r.cancels << r.pending << r.error;
    }
    return out;
}

QDataStream& operator>>(QDataStream& in, ReadResult& result) {
    result = ReadResult();
    quint32 mark = 0;
    quint8 format = 0;
    quint8 order = 0;
    qint64 count = 0;
    in >> mark >> format >> result.error >> order >> result.dateOrderAmbiguous >> count;
    if (in.status() != QDataStream::Ok || mark != ResultMark ||
        format > quint8(StatementFormat::Mt940) || order > quint8(DateOrder::MonthFirst) ||
        count < 0) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    result.format = StatementFormat(format);
    result.dateOrder = DateOrder(order);
    // Rows are added as they arrive: a count that lies cannot make a large allocation.
    for (qint64 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        ImportedRow r;
        qint32 line = 0;
        qint64 amount = 0;
        bool hasBalance = false;
        qint64 balance = 0;
        in >> line >> r.date >> r.description >> amount >> hasBalance >> balance >> r.fitId >>
            r.ofxType >> r.correctsFitId >> r.cancels >> r.pending >> r.error;
        r.line = line;
        r.amount = Money::fromRaw(amount);
        if (hasBalance)
            r.balance = Money::fromRaw(balance);
        result.rows << std::move(r);
    }
    if (in.status() != QDataStream::Ok)
        result = ReadResult();
    return in;
}

QString formatName(StatementFormat format) {
    switch (format) {
    case StatementFormat::Csv:
        return QStringLiteral("CSV");
    case StatementFormat::Ofx:
        return QStringLiteral("OFX");
    case StatementFormat::Qif:
        return QStringLiteral("QIF");
    case StatementFormat::Camt:
        return QStringLiteral("camt");
    case StatementFormat::Mt940:
        return QStringLiteral("MT940");
    }
    return {};
}
