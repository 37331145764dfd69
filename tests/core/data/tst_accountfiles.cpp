// New and Open's whole-file operations. The guarantee under test: whatever step of Open fails,
// the account is still there under its own name with the same contents, and no scratch file is
// left behind; a crashed save or a WAL file is made whole first, and a file that is read-only,
// foreign, newer or busy is refused as it is.
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/AccountSchema.h"
#include "support/AccountFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Fails one chosen step, as a full disk or a refused rename would.
class FailingOps : public FileOps {
public:
    QString failStep;
    FileError failure() const { return FileError{FileError::AccessError, "injected " + failStep}; }
    FileError vacuumInto(const QString& s, const QString& d) override {
        if (failStep == "copy")
            return failure();
        if (failStep == "copy half") {
            // Leaves a partial file behind, as a copy cut short would.
            QFile f(d);
            f.open(QIODevice::WriteOnly);
            f.write("SQLite format 3");
            return failure();
        }
        return FileOps::vacuumInto(s, d);
    }
    FileError sync(const QString& p) override {
        if (failStep == "killed")
            ::_exit(9); // as kill -9 would: the copy written, not yet synced or renamed
        return failStep == "sync" ? failure() : FileOps::sync(p);
    }
    FileError replace(const QString& f, const QString& t) override {
        return failStep == "rename" ? failure() : FileOps::replace(f, t);
    }
    FileError copy(const QString& f, const QString& t) override {
        return failStep == "move beside" ? failure() : FileOps::copy(f, t);
    }
    bool sameFileSystem(const QString& a, const QString& b) override {
        return forceOtherFileSystem ? false : FileOps::sameFileSystem(a, b);
    }
    bool forceOtherFileSystem = false;
};

// The Data folder and the account on different file systems, when this machine lets a test
// mount one; otherwise the test is skipped.
struct SmallTmpfs {
    QString path;
    bool mounted = false;
    explicit SmallTmpfs(const QString& where, const char* size, unsigned long flags = 0)
        : path(where) {
        QDir().mkpath(where);
        const QByteArray options = QByteArray("size=") + size;
        mounted = ::mount("tmpfs", where.toLocal8Bit().constData(), "tmpfs", flags,
                          options.constData()) == 0;
    }
    ~SmallTmpfs() {
        if (mounted)
            ::umount2(path.toLocal8Bit().constData(), MNT_DETACH);
    }
};

// Another program's save on the account: `sql` run in a child process that then dies before
// it commits or closes, as a crash or kill -9 would leave it.
void dieDuring(const QString& account, const char* sql) {
    const pid_t child = ::fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(account.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

// Statements separated by '|' (a trigger holds ';').
void execAll(const QString& account, const QString& statements) {
    for (const QString& sql : statements.split('|'))
        AccountFixture::exec(account, sql);
}

// The account, and whatever else lies beside it of its own name or of the scratch file.
QStringList accountAndSideFiles(const QString& account) {
    const QFileInfo info(account);
    return QDir(info.path())
        .entryList({info.fileName() + "*", ".*", "Temp.mdb*"}, QDir::Files | QDir::Hidden);
}

// Written by another tool: the program's columns, no CHECK constraints.
const QString LooseHistory = QStringLiteral(
    "drop table tblAllRecords|create table tblAllRecords (ID INTEGER PRIMARY KEY, Date TEXT, "
    "GovtCharge INTEGER, BankCharge INTEGER, UserWithdrawal INTEGER, Deposit INTEGER, "
    "InterestPayment INTEGER, OpenBalance INTEGER, CloseBalance INTEGER, InterestDue INTEGER)");

} // namespace

class TestAccountFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    QString m_account;
    QString m_scratch;

    void fillAccount(const QString& account, int rows) {
        AccountFixture::exec(
            account,
            QStringLiteral(
                "with recursive n(i) as (select 1 union all select i+1 from n where i < %1) "
                "insert into tblAllRecords (Date, Deposit, OpenBalance) "
                "select date('2020-01-01', '+' || i || ' days'), i * 10000, -i from n")
                .arg(rows));
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_account = m_fixture->newAccount();
        m_scratch = m_fixture->dataFolder() + "Temp.mdb";
        fillAccount(m_account, 200);
    }
    void cleanup() { m_fixture.reset(); }

    void newMakesAnEmptyAccount_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Loan.mdb";
        QTest::newRow("quote and space") << "Bob's loan 2024.mdb";
        QTest::newRow("letters beyond ASCII") << "Prêt Zoë ☺.mdb";
        QTest::newRow("no extension") << "Loan";
    }
    void newMakesAnEmptyAccount() {
        QFETCH(QString, name);
        const QString target = m_fixture->dataFolder() + name;
        const FileError e = AccountFiles::createFromTemplate(m_fixture->path("Blank.mdb"), target);
        QVERIFY2(!e, qPrintable(e.text));
        QString error;
        QVERIFY2(AccountDatabase::isAccountFile(target, &error), qPrintable(error));
    }

    void newRefusesAnExistingFileAndLeavesItAlone() {
        const QByteArray before = AccountFixture::sha256(m_account);
        const FileError e =
            AccountFiles::createFromTemplate(m_fixture->path("Blank.mdb"), m_account);
        QCOMPARE(e.number, int(FileError::AlreadyExists));
        QCOMPARE(AccountFixture::sha256(m_account), before);
    }

    void newWithoutTemplateFails() {
        const QString target = m_fixture->dataFolder() + "New.mdb";
        const FileError e =
            AccountFiles::createFromTemplate(m_fixture->path("Missing.mdb"), target);
        QCOMPARE(e.number, int(FileError::NotFound));
        QVERIFY(!QFile::exists(target));
    }

    void openCompactsInPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("in the Data folder") << "HomeLoan1.mdb";
        QTest::newRow("quote, space and accents") << "O'Brien prêt.mdb";
    }
    void openCompactsInPlace() {
        QFETCH(QString, name);
        const QString account = m_fixture->dataFolder() + name;
        if (name != "HomeLoan1.mdb")
            QVERIFY(QFile::copy(m_account, account));
        AccountFixture::exec(account, "delete from tblAllRecords where ID > 10");
        const qint64 sizeBefore = QFileInfo(account).size();
        QFile leftOver(m_scratch);
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.write("left by an interrupted run");
        leftOver.close();

        const FileError e = AccountFiles::compactInPlace(account, m_scratch);
        QVERIFY2(!e, qPrintable(e.text));
        QVERIFY(!QFile::exists(m_scratch));
        QVERIFY(QFileInfo(account).size() < sizeBefore);
        QCOMPARE(AccountFixture::column(account, "select count(*) from tblAllRecords"),
                 QStringList{"10"});
    }

    void failedOpenLosesNothing_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("otherFileSystem");
        QTest::newRow("copy") << "copy" << false;
        QTest::newRow("copy cut short") << "copy half" << false;
        QTest::newRow("flush to disk") << "sync" << false;
        QTest::newRow("rename") << "rename" << false;
        QTest::newRow("move beside the account") << "move beside" << true;
        QTest::newRow("rename beside the account") << "rename" << true;
    }
    void failedOpenLosesNothing() {
        QFETCH(QString, step);
        QFETCH(bool, otherFileSystem);
        const QByteArray before = AccountFixture::sha256(m_account);
        FailingOps ops;
        ops.failStep = step;
        ops.forceOtherFileSystem = otherFileSystem;
        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch, ops);
        QVERIFY(e);
        QCOMPARE(AccountFixture::sha256(m_account), before);
        QVERIFY(!QFile::exists(m_scratch));
        // The account alone: no copy left beside it.
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
    }

    void notAnAccountIsRefusedUntouched_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("Dear lender, ...");
        QTest::newRow("truncated database") << QByteArray("SQLite format 3\0\x10\0", 19);
    }
    void notAnAccountIsRefusedUntouched() {
        QFETCH(QByteArray, content);
        const QString file = m_fixture->dataFolder() + "Letter.mdb";
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const FileError e = AccountFiles::compactInPlace(file, m_scratch);
        QCOMPARE(e.number, int(FileError::NotAnAccount));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
        QVERIFY(!QFile::exists(m_scratch));
    }

    // A program killed in a save leaves a hot journal beside a half-written file: Open rolls
    // it back and holds the last committed rows.
    void crashedSaveIsRolledBack() {
        fillAccount(m_account, 3000);
        const QString totals = "select count(*) || ' ' || sum(Deposit) from tblAllRecords";
        const QStringList committed = AccountFixture::column(m_account, totals);
        const QByteArray before = AccountFixture::sha256(m_account);
        // A small page cache makes the save write its pages into the file before it commits.
        dieDuring(m_account, "pragma cache_size = 2; begin; update tblAllRecords set Deposit = 0; "
                             "delete from tblAllRecords where ID % 3 = 0;");
        QVERIFY(QFile::exists(m_account + "-journal"));
        QVERIFY(AccountFixture::sha256(m_account) != before);

        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch);
        QVERIFY2(!e, qPrintable(e.text));
        QCOMPARE(AccountFixture::column(m_account, totals), committed);
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
    }

    // Another tool left side files: a WAL file with committed rows still in its -wal, or a spent
    // journal of its "persist" mode. Once that tool is gone Open folds the rows in and leaves
    // one file; while it still has the WAL file open Open refuses and changes nothing.
    void otherToolsLeftOvers_data() {
        QTest::addColumn<QString>("journalMode");
        QTest::addColumn<bool>("toolStillOpen");
        QTest::newRow("WAL, tool killed") << "wal" << false;
        QTest::newRow("WAL, tool still open") << "wal" << true;
        QTest::newRow("persisted journal") << "persist" << false;
    }
    void otherToolsLeftOvers() {
        QFETCH(QString, journalMode);
        QFETCH(bool, toolStillOpen);
        const QByteArray toolSave = "pragma journal_mode = " + journalMode.toLatin1() +
                                    "; pragma wal_autocheckpoint = 0; "
                                    "delete from tblAllRecords where ID > 100; "
                                    "insert into tblNumber (StatementNumber) values (5);";
        sqlite3* tool = nullptr;
        if (toolStillOpen) {
            QCOMPARE(sqlite3_open(m_account.toUtf8().constData(), &tool), SQLITE_OK);
            QCOMPARE(sqlite3_exec(tool, toolSave.constData(), nullptr, nullptr, nullptr),
                     SQLITE_OK);
        } else {
            dieDuring(m_account, toolSave.constData());
        }
        QVERIFY(QFile::exists(m_account + (journalMode == "wal" ? "-wal" : "-journal")));
        const QByteArray before = AccountFixture::sha256(m_account);

        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch);
        if (toolStillOpen) {
            QCOMPARE(e.number, int(FileError::AccessError));
            QVERIFY2(e.text.contains("in use by another program"), qPrintable(e.text));
            QCOMPARE(AccountFixture::sha256(m_account), before);
            QVERIFY(!QFile::exists(m_scratch));
            sqlite3_close(tool);
            return;
        }
        QVERIFY2(!e, qPrintable(e.text));
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
        QCOMPARE(AccountFixture::column(m_account, "select count(*) from tblAllRecords"),
                 QStringList{"100"});
        QCOMPARE(AccountFixture::column(m_account, "select StatementNumber from tblNumber"),
                 QStringList{"5"});
        QCOMPARE(AccountFixture::column(m_account, "pragma journal_mode"), QStringList{"delete"});
        QCOMPARE(AccountFixture::column(m_account, "pragma integrity_check"), QStringList{"ok"});
    }

    void replacementKeepsModeAndOwner_data() {
        QTest::addColumn<bool>("otherFileSystem");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("private") << false << 0600 << false;
        QTest::newRow("group-readable, Data folder elsewhere") << true << 0640 << false;
        QTest::newRow("another owner's, Data folder elsewhere") << true << 0600 << true;
    }
    void replacementKeepsModeAndOwner() {
        QFETCH(bool, otherFileSystem);
        QFETCH(int, mode);
        QFETCH(bool, otherOwner);
        const QByteArray path = QFile::encodeName(m_account);
        QCOMPARE(::chmod(path.constData(), mode_t(mode)), 0);
        if (otherOwner && ::chown(path.constData(), 4321, 4321) != 0)
            QSKIP("this process cannot give a file away");
        FailingOps ops;
        ops.forceOtherFileSystem = otherFileSystem;
        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch, ops);
        QVERIFY2(!e, qPrintable(e.text));
        struct stat st {};
        QCOMPARE(::stat(path.constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
        if (otherOwner)
            QCOMPARE(int(st.st_uid), 4321);
        QCOMPARE(AccountFixture::column(m_account, "select count(*) from tblAllRecords"),
                 QStringList{"200"});
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
    }

    // The copy kept before a bulk import: the whole account beside it, or nothing at all.
    void keepCopy_data() {
        QTest::addColumn<QString>("failStep");
        QTest::newRow("kept") << "";
        QTest::newRow("copy cut short") << "copy half";
        QTest::newRow("not on disk") << "sync";
    }
    void keepCopy() {
        QFETCH(QString, failStep);
        const QByteArray before = AccountFixture::sha256(m_account);
        FailingOps ops;
        ops.failStep = failStep;
        QString copy;
        const FileError e = AccountFiles::keepCopy(m_account, &copy, ops);
        QCOMPARE(AccountFixture::sha256(m_account), before);
        if (!failStep.isEmpty()) {
            QVERIFY(e);
            QVERIFY(copy.isEmpty());
            QVERIFY(QDir(m_fixture->dataFolder()).entryList({"* before import *"}).isEmpty());
            return;
        }
        QVERIFY2(!e, qPrintable(e.text));
        QVERIFY(QFileInfo(copy).fileName().startsWith("HomeLoan1 before import "));
        QCOMPARE(QFileInfo(copy).absolutePath(), QFileInfo(m_account).absolutePath());
        QCOMPARE(AccountFixture::column(copy, "select count(*) from tblAllRecords"),
                 QStringList{"200"});
    }

    // A program killed while it writes a new account or the copy kept before an import leaves
    // nothing under the name: only a part file, which the next use of the folder removes.
    void killedCopyLeavesNoFileUnderItsName_data() {
        QTest::addColumn<bool>("newAccount");
        QTest::newRow("new account") << true;
        QTest::newRow("copy before import") << false;
    }
    void killedCopyLeavesNoFileUnderItsName() {
        QFETCH(bool, newAccount);
        const QString folder = m_fixture->dataFolder();
        const QString target = folder + "Killed.mdb";
        const QByteArray before = AccountFixture::sha256(m_account);
        const pid_t child = ::fork();
        if (child == 0) {
            FailingOps ops;
            ops.failStep = "killed";
            QString copy;
            if (newAccount)
                AccountFiles::createFromTemplate(m_fixture->path("Blank.mdb"), target, ops);
            else
                AccountFiles::keepCopy(m_account, &copy, ops);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 9);

        QDir dir(folder);
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(dir.entryList({"* before import *"}), QStringList());
        QCOMPARE(AccountFixture::sha256(m_account), before);
        const QStringList parts = dir.entryList({"*.part*"}, QDir::Files | QDir::Hidden);
        QVERIFY2(!parts.isEmpty(), qPrintable(dir.entryList(QDir::Files | QDir::Hidden).join(',')));
        QVERIFY(parts.first().contains(QStringLiteral(".vantrell-%1.part").arg(child)));

        // A part file of a running program is left; the killed one's goes, and New works.
        QFile running(
            folder +
            QStringLiteral(".Other.mdb.vantrell-%1.part").arg(QCoreApplication::applicationPid()));
        QVERIFY(running.open(QIODevice::WriteOnly));
        running.close();
        const FileError e = AccountFiles::createFromTemplate(m_fixture->path("Blank.mdb"), target);
        QVERIFY2(!e, qPrintable(e.text));
        QCOMPARE(dir.entryList({"*.part*"}, QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(running).fileName()});
        QString error;
        QVERIFY2(AccountDatabase::isAccountFile(target, &error), qPrintable(error));
    }

    // What Open refuses, untouched, with a message that says why.
    void openRefusesUntouched_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("says");
        const int notAccount = FileError::NotAnAccount;
        QTest::newRow("read-only file")
            << "chmod" << int(FileError::AccessError) << QStringList{"is read-only"};
        QTest::newRow("view in a table's place")
            << "drop table tblReport|create view tblReport as select * from tblAllRecords"
            << notAccount << QStringList{"tblReport is a view"};
        QTest::newRow("trigger") << "create trigger tWipe after insert on tblThisSession begin "
                                    "delete from tblAllRecords; end"
                                 << notAccount << QStringList{"trigger tWipe"};
        QTest::newRow("view beside the tables")
            << "create view vTotal as select sum(Deposit) from tblAllRecords" << notAccount
            << QStringList{"view vTotal"};
        QTest::newRow("number column declared as text")
            << "drop table tblNumber|create table tblNumber (ID INTEGER PRIMARY KEY, "
               "StatementNumber TEXT)"
            << notAccount << QStringList{"StatementNumber of tblNumber", "INTEGER"};
        QTest::newRow("text in a money column")
            << LooseHistory + "|pragma user_version = 4|insert into tblAllRecords (ID, Date, "
                              "Deposit) values (1, '2024-01-02', 1000), (2, '2024-01-03', "
                              "'ten dollars')"
            << notAccount << QStringList{"Deposit of tblAllRecords", "ID 2"};
        QTest::newRow("date written another way, before a bad amount")
            << LooseHistory + "|pragma user_version = 4|insert into tblAllRecords (ID, Date, "
                              "Deposit) values (1, '2024-01-02', 'x'), (7, '1/3/2024', 1000)"
            << notAccount << QStringList{"Date of tblAllRecords", "ID 7"};
        QTest::newRow("a setting stored twice")
            << "drop table tblSettings|create table tblSettings (ID INTEGER PRIMARY KEY "
               "AUTOINCREMENT, Name TEXT, Value TEXT)|insert into tblSettings (Name, Value) values "
               "('OffsetShare', '40'), ('DayCount', 'act365'), ('OffsetShare', '50')"
            << notAccount << QStringList{"tblSettings", "'OffsetShare' more than once"};
        QTest::newRow("newer version")
            << QStringLiteral("pragma user_version = %1").arg(AccountSchema::CurrentVersion + 1)
            << notAccount << QStringList{"made by a newer version of Vantrell"};
    }
    void openRefusesUntouched() {
        QFETCH(QString, setUp);
        QFETCH(int, number);
        QFETCH(QStringList, says);
        if (setUp == "chmod")
            QVERIFY(QFile::setPermissions(m_account, QFile::ReadOwner | QFile::ReadGroup));
        else
            execAll(m_account, setUp);
        const QByteArray before = AccountFixture::sha256(m_account);
        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch);
        QCOMPARE(e.number, number);
        for (const QString& words : says << m_account)
            QVERIFY2(e.text.contains(words), qPrintable(e.text));
        QCOMPARE(AccountFixture::sha256(m_account), before);
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
    }

    // Another tool's file with sound values, no CHECK constraints, no version, a column and an
    // index of its own: Open takes it and marks it with the current version.
    void soundFileOfAnotherToolIsTaken() {
        execAll(m_account, LooseHistory +
                               "|pragma user_version = 0|alter table tblAllRecords add Note TEXT|"
                               "create index ixDate on tblAllRecords (Date)|"
                               "insert into tblAllRecords (Date, Deposit, Note) "
                               "values ('2024-01-02', 1000, 'paid')");
        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch);
        QVERIFY2(!e, qPrintable(e.text));
        QCOMPARE(AccountFixture::column(m_account, "pragma user_version"),
                 QStringList{QString::number(AccountSchema::CurrentVersion)});
        QCOMPARE(AccountFixture::column(m_account, "select Deposit from tblAllRecords"),
                 QStringList{"1000"});
        // The later layouts' columns are added: the bank's ids among them.
        QCOMPARE(AccountFixture::column(m_account,
                                        "select count(*) from pragma_table_info('tblAllRecords') "
                                        "where name = 'FITID'"),
                 QStringList{"1"});
        QCOMPARE(accountAndSideFiles(m_account), QStringList{"HomeLoan1.mdb"});
    }

    // The Data folder that cannot be written is named, not the account.
    void unwritableDataFolderIsNamed_data() {
        QTest::addColumn<bool>("readOnlyMount");
        QTest::newRow("missing") << false;
        QTest::newRow("read-only file system") << true;
    }
    void unwritableDataFolderIsNamed() {
        QFETCH(bool, readOnlyMount);
        const QString account = m_fixture->path("Loan.mdb");
        QVERIFY(QFile::rename(m_account, account));
        const QString data = m_fixture->path("Data");
        std::unique_ptr<SmallTmpfs> mount;
        if (readOnlyMount) {
            mount = std::make_unique<SmallTmpfs>(data, "64k", MS_RDONLY);
            if (!mount->mounted)
                QSKIP("cannot mount a tmpfs here");
        } else {
            QVERIFY(QDir(data).removeRecursively());
        }
        const QByteArray before = AccountFixture::sha256(account);
        const FileError e = AccountFiles::compactInPlace(account, m_scratch);
        QCOMPARE(e.number, int(FileError::AccessError));
        QCOMPARE(e.text, "The Data folder '" + data + "' cannot be written.");
        QCOMPARE(AccountFixture::sha256(account), before);
        QCOMPARE(accountAndSideFiles(account), QStringList{"Loan.mdb"});
    }

    void missingFileIsReported() {
        const FileError e =
            AccountFiles::compactInPlace(m_fixture->dataFolder() + "Gone.mdb", m_scratch);
        QCOMPARE(e.number, int(FileError::NotFound));
    }

    // A full disk while the copy is written: the file size limit makes every write past it
    // fail, as a full disk does.
    void fullDiskDuringCopyLosesNothing() {
        fillAccount(m_account, 5000);
        const QByteArray before = AccountFixture::sha256(m_account);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = QFileInfo(m_account).size() / 2;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const FileError e = AccountFiles::compactInPlace(m_account, m_scratch);
        ::setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(e);
        QCOMPARE(AccountFixture::sha256(m_account), before);
        QVERIFY(!QFile::exists(m_scratch));
    }

    // The same on a real small file system, where this machine allows mounting one: the Data
    // folder on a tmpfs too small for the copy, the account elsewhere.
    void fullTmpfsLosesNothing() {
        fillAccount(m_account, 20000);
        SmallTmpfs data(m_fixture->path("SmallData"), "64k");
        if (!data.mounted)
            QSKIP("cannot mount a tmpfs here");
        const QByteArray before = AccountFixture::sha256(m_account);
        const FileError e = AccountFiles::compactInPlace(m_account, data.path + "/Temp.mdb");
        QVERIFY(e);
        QCOMPARE(e.number, int(FileError::DiskFull));
        QCOMPARE(AccountFixture::sha256(m_account), before);
        QVERIFY(!QFile::exists(data.path + "/Temp.mdb"));
    }

    void accountOnAnotherFileSystem() {
        SmallTmpfs elsewhere(m_fixture->path("Elsewhere"), "8m");
        if (!elsewhere.mounted)
            QSKIP("cannot mount a tmpfs here");
        const QString account = elsewhere.path + "/Loan.mdb";
        QVERIFY(QFile::copy(m_account, account));
        const FileError e = AccountFiles::compactInPlace(account, m_scratch);
        QVERIFY2(!e, qPrintable(e.text));
        QCOMPARE(AccountFixture::column(account, "select count(*) from tblAllRecords"),
                 QStringList{"200"});
        QCOMPARE(QDir(elsewhere.path).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Loan.mdb"});
        QVERIFY(!QFile::exists(m_scratch));
    }
};

QTEST_GUILESS_MAIN(TestAccountFiles)
#include "tst_accountfiles.moc"
