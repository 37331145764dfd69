#pragma once

// What the tests of the bank-file import share, with or without a window: the rows read as text,
// a file written for one test, the statement the samples belong to, a good and a hostile OFX
// file, and what the OFX reader's child may leave behind (processes, temporary files).

#include "data/Money.h"
#include "engine/StatementHeader.h"
#include "import/ImportRow.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A sample of the import tests' corpus, tests/statements/import-corpus/NAME.
inline QByteArray corpusFile(const QString& name) {
    QFile f(QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", qPrintable(f.fileName()));
    return f.readAll();
}

inline QString money(Money m) {
    return QString::number(double(m.raw()) / Money::Scale, 'f', 2);
}

// "2024-01-05|Interest|-7.50|-907.50" a row, "line 4: <error>" a row that does not read.
inline QStringList describe(const QList<ImportedRow>& rows) {
    QStringList out;
    for (const ImportedRow& r : rows) {
        if (!r.ok()) {
            out << QStringLiteral("line %1: %2").arg(r.line).arg(r.error);
            continue;
        }
        QString s = QStringLiteral("%1|%2|%3")
                        .arg(r.date.toString(Qt::ISODate), r.description, money(r.amount));
        if (r.balance)
            s += u'|' + money(*r.balance);
        out << s;
    }
    return out;
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name,
                         const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

inline const QByteArray OneTransactionOfx =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS>"
    "<CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>"
    "CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n<STMTTRN><TRNTYPE>INT"
    "<DTPOSTED>20240105<TRNAMT>-7.50<FITID>1<NAME>Interest</STMTTRN>\n</BANKTRANLIST></STMTRS>"
    "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";

// An OFX file libofx does not finish within minutes: elements nested 20,000 deep.
inline QByteArray deeplyNestedOfx() {
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX>" +
           QByteArray("<BANKMSGSRSV1>").repeated(20000);
}

// Points QDir::tempPath(), and so every temporary file of the program and its children, at a
// folder of the test's own for one scope.
class OwnTempFolder {
public:
    OwnTempFolder() : m_old(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~OwnTempFolder() { qputenv("TMPDIR", m_old); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// The processes this one started that have not been waited for.
inline QStringList childProcesses() {
    QStringList children;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (list.open(QIODevice::ReadOnly))
            children << QString::fromLatin1(list.readAll()).split(u' ', Qt::SkipEmptyParts);
    }
    return children;
}

inline const StatementHeader January{
    {}, QDate(2024, 1, 1), QDate(2024, 1, 31), *Money::parse("-900"), *Money::parse("-612.50")};
