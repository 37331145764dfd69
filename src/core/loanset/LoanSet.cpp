#include "LoanSet.h"

#include "data/OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace LoanSet {

namespace {

const QString Format = QStringLiteral("vantrell-loan-set");
constexpr int Version = 1;

std::optional<Part> partOf(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    Part p;
    p.name = o.value(QStringLiteral("name")).toString().trimmed();
    p.account = o.value(QStringLiteral("account")).toString().trimmed();
    const QJsonValue method = o.value(QStringLiteral("method"));
    if (method.isDouble()) {
        const double code = method.toDouble();
        if (code != double(int(code)) || !InterestMethod::isCode(int(code)))
            return std::nullopt;
        p.method = InterestMethod::Code(int(code));
    } else if (!method.isUndefined() && !method.isNull()) {
        return std::nullopt;
    }
    return p;
}

} // namespace

QString refusal(const Set& s) {
    if (s.name.trimmed().isEmpty())
        return QCoreApplication::translate("LoanSet", "The loan set needs a name.");
    if (s.parts.isEmpty())
        return QCoreApplication::translate("LoanSet", "The loan set needs at least one part.");
    if (s.parts.size() > MostParts)
        return QCoreApplication::translate("LoanSet", "A loan set has at most %1 parts.")
            .arg(MostParts);
    QSet<QString> names;
    QSet<QString> accounts;
    for (const Part& p : s.parts) {
        if (p.name.trimmed().isEmpty() || p.account.trimmed().isEmpty())
            return QCoreApplication::translate("LoanSet",
                                               "Each part needs a name and an account file.");
        if (names.contains(p.name.toCaseFolded()))
            return QCoreApplication::translate("LoanSet", "Two parts are named \"%1\".")
                .arg(p.name);
        if (accounts.contains(QDir::cleanPath(p.account)))
            return QCoreApplication::translate("LoanSet", "Two parts name the account \"%1\".")
                .arg(p.account);
        names.insert(p.name.toCaseFolded());
        accounts.insert(QDir::cleanPath(p.account));
    }
    return {};
}

std::optional<Set> read(const QString& path, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QCoreApplication::translate("LoanSet", "'%1' is not a loan set: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return std::nullopt;
    };
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("LoanSet", "it cannot be read."));
    if (file.size() > MostBytes)
        return fail(QCoreApplication::translate("LoanSet", "it is larger than any loan set."));
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(MostBytes), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject())
        return fail(QCoreApplication::translate("LoanSet", "it is not JSON text of an object."));
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toString() != Format)
        return fail(QCoreApplication::translate("LoanSet", "it does not say it is one."));
    if (o.value(QStringLiteral("version")).toInt(0) != Version)
        return fail(QCoreApplication::translate("LoanSet",
                                                "it is of a version this program does not read."));
    Set s;
    s.name = o.value(QStringLiteral("name")).toString().trimmed();
    const QJsonArray parts = o.value(QStringLiteral("parts")).toArray();
    for (const QJsonValue& v : parts) {
        if (s.parts.size() > MostParts)
            break;
        const std::optional<Part> p = partOf(v);
        if (!p)
            return fail(QCoreApplication::translate(
                "LoanSet", "a part is not a name, an account file and a method of 0 to 3."));
        s.parts << *p;
    }
    if (const QString why = refusal(s); !why.isEmpty())
        return fail(why);
    return s;
}

bool write(const QString& path, const Set& s, QString* error) {
    if (const QString why = refusal(s); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    QJsonArray parts;
    QStringList keep;
    for (const Part& p : s.parts) {
        QJsonObject o{{QStringLiteral("name"), p.name}, {QStringLiteral("account"), p.account}};
        if (p.method)
            o.insert(QStringLiteral("method"), int(*p.method));
        parts.append(o);
        keep << accountPath(path, p);
    }
    const QJsonObject root{{QStringLiteral("format"), Format},
                           {QStringLiteral("version"), Version},
                           {QStringLiteral("name"), s.name},
                           {QStringLiteral("parts"), parts}};
    return OutputFile::write(path, QJsonDocument(root).toJson(QJsonDocument::Indented), keep,
                             error);
}

QString accountPath(const QString& setPath, const Part& p) {
    if (QFileInfo(p.account).isAbsolute())
        return QDir::cleanPath(p.account);
    return QDir::cleanPath(QFileInfo(setPath).absoluteDir().filePath(p.account));
}

QString accountName(const QString& setPath, const QString& account) {
    const QDir folder = QFileInfo(setPath).absoluteDir();
    const QString relative = folder.relativeFilePath(QFileInfo(account).absoluteFilePath());
    return relative.startsWith(QLatin1String("..")) ? QFileInfo(account).absoluteFilePath()
                                                    : relative;
}

} // namespace LoanSet
