// The temporary folders each running copy of the program keeps: those of copies that are gone
// are removed at start-up, by the program and the import tool alike, and only those.
#include "data/TempFolders.h"
#include "support/ImportSamples.h"
#include "support/ReportTool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

class TestTempFolders : public QObject {
    Q_OBJECT

private slots:
    // Start-up removes the temporary folders of copies that are gone, and only those.
    void staleTempFolders_data();
    void staleTempFolders();
};

void TestTempFolders::staleTempFolders_data() {
    QTest::addColumn<QString>("name"); // {gone}: a process that is gone, {self}: this one
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("removed");
    QTest::newRow("its process gone") << "vantrell-{gone}-AbC123" << false << true;
    QTest::newRow("its process running") << "vantrell-{self}-AbC123" << false << false;
    QTest::newRow("another program's") << "other-{gone}-AbC123" << false << false;
    QTest::newRow("not a process id") << "vantrell-0-AbC123" << false << false;
    QTest::newRow("a link named for a gone process") << "vantrell-{gone}-AbC123" << true << false;
}

void TestTempFolders::staleTempFolders() {
    QFETCH(QString, name);
    QFETCH(bool, link);
    QFETCH(bool, removed);
    // A process id that was in use a moment ago and is free now.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    QVERIFY(gone > 0);
    QCOMPARE(::waitpid(gone, nullptr, 0), gone);

    QTemporaryDir root;
    QTemporaryDir elsewhere;
    const QString folder =
        root.filePath(QString(name)
                          .replace(QStringLiteral("{gone}"), QString::number(gone))
                          .replace(QStringLiteral("{self}"),
                                   QString::number(QCoreApplication::applicationPid())));
    const QString inside = (link ? elsewhere.path() : folder) + QStringLiteral("/libofxtmp1");
    if (link)
        QVERIFY(QFile::link(elsewhere.path(), folder));
    else
        QVERIFY(QDir().mkpath(folder));
    QFile copy(inside);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.close();

    QCOMPARE(TempFolders::removeStale(root.path()), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(folder), !removed);
    QCOMPARE(QFile::exists(inside), !removed);

    // The import tool's start removes what a killed run of it left, as the program's does.
    if (removed) {
        const OwnTempFolder temp;
        const QString left = QDir::tempPath() + QStringLiteral("/vantrell-%1-XyZ789").arg(gone);
        QVERIFY(QDir().mkpath(left));
        QCOMPARE(importTool({"--version"}).status, 0);
        QVERIFY(!QFileInfo::exists(left));
    }
}

QTEST_GUILESS_MAIN(TestTempFolders)
#include "tst_tempfolders.moc"
