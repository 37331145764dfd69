#include "AccountFixture.h"

#include "data/AccountConnection.h"
#include "data/ProgramPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

AccountFixture::AccountFixture() {
    QDir(m_dir.path()).mkpath("Data");
    QFile::copy(QStringLiteral(VANTRELL_PROGRAM_DIR "/Blank.mdb"), m_dir.filePath("Blank.mdb"));
    const QDir help(QStringLiteral(VANTRELL_PROGRAM_DIR "/Data"));
    for (const QString& page : help.entryList({"*.rtf"}, QDir::Files))
        QFile::copy(help.filePath(page), dataFolder() + page);
    // The OFX reader's child program, found in the program folder as in an installed one.
    QFile::link(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-ofxread"),
                m_dir.filePath("vantrell-ofxread"));
    ProgramPaths::setProgramFolder(m_dir.path());
}

AccountFixture::~AccountFixture() {
    ProgramPaths::setProgramFolder(QString());
}

QString AccountFixture::newAccount(const QString& name) {
    const QString target = QDir::isAbsolutePath(name) ? name : dataFolder() + name;
    QString error;
    if (!AccountDatabase::createFromSchema(target, &error))
        qWarning("could not create account %s: %s", qPrintable(target), qPrintable(error));
    return target;
}

void AccountFixture::exec(const QString& account, const QString& sql) {
    AccountConnection c;
    QVERIFY2(c.open(account), qPrintable(c.lastError()));
    QSqlQuery q(c.database());
    QVERIFY2(q.exec(sql), qPrintable(q.lastError().text() + " in " + sql));
}

QStringList AccountFixture::column(const QString& account, const QString& sql) {
    QStringList values;
    AccountConnection c;
    if (!c.open(account))
        return values;
    QSqlQuery q(c.database());
    if (!q.exec(sql))
        return {QStringLiteral("error: ") + q.lastError().text()};
    while (q.next())
        values << (q.value(0).isNull() ? QStringLiteral("NULL") : q.value(0).toString());
    return values;
}

QByteArray AccountFixture::sha256(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex();
}
