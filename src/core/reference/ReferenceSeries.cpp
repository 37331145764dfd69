#include "ReferenceSeries.h"

#include "data/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

std::optional<Rate> ReferenceSeries::rateOn(const QDate& day) const {
    const auto after =
        std::upper_bound(changes.cbegin(), changes.cend(), day,
                         [](const QDate& d, const SeriesChange& c) { return d < c.date; });
    if (after == changes.cbegin())
        return std::nullopt;
    return std::prev(after)->rate;
}

QDate ReferenceSeries::knownTo() const {
    if (coversTo.isValid())
        return coversTo;
    return changes.isEmpty() ? QDate() : changes.last().date;
}

namespace {

// ISO first; then day first, as every publisher outside the US writes a date with slashes.
QDate readDate(QStringView text) {
    text = text.trimmed();
    QDate d = QDate::fromString(text.toString(), Qt::ISODate);
    if (d.isValid())
        return d;
    for (const char* format : {"d/M/yyyy", "d-M-yyyy", "d.M.yyyy", "d MMM yyyy"}) {
        d = QDate::fromString(text.toString(), QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return {};
}

QStringList cellsOf(const QString& line) {
    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        if (line.contains(separator))
            return line.split(separator);
    }
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString unquoted(QString cell) {
    cell = cell.trimmed();
    if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
        cell = cell.mid(1, cell.size() - 2).trimmed();
    return cell;
}

// A "# name: value" line into the series' header.
void readHeaderLine(const QString& line, ReferenceSeries& s) {
    const QString body = line.mid(1).trimmed();
    const qsizetype colon = body.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    const QString name = body.left(colon).trimmed().toLower();
    const QString value = body.mid(colon + 1).trimmed();
    if (name == QLatin1String("name"))
        s.name = value;
    else if (name == QLatin1String("publisher"))
        s.publisher = value;
    else if (name == QLatin1String("table"))
        s.table = value;
    else if (name == QLatin1String("covers-to"))
        s.coversTo = QDate::fromString(value, Qt::ISODate);
}

} // namespace

namespace ReferenceSeriesFile {

std::optional<ReferenceSeries> parse(const QByteArray& text, const QString& key, QString* error) {
    ReferenceSeries s;
    s.key = key;
    QVector<SeriesChange> rows;
    const QStringList lines = QString::fromUtf8(text).split(QRegularExpression("\r\n|\r|\n"));
    bool headingSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (i == 0 && line.startsWith(QChar(0xfeff)))
            line = line.mid(1);
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            readHeaderLine(line, s);
            continue;
        }
        QStringList cells = cellsOf(line);
        while (cells.size() > 2 && unquoted(cells.last()).isEmpty())
            cells.removeLast();
        const QDate date = cells.size() == 2 ? readDate(unquoted(cells[0])) : QDate();
        const std::optional<Rate> rate =
            cells.size() == 2 ? Rate::parse(unquoted(cells[1])) : std::nullopt;
        if (date.isValid() && rate) {
            rows << SeriesChange{date, *rate};
            continue;
        }
        // One heading row before the rates ("effective_date,rate", "Date;Rate").
        if (rows.isEmpty() && !headingSeen && !date.isValid()) {
            headingSeen = true;
            continue;
        }
        *error =
            QCoreApplication::translate("ReferenceSeries", "line %1 is not a date and a rate: '%2'")
                .arg(i + 1)
                .arg(line);
        return std::nullopt;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SeriesChange& a, const SeriesChange& b) { return a.date < b.date; });
    for (const SeriesChange& row : std::as_const(rows)) {
        if (!s.changes.isEmpty() && s.changes.last().date == row.date) {
            *error = QCoreApplication::translate("ReferenceSeries", "the date %1 is given twice")
                         .arg(row.date.toString(Qt::ISODate));
            return std::nullopt;
        }
        if (s.changes.isEmpty() || s.changes.last().rate != row.rate)
            s.changes << row;
    }
    if (s.changes.isEmpty()) {
        *error = QCoreApplication::translate("ReferenceSeries", "it holds no dates and rates");
        return std::nullopt;
    }
    if (s.name.isEmpty())
        s.name = key;
    return s;
}

QByteArray write(const ReferenceSeries& series) {
    QString out;
    const auto header = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            out += QStringLiteral("# %1: %2\n").arg(QLatin1String(name), value);
    };
    header("name", series.name);
    header("publisher", series.publisher);
    header("table", series.table);
    header("covers-to", series.coversTo.toString(Qt::ISODate));
    out += QStringLiteral("effective_date,rate\n");
    for (const SeriesChange& c : series.changes)
        out += c.date.toString(Qt::ISODate) + QLatin1Char(',') + c.rate.exactText() +
               QLatin1Char('\n');
    return out.toUtf8();
}

QString keyFromFileName(const QString& fileName) {
    return keyFromName(QFileInfo(fileName).completeBaseName());
}

QString keyFromName(const QString& name) {
    QString key = name.toLower();
    key.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    while (key.startsWith(QLatin1Char('-')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('-')))
        key.chop(1);
    return key.isEmpty() ? QStringLiteral("series") : key;
}

} // namespace ReferenceSeriesFile

namespace ShippedSeries {

QString folder() {
    return ProgramPaths::programFolder() + QStringLiteral("/Series");
}

QVector<ReferenceSeries> all(QStringList* notices) {
    QVector<ReferenceSeries> series;
    const QStringList files =
        QDir(folder()).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QString error;
        if (std::optional<ReferenceSeries> s = find(QFileInfo(name).completeBaseName(), &error))
            series << *s;
        else if (notices)
            notices->append(error);
    }
    return series;
}

std::optional<ReferenceSeries> find(const QString& key, QString* error) {
    const QString path = folder() + QLatin1Char('/') + key + QStringLiteral(".csv");
    QFile file(path);
    // A file of a series is small; one far larger is not one.
    if (key.contains(QLatin1Char('/')) || !file.open(QIODevice::ReadOnly) ||
        file.size() > 4 * 1024 * 1024) {
        *error =
            QCoreApplication::translate("ReferenceSeries", "no reference series '%1' is shipped")
                .arg(key);
        return std::nullopt;
    }
    QString why;
    std::optional<ReferenceSeries> s = ReferenceSeriesFile::parse(file.readAll(), key, &why);
    if (!s)
        *error =
            QCoreApplication::translate("ReferenceSeries", "the series file '%1' does not read: %2")
                .arg(path, why);
    return s;
}

} // namespace ShippedSeries
