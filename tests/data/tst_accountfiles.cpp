// New and Open's whole-file operations. The guarantee under test: whatever step of Open fails,
// the account is still there under its own name with the same contents, and no scratch file is
// left behind.
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "support/AccountFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

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
    explicit SmallTmpfs(const QString& where, const char* size) : path(where) {
        QDir().mkpath(where);
        const QByteArray options = QByteArray("size=") + size;
        mounted =
            ::mount("tmpfs", where.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallTmpfs() {
        if (mounted)
            ::umount2(path.toLocal8Bit().constData(), MNT_DETACH);
    }
};

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
        QCOMPARE(QDir(QFileInfo(m_account).path())
                     .entryList({"*.mdb", ".*"}, QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(m_account).fileName()});
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
