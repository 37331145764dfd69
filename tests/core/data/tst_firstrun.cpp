// What a newcomer meets first: the sample account the program brings, and a program folder that
// cannot be written (an installed program).
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/ProgramPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestFirstRun : public QObject {
    Q_OBJECT

private slots:
    void sampleOpensAndReports();
    void readOnlyProgramFolder();
    void programFilesInUserFolder_data();
    void programFilesInUserFolder();
};

// The sample opens like any account and reports without a date error, naming the statement it
// lacks.
void TestFirstRun::sampleOpensAndReports() {
    QTemporaryDir dir;
    const QString sample = dir.filePath("Sample.mdb");
    QVERIFY(QFile::copy(QStringLiteral(VANTRELL_PROGRAM_DIR "/Data/Sample.mdb"), sample));
    QFile::setPermissions(sample, QFile::ReadOwner | QFile::WriteOwner);
    const FileError e = AccountFiles::compactInPlace(sample, dir.filePath("Temp.mdb"));
    QVERIFY2(!e, qPrintable(e.text));

    QProcess report;
    report.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-report"),
                 {sample, "--method", "Variable Day", "--format", "csv"});
    QVERIFY(report.waitForFinished(30000));
    QCOMPARE(report.exitCode(), 0);
    const QString notices = QString::fromUtf8(report.readAllStandardError());
    QVERIFY2(!notices.contains("Interest date error"), qPrintable(notices));
    QVERIFY2(notices.contains("Statement number 20 has not been entered."), qPrintable(notices));
    QVERIFY(report.readAllStandardOutput().count('\n') > 100);
}

// An installed program folder is read-only: the user's own Data folder takes the account files
// and the scratch file, with the help pages and the sample copied there.
void TestFirstRun::readOnlyProgramFolder() {
    QTemporaryDir dir;
    const QString program = dir.filePath("program");
    QDir().mkpath(program);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=8m", "tmpfs", program}) != 0)
        QSKIP("a read-only program folder needs a mount");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {program}); });
    QDir().mkpath(program + "/Data");
    QFile::copy(QStringLiteral(VANTRELL_PROGRAM_DIR "/Blank.mdb"), program + "/Blank.mdb");
    for (const char* name :
         {"hlpGettingStarted.rtf", "hlpMethod.rtf", "hlpWhatNow.rtf", "Sample.mdb"})
        QVERIFY(QFile::copy(QStringLiteral(VANTRELL_PROGRAM_DIR "/Data/") + name,
                            program + "/Data/" + QLatin1String(name)));
    QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", program}), 0);

    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    ProgramPaths::setProgramFolder(program);
    const auto reset = qScopeGuard([] { ProgramPaths::setProgramFolder(QString()); });

    const QString data = ProgramPaths::dataFolder();
    QVERIFY(!data.startsWith(program));
    ProgramPaths::prepareDataFolder();
    QVERIFY(QFile::exists(ProgramPaths::helpPage(1)));
    QCOMPARE(ProgramPaths::scratchFile(), data + "Temp.mdb");
    // New and Open work there.
    QVERIFY(!AccountFiles::createFromTemplate(ProgramPaths::templateFile(),
                                              data + ProgramPaths::defaultAccountName()));
    const FileError e =
        AccountFiles::compactInPlace(data + "Sample.mdb", ProgramPaths::scratchFile());
    QVERIFY2(!e, qPrintable(e.text));
    QVERIFY(!QFile::exists(ProgramPaths::scratchFile()));
}

// The help pages the program brings into the user's Data folder follow the program's: an upgrade
// refreshes them, an unchanged page is not written again. The sample and the accounts there are
// the user's own and are never replaced.
void TestFirstRun::programFilesInUserFolder_data() {
    QTest::addColumn<QByteArray>("userPage"); // each help page's user copy before; null: none
    QTest::addColumn<bool>("userSample");     // the user has a sample account of their own
    const QByteArray page = "{\\rtf1 the program's page}";
    QTest::newRow("first start") << QByteArray() << false;
    QTest::newRow("upgrade") << QByteArray("{\\rtf1 an older page}") << true;
    QTest::newRow("same version") << page << true;
    QTest::newRow("sample deleted, pages kept") << page << false;
}

void TestFirstRun::programFilesInUserFolder() {
    QFETCH(QByteArray, userPage);
    QFETCH(bool, userSample);
    const QStringList pages = {"hlpGettingStarted.rtf", "hlpMethod.rtf", "hlpWhatNow.rtf"};
    const QByteArray programPage = "{\\rtf1 the program's page}";
    QTemporaryDir program, user;
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    for (const QString& name : pages)
        write(program.filePath(name), programPage);
    write(program.filePath("Sample.mdb"), "the program's sample");
    // A translation's page, in its language's folder.
    QVERIFY(QDir(program.path()).mkpath("de"));
    write(program.filePath("de/hlpMethod.rtf"), "{\\rtf1 die Seite}");
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5));
    if (!userPage.isNull()) {
        for (const QString& name : pages) {
            write(user.filePath(name), userPage);
            QFile file(user.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
    }
    if (userSample)
        write(user.filePath("Sample.mdb"), "the user's sample, changed");
    write(user.filePath("HomeLoan1.mdb"), "the user's account");

    ProgramPaths::copyProgramFiles(program.path(), user.path());

    for (const QString& name : pages) {
        QFile page(user.filePath(name));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), programPage);
        QVERIFY(page.permissions().testFlag(QFile::WriteOwner));
        if (userPage == programPage)
            QCOMPARE(QFileInfo(page).lastModified(), longAgo);
    }
    QFile sample(user.filePath("Sample.mdb"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QCOMPARE(sample.readAll(), userSample ? QByteArray("the user's sample, changed")
                                          : QByteArray("the program's sample"));
    QFile account(user.filePath("HomeLoan1.mdb"));
    QVERIFY(account.open(QIODevice::ReadOnly));
    QCOMPARE(account.readAll(), QByteArray("the user's account"));
    QCOMPARE(QDir(user.path()).entryList(QDir::Files).size(), pages.size() + 2);
    QFile translated(user.filePath("de/hlpMethod.rtf"));
    QVERIFY(translated.open(QIODevice::ReadOnly));
    QCOMPARE(translated.readAll(), QByteArray("{\\rtf1 die Seite}"));
}

QTEST_GUILESS_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
