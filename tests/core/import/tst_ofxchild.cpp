// The OFX reader's child process: it answers, runs out of time or is cancelled, and reads its
// input whole, leaving no process and no file behind; its row errors speak the language its
// parent asks for.
#include "data/Language.h"
#include "data/ProgramPaths.h"
#include "import/OfxChild.h"
#include "support/ImportSamples.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <csignal>

class TestOfxChild : public QObject {
    Q_OBJECT

private slots:
    // The OFX reader's child program is in the build's program folder.
    void init() { ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR)); }

    // The OFX reader's child answers, runs out of time or is cancelled: each time it is gone
    // afterwards, and so is every file it or libofx wrote.
    void ofxChildEnds_data();
    void ofxChildEnds();
    // The child reads its input to the end: a file larger than a pipe holds, written with a
    // pause in the middle, is read whole.
    void ofxChildReadsPipeWhole();
    void rowErrorsInTheParentsLanguage_data();
    void rowErrorsInTheParentsLanguage();
};

void TestOfxChild::ofxChildEnds_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("error"); // "" when the file reads
    QTest::newRow("answers") << "answer"
                             << "";
    QTest::newRow("too slow") << "late"
                              << "The file could not be read in time";
    QTest::newRow("cancelled") << "cancel"
                               << "cancelled";
}

void TestOfxChild::ofxChildEnds() {
    QFETCH(QString, end);
    QFETCH(QString, error);
    const OwnTempFolder temp;
    OfxChild child;
    QSignalSpy finished(&child, &OfxChild::finished);
    child.start(end == u"answer" ? OneTransactionOfx : deeplyNestedOfx(),
                std::chrono::milliseconds(500));
    const qint64 pid = child.processId();
    QVERIFY(pid > 0);
    // Its folder is named for this process.
    QCOMPARE(temp.entries().size(), 1);
    QVERIFY(temp.entries()[0].startsWith(
        QStringLiteral("vantrell-%1-").arg(QCoreApplication::applicationPid())));
    if (end == u"cancel") {
        QTest::qWait(100);
        child.cancel();
        QVERIFY(child.wasCancelled());
    } else {
        QVERIFY(finished.wait(10000));
    }
    QVERIFY(!child.isRunning());
    if (error.isEmpty()) {
        QVERIFY2(child.result().error.isEmpty(), qPrintable(child.result().error));
        QCOMPARE(describe(child.result().rows), QStringList{"2024-01-05|Interest|-7.50"});
    } else {
        QVERIFY2(child.result().error.contains(error), qPrintable(child.result().error));
    }
    errno = 0;
    QVERIFY(::kill(pid_t(pid), 0) == -1 && errno == ESRCH);
    QCOMPARE(temp.entries(), QStringList());

    // The same bound without an event loop, for callers without a window.
    if (end == u"late") {
        const ReadResult late = OfxChild::read(deeplyNestedOfx(), std::chrono::milliseconds(300));
        QVERIFY2(late.error.contains(error), qPrintable(late.error));
        QCOMPARE(childProcesses(), QStringList());
        QCOMPARE(temp.entries(), QStringList());
    }
}

void TestOfxChild::ofxChildReadsPipeWhole() {
    const OwnTempFolder temp;
    QByteArray ofx = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
                     "<TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>AUD"
                     "<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>"
                     "<BANKTRANLIST><DTSTART>20200101<DTEND>20231231\n";
    const int count = 3000;
    for (int i = 0; i < count; ++i)
        ofx += QStringLiteral("<STMTTRN><TRNTYPE>INT<DTPOSTED>%1<TRNAMT>-7.50<FITID>%2"
                              "<NAME>Interest charged on the loan account</STMTTRN>\n")
                   .arg(QDate(2020, 1, 1).addDays(i % 1400).toString(u"yyyyMMdd"))
                   .arg(i + 1)
                   .toLatin1();
    ofx += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    QVERIFY(ofx.size() > 3 * 65536);

    QProcess child;
    child.start(OfxChild::program(), {});
    QVERIFY(child.waitForStarted());
    const qsizetype half = ofx.size() / 2;
    child.write(ofx.left(half));
    QVERIFY(child.waitForBytesWritten(10000));
    QTest::qWait(300);
    child.write(ofx.mid(half));
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    QDataStream in(child.readAllStandardOutput());
    ReadResult result;
    in >> result;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.rows.size(), count);
    for (const ImportedRow& r : result.rows)
        QVERIFY2(r.ok(), qPrintable(r.error));
}

void TestOfxChild::rowErrorsInTheParentsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("error");
    QTest::newRow("none asked: English") << "" << "The transaction has no posting date.";
    QTest::newRow("German") << "de" << "Die Buchung hat kein Buchungsdatum.";
    QTest::newRow("one without a catalogue: English") << "xx"
                                                      << "The transaction has no posting date.";
}

void TestOfxChild::rowErrorsInTheParentsLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, error);
    const QByteArray ofx = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1>"
                           "<STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                           "<CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING"
                           "</BANKACCTFROM><BANKTRANLIST><DTSTART>20200101<DTEND>20231231\n"
                           "<STMTTRN><TRNTYPE>INT<TRNAMT>-7.50<FITID>1<NAME>Interest</STMTTRN>\n"
                           "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(Language::ChildVariable, language);
    child.setProcessEnvironment(environment);
    child.start(OfxChild::program(), {});
    QVERIFY(child.waitForStarted());
    child.write(ofx);
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(20000));
    QDataStream in(child.readAllStandardOutput());
    ReadResult result;
    in >> result;
    QCOMPARE(result.rows.size(), 1);
    QCOMPARE(result.rows.first().error, error);
}

QTEST_GUILESS_MAIN(TestOfxChild)
#include "tst_ofxchild.moc"
