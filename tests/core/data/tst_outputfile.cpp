// A file written at the borrower's asking: never over the account (or what resolves to it), a
// link, a pipe, a folder or another account; never one file for two outputs; whole or not at all,
// keeping an earlier file's mode, with no part file left behind.
#include "data/OutputFile.h"
#include "support/AccountFixture.h"
#include "support/PlantedTargets.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestOutputFile : public QObject {
    Q_OBJECT

private slots:
    void refusesPlantedTargets_data() {
        QTest::addColumn<QString>("kind");
        for (const QString& kind : PlantedTargets::kinds())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void refusesPlantedTargets() {
        QFETCH(QString, kind);
        AccountFixture fixture;
        const QString account = fixture.newAccount();
        const PlantedTargets::Planted planted =
            PlantedTargets::plant(kind, fixture.path(QString()), account);
        QVERIFY(!OutputFile::refusal(planted.target, {account}).isEmpty());
        QString error;
        QVERIFY(
            !OutputFile::write(planted.target, QByteArray("%PDF-1.4 report"), {account}, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot write '%1': ").arg(planted.target)),
                 qPrintable(error));
        const QString changed = PlantedTargets::changed(planted);
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
        QVERIFY(leftovers(fixture.path(QString())).isEmpty());
    }

    void oneFileForTwoOutputs_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("refused");
        QTest::newRow("one name") << "out/a.pdf"
                                  << "out/a.pdf" << true;
        QTest::newRow("one name spelled twice") << "out/a.pdf"
                                                << "out/../out/./a.pdf" << true;
        QTest::newRow("through a linked folder") << "out/a.pdf"
                                                 << "linked/a.pdf" << true;
        QTest::newRow("a hard link") << "out/a.pdf"
                                     << "out/hard.pdf" << true;
        QTest::newRow("two files") << "out/a.pdf"
                                   << "out/b.pdf" << false;
    }
    void oneFileForTwoOutputs() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, refused);
        AccountFixture fixture;
        QVERIFY(QDir().mkpath(fixture.path("out")));
        QVERIFY(QFile::link(fixture.path("out"), fixture.path("linked")));
        QFile existing(fixture.path("out/a.pdf"));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        QCOMPARE(::link(QFile::encodeName(fixture.path("out/a.pdf")).constData(),
                        QFile::encodeName(fixture.path("out/hard.pdf")).constData()),
                 0);
        const QString why = OutputFile::refusal({fixture.path(first), fixture.path(second)},
                                                {fixture.newAccount()});
        QCOMPARE(!why.isEmpty(), refused);
        if (refused)
            QVERIFY2(why.contains("names the same file"), qPrintable(why));
    }

    // A fill that fails leaves the earlier file as it was; one that succeeds replaces it with its
    // mode kept. Neither leaves a part file.
    void wholeOrNothing() {
        AccountFixture fixture;
        const QString path = fixture.path("report.pdf");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        QString error;
        const auto failing = [](QIODevice& file, QString* why) {
            file.write("half a rep");
            *why = QStringLiteral("the printer gave up");
            return false;
        };
        QVERIFY(!OutputFile::write(path, failing, {}, &error));
        QCOMPARE(error, QStringLiteral("Cannot write '%1': the printer gave up").arg(path));
        QCOMPARE(PlantedTargets::bytes(path), QByteArray("earlier"));
        QVERIFY(leftovers(fixture.path(QString())).isEmpty());

        QVERIFY2(OutputFile::write(path, QByteArray("the whole report"), {}, &error),
                 qPrintable(error));
        QCOMPARE(PlantedTargets::bytes(path), QByteArray("the whole report"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
        QVERIFY(leftovers(fixture.path(QString())).isEmpty());

        // A folder that is not there is said, not made.
        QVERIFY(
            !OutputFile::write(fixture.path("no/such/report.pdf"), QByteArray("x"), {}, &error));
        QVERIFY2(error.startsWith("Cannot write"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
