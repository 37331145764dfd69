// Builds the empty template account (Blank.mdb) from the schema compiled into the program. Given
// an SQL file as well, applies its rows after the schema: test fixtures are built that way from
// checked-in text rather than kept as binary files.
#include "data/AccountConnection.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <sqlite3.h>

namespace {

// Runs the statements of `sqlFile` on the account at `path`, all or nothing.
bool applyRows(const QString& path, const QString& sqlFile, QString* error) {
    QFile file(sqlFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(sqlFile, file.errorString());
        return false;
    }
    const QByteArray sql = file.readAll();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK && !AccountDatabase::harden(db))
        rc = SQLITE_ERROR;
    char* message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        *error = QStringLiteral("%1: %2").arg(
            sqlFile, message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_free(message);
    sqlite3_close(db);
    return rc == SQLITE_OK;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vantrell-mktemplate OUTPUT [ROWS.sql]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QString error;
    if (!AccountDatabase::createFromSchema(output, &error)) {
        std::fprintf(stderr, "vantrell-mktemplate: %s\n", qPrintable(error));
        return 1;
    }
    if (argc == 3 && !applyRows(output, QString::fromLocal8Bit(argv[2]), &error)) {
        QFile::remove(output);
        std::fprintf(stderr, "vantrell-mktemplate: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
