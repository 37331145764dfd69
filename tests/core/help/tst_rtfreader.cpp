#include "help/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The document's paragraphs joined by '\n'. Unlike toPlainText() it keeps non-breaking spaces
// and line separators as they are.
QString textOf(const QTextDocument& document) {
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

// The format of the first character of `probe`; an invalid format when it is not found.
QTextCharFormat formatOf(QTextDocument& document, const QString& probe) {
    const QTextCursor found = document.find(probe, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return {};
    QTextCursor cursor(&document);
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QByteArray wrap(const QByteArray& body) {
    return "{\\rtf1\\ansi " + body + "}";
}

QByteArray nested(int depth, const QByteArray& inner) {
    return QByteArray(depth, '{') + inner + QByteArray(depth, '}');
}

QString helpPagePath(const QString& name) {
    return QStringLiteral(VANTRELL_SOURCE_DIR "/resources/help/") + name;
}

const QStringList HelpPages = {"hlpGettingStarted.rtf", "hlpMethod.rtf", "hlpWhatNow.rtf"};

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void helpPage_data();
    void helpPage();
    void seedCorpus();
    void formatting_data();
    void formatting();
    void text_data();
    void text();
    void paragraphFormat_data();
    void paragraphFormat();
    void malformed_data();
    void malformed();
    void notRtf_data();
    void notRtf();
    void readReplacesContent();
    void readFileFailures_data();
    void readFileFailures();
};

void TestRtfReader::helpPage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("phrases");

    // Captions the pages refer to must match what the windows show.
    QTest::newRow("getting started") << "hlpGettingStarted.rtf"
                                     << "Getting Started"
                                     << QStringList{"New Loan Account",
                                                    "Open Loan Account",
                                                    "Enter Statement Details",
                                                    "View/Amend Interest Changes",
                                                    "View/Amend Transactions",
                                                    "View Report",
                                                    "Statement Start Date",
                                                    "Closing Balance",
                                                    "Valid From",
                                                    "Interest Rate",
                                                    "User W'drawal",
                                                    "Interest Charge",
                                                    "Int Due",
                                                    "Int Charge",
                                                    "Print Preview",
                                                    "minus sign"};
    QTest::newRow("method") << "hlpMethod.rtf"
                            << "Interest Calculation Method"
                            << QStringList{"Fixed Day",
                                           "Fixed Day, Deferred Interest",
                                           "Variable Day",
                                           "Variable Day, Deferred Interest",
                                           "day of the month",
                                           "-100,000.00",
                                           "20.00",
                                           "600.00",
                                           QString::fromUtf8("\xc3\x97"),  // multiplication sign
                                           QString::fromUtf8("\xc3\xb7")}; // division sign
    QTest::newRow("what now") << "hlpWhatNow.rtf"
                              << "What Do I Do Now?"
                              << QStringList{"Int Due",
                                             "Int Charge",
                                             "Govt Chge",
                                             "W'drawal",
                                             "Balance",
                                             "ombudsman",
                                             "View/Amend Transactions",
                                             "Repayment Terms",
                                             // the formula as the window shows it
                                             QString::fromUtf8("balance \xc3\x97 i \xc3\xb7 "
                                                               "(1 \xe2\x88\x92 (1 + i)^"
                                                               "\xe2\x88\x92n)")};
}

void TestRtfReader::helpPage() {
    QFETCH(QString, file);
    QFETCH(QString, heading);
    QFETCH(QStringList, phrases);

    QTextDocument document;
    QVERIFY(RtfReader::readFile(helpPagePath(file), &document));
    const QString text = textOf(document);
    QCOMPARE(document.begin().text(), heading);
    QVERIFY2(document.blockCount() > 20, qPrintable(QString::number(document.blockCount())));
    for (const QString& phrase : phrases)
        QVERIFY2(text.contains(phrase), qPrintable(phrase));

    // Markup that leaks into the text means the page is not well-formed.
    for (const QChar leaked : {QChar(u'\\'), QChar(u'{'), QChar(u'}'), QChar(0xFFFD)})
        QVERIFY2(!text.contains(leaked), qPrintable(QString(leaked)));
    QVERIFY(!text.contains("Vantrell Help:")); // the title in the info group

    // The heading is bold and larger than the body; the body has bold runs of its own.
    const QTextCharFormat headingFormat = formatOf(document, heading);
    QVERIFY(headingFormat.fontWeight() >= QFont::Bold);
    const QTextBlock last = document.lastBlock();
    const QTextCharFormat bodyFormat = last.begin().fragment().charFormat();
    QCOMPARE(bodyFormat.fontWeight(), int(QFont::Normal));
    QVERIFY(headingFormat.fontPointSize() > bodyFormat.fontPointSize());
    QCOMPARE(bodyFormat.fontFamilies().toStringList(), QStringList{"Arial"});
    int boldRuns = 0;
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            boldRuns += it.fragment().charFormat().fontWeight() >= QFont::Bold ? 1 : 0;
    }
    QVERIFY2(boldRuns >= 5, qPrintable(QString::number(boldRuns)));

    // The build puts the page where the help window looks for it.
    QFile installed(QStringLiteral(VANTRELL_PROGRAM_DIR "/Data/") + file);
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QFile source(helpPagePath(file));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(installed.readAll(), source.readAll());
}

// The fuzzer's seeds, and every prefix of the help pages: whatever point the data stops at,
// reading finishes and leaves a document.
void TestRtfReader::seedCorpus() {
    QStringList files;
    const QDir corpus(QStringLiteral(VANTRELL_SOURCE_DIR "/tests/shell/rtf-corpus"));
    for (const QString& name : corpus.entryList(QDir::Files))
        files << corpus.filePath(name);
    QVERIFY2(files.size() >= 5, "the seed corpus is missing");
    for (const QString& page : HelpPages)
        files << helpPagePath(page);

    for (const QString& path : files) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray data = file.readAll();
        QTextDocument document;
        QCOMPARE(RtfReader::read(data, &document), data.startsWith("{\\rtf"));
    }

    for (const QString& page : HelpPages) {
        QFile file(helpPagePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QTextDocument document;
        for (qsizetype length = 5; length < data.size(); length += 7)
            QVERIFY2(RtfReader::read(data.left(length), &document), qPrintable(page));
    }
}

void TestRtfReader::formatting_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("points");

    QTest::newRow("default") << QByteArray("plain") << "plain" << false << false << false << 12.0;
    QTest::newRow("bold on") << QByteArray("\\b bold\\b0 plain") << "bold" << true << false << false
                             << 12.0;
    QTest::newRow("bold off") << QByteArray("\\b bold\\b0 plain") << "plain" << false << false
                              << false << 12.0;
    QTest::newRow("bold with parameter 1")
        << QByteArray("\\b1 x") << "x" << true << false << false << 12.0;
    QTest::newRow("italic toggles")
        << QByteArray("\\i a\\i0 b") << "b" << false << false << false << 12.0;
    QTest::newRow("italic on") << QByteArray("\\i a\\i0 b") << "a" << false << true << false
                               << 12.0;
    QTest::newRow("underline on") << QByteArray("\\ul u\\ulnone n") << "u" << false << false << true
                                  << 12.0;
    QTest::newRow("ulnone") << QByteArray("\\ul u\\ulnone n") << "n" << false << false << false
                            << 12.0;
    QTest::newRow("ul0") << QByteArray("\\ul u\\ul0 n") << "n" << false << false << false << 12.0;
    QTest::newRow("double underline")
        << QByteArray("\\uldb u") << "u" << false << false << true << 12.0;
    QTest::newRow("group restores")
        << QByteArray("{\\b\\i\\ul\\fs40 in} out") << "out" << false << false << false << 12.0;
    QTest::newRow("group inherits")
        << QByteArray("\\b {\\i in} out") << "in" << true << true << false << 12.0;
    QTest::newRow("nested groups restore one level")
        << QByteArray("{\\b {\\i {\\ul a} b} c} d") << "c" << true << false << false << 12.0;
    QTest::newRow("plain resets") << QByteArray("\\b\\i\\ul\\fs40 x\\plain y") << "y" << false
                                  << false << false << 12.0;
    QTest::newRow("fs size") << QByteArray("\\fs40 big") << "big" << false << false << false
                             << 20.0;
    QTest::newRow("fs half points")
        << QByteArray("\\fs21 x") << "x" << false << false << false << 10.5;
    QTest::newRow("fs huge clamped")
        << QByteArray("\\fs99999999999999999999 x") << "x" << false << false << false << 144.0;
    QTest::newRow("fs zero clamped")
        << QByteArray("\\fs0 x") << "x" << false << false << false << 1.0;
    QTest::newRow("fs negative clamped")
        << QByteArray("\\fs-30 x") << "x" << false << false << false << 1.0;
    QTest::newRow("unknown word keeps format")
        << QByteArray("\\b\\unknownword x") << "x" << true << false << false << 12.0;
    QTest::newRow("skipped group leaves format")
        << QByteArray("{\\*\\x \\b\\i}x") << "x" << false << false << false << 12.0;
    QTest::newRow("groups beyond the cap leave format")
        << nested(RtfReader::MaxGroupDepth + 10, "\\b\\i\\ul\\fs60 ") + "x"
        << "x" << false << false << false << 12.0;
}

void TestRtfReader::formatting() {
    QFETCH(QByteArray, body);
    QFETCH(QString, probe);

    QTextDocument document;
    QVERIFY(RtfReader::read(wrap(body), &document));
    const QTextCharFormat format = formatOf(document, probe);
    QVERIFY2(format.isValid(), qPrintable(textOf(document)));
    QTEST(format.fontWeight() >= QFont::Bold, "bold");
    QTEST(format.fontItalic(), "italic");
    QTEST(format.fontUnderline(), "underline");
    QTEST(format.fontPointSize(), "points");
}

void TestRtfReader::text_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("Hello world") << "Hello world";
    QTest::newRow("hex e9") << QByteArray("caf\\'e9") << QString::fromUtf8("caf\xc3\xa9");
    QTest::newRow("hex upper case")
        << QByteArray("\\'C9t\\'E9") << QString::fromUtf8("\xc3\x89t\xc3\xa9");
    QTest::newRow("cp1252 euro") << QByteArray("\\'80") << QString::fromUtf8("\xe2\x82\xac");
    QTest::newRow("cp1252 quotes")
        << QByteArray("\\'93q\\'94") << QString::fromUtf8("\xe2\x80\x9cq\xe2\x80\x9d");
    QTest::newRow("code page 1251")
        << QByteArray("\\ansicpg1251 \\'c4\\'e0") << QString::fromUtf8("\xd0\x94\xd0\xb0");
    QTest::newRow("double-byte code page")
        << QByteArray("\\ansicpg932 \\'82\\'a0") << QString(QChar(0x3042));
    QTest::newRow("only the first code page counts")
        << QByteArray("\\ansicpg1252\\ansicpg1251 \\'e9") << QString::fromUtf8("\xc3\xa9");
    QTest::newRow("unknown code page reads as 1252")
        << QByteArray("\\ansicpg99999 \\'e9") << QString::fromUtf8("\xc3\xa9");
    QTest::newRow("unicode euro") << QByteArray("\\u8364?") << QString::fromUtf8("\xe2\x82\xac");
    QTest::newRow("unicode negative") << QByteArray("\\u-26215?") << QString(QChar(0x9999));
    QTest::newRow("surrogate pair")
        << QByteArray("\\u-10179?\\u-8694?") << QString::fromUtf8("\xf0\x9f\x98\x8a");
    QTest::newRow("lone high surrogate") << QByteArray("\\u-10179?x") << QStringLiteral("\uFFFDx");
    QTest::newRow("lone low surrogate") << QByteArray("\\u-8694?x") << QStringLiteral("\uFFFDx");
    QTest::newRow("uc2 skips two")
        << QByteArray("\\uc2\\u8364 XYz") << QString::fromUtf8("\xe2\x82\xacz");
    QTest::newRow("uc0 skips none")
        << QByteArray("\\uc0\\u8364 z") << QString::fromUtf8("\xe2\x82\xacz");
    QTest::newRow("skip counts an escape")
        << QByteArray("\\u8364\\'80z") << QString::fromUtf8("\xe2\x82\xacz");
    QTest::newRow("skip ends with the group") << QByteArray("{\\uc3\\u8364}ab")
                                              << QString::fromUtf8("\xe2\x82\xac"
                                                                   "ab");
    QTest::newRow("uc belongs to the group") << QByteArray("{\\uc2\\u8364 ab}\\u8364 cd")
                                             << QString::fromUtf8("\xe2\x82\xac\xe2\x82\xac"
                                                                  "d");
    QTest::newRow("tab") << QByteArray("a\\tab b") << "a\tb";
    QTest::newRow("line") << QByteArray("a\\line b") << QStringLiteral("a\u2028b");
    QTest::newRow("escaped specials") << QByteArray("\\\\ \\{ \\}") << "\\ { }";
    QTest::newRow("nbsp") << QByteArray("a\\~b") << QStringLiteral("a\u00A0b");
    QTest::newRow("optional hyphen") << QByteArray("a\\-b") << QStringLiteral("a\u00ADb");
    QTest::newRow("named characters")
        << QByteArray("\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote")
        << QStringLiteral("\u2014\u2013\u2022\u2018\u2019\u201C\u201D");
    QTest::newRow("par") << QByteArray("a\\par b\\par c") << "a\nb\nc";
    QTest::newRow("final par adds no paragraph") << QByteArray("a\\par") << "a";
    QTest::newRow("empty paragraph kept") << QByteArray("a\\par\\par b") << "a\n\nb";
    QTest::newRow("raw line breaks ignored") << QByteArray("a\r\nb\nc") << "abc";
    QTest::newRow("escaped line break is par") << QByteArray("a\\\nb") << "a\nb";
    QTest::newRow("unknown destination") << QByteArray("a{\\*\\mydest hidden {\\b deep}}b") << "ab";
    QTest::newRow("font table") << QByteArray("{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}x")
                                << "x";
    QTest::newRow("colour table") << QByteArray("{\\colortbl;\\red255\\green0\\blue0;}x") << "x";
    QTest::newRow("stylesheet") << QByteArray("{\\stylesheet{\\s0 Normal;}}x") << "x";
    QTest::newRow("info") << QByteArray("{\\info{\\title T}{\\author A}}x") << "x";
    QTest::newRow("picture") << QByteArray("{\\pict\\pngblip 89504e47}x") << "x";
    QTest::newRow("binary with braces") << QByteArray("x{\\pict\\bin4 }}{}a}y") << "xy";
    QTest::newRow("header and footer") << QByteArray("{\\header H}{\\footer F}x") << "x";
    QTest::newRow("field result shown")
        << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}") << "shown";
    QTest::newRow("unknown word") << QByteArray("a\\foo b") << "ab";
    QTest::newRow("unknown symbol") << QByteArray("a\\|b") << "ab";
    QTest::newRow("hyphen without digits is text") << QByteArray("a\\b-x") << "a-x";
    QTest::newRow("negative parameter") << QByteArray("\\li-100 x") << "x";
}

void TestRtfReader::text() {
    QFETCH(QByteArray, body);

    QTextDocument document;
    QVERIFY(RtfReader::read(wrap(body), &document));
    QTEST(textOf(document), "expected");
}

void TestRtfReader::paragraphFormat_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("leftMargin");
    QTest::addColumn<double>("textIndent");

    const int left = Qt::AlignLeft;
    const int centre = Qt::AlignHCenter;
    QTest::newRow("centred") << QByteArray("\\qc a") << 0 << centre << 0.0 << 0.0;
    QTest::newRow("right") << QByteArray("\\qr a") << 0 << int(Qt::AlignRight) << 0.0 << 0.0;
    QTest::newRow("alignment stays after par")
        << QByteArray("\\qc a\\par b") << 1 << centre << 0.0 << 0.0;
    QTest::newRow("pard resets") << QByteArray("\\qc a\\par\\pard b") << 1 << left << 0.0 << 0.0;
    QTest::newRow("ql") << QByteArray("\\qc a\\par\\ql b") << 1 << left << 0.0 << 0.0;
    QTest::newRow("group restores") << QByteArray("{\\qc a\\par}b") << 1 << left << 0.0 << 0.0;
    QTest::newRow("set at the end of the paragraph")
        << QByteArray("a\\qc\\par b") << 0 << centre << 0.0 << 0.0;
    QTest::newRow("hanging indent")
        << QByteArray("\\li720\\fi-360 a") << 0 << left << 48.0 << -24.0;
    QTest::newRow("indent not beyond margin")
        << QByteArray("\\li150\\fi-5000 a") << 0 << left << 10.0 << -10.0;
    QTest::newRow("huge indent clamped")
        << QByteArray("\\li999999999 a") << 0 << left << 960.0 << 0.0;
}

void TestRtfReader::paragraphFormat() {
    QFETCH(QByteArray, body);
    QFETCH(int, block);

    QTextDocument document;
    QVERIFY(RtfReader::read(wrap(body), &document));
    const QTextBlockFormat format = document.findBlockByNumber(block).blockFormat();
    QTEST(int(format.alignment() & Qt::AlignHorizontal_Mask), "alignment");
    QTEST(format.leftMargin(), "leftMargin");
    QTEST(format.textIndent(), "textIndent");
}

void TestRtfReader::malformed_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    const int cap = RtfReader::MaxGroupDepth;
    const QString euro = QString::fromUtf8("\xe2\x82\xac");

    QTest::newRow("header only") << QByteArray("{\\rtf") << "";
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b") << "a";
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}}b") << "a";
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b a{{{ b") << "a b";
    QTest::newRow("nesting at the cap") << "{\\rtf1 " + nested(cap - 1, "x") + "y}"
                                        << "xy";
    QTest::newRow("nesting beyond the cap") << "{\\rtf1 " + nested(cap, "x") + "y}"
                                            << "y";
    QTest::newRow("nesting 100000 deep") << "{\\rtf1 a" + nested(100000, "x") + "b}"
                                         << "ab";
    QTest::newRow("100000 unclosed groups") << "{\\rtf1 a" + QByteArray(100000, '{') << "a";
    QTest::newRow("100000 closing braces") << "{\\rtf1 a" + QByteArray(100000, '}') << "a";
    QTest::newRow("truncated escape at the end") << QByteArray("{\\rtf1 a\\'4") << "a";
    QTest::newRow("truncated escape before brace") << QByteArray("{\\rtf1 a\\'4}") << "a";
    QTest::newRow("escape without hex digits") << QByteArray("{\\rtf1 a\\'zz}") << "azz";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("control word at the end") << QByteArray("{\\rtf1 a\\par") << "a";
    QTest::newRow("huge unicode") << QByteArray("{\\rtf1 \\u99999999999999?x}")
                                  << QStringLiteral("\uFFFDx");
    QTest::newRow("huge negative unicode")
        << QByteArray("{\\rtf1 \\u-99999999?x}") << QStringLiteral("\uFFFDx");
    QTest::newRow("huge uc is clamped")
        << QByteArray("{\\rtf1 \\uc99999999\\u8364 abcdefghijklmnopqrstuvwxyz}")
        << euro + "qrstuvwxyz";
    QTest::newRow("negative uc") << QByteArray("{\\rtf1 \\uc-5\\u8364 ab}") << euro + "ab";
    QTest::newRow("odd skip runs")
        << QByteArray("{\\rtf1 \\uc3\\u8364\\u8364\\u8364 abcdef}") << euro + "bcdef";
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a{\\pict\\bin999999999999 xyz}}") << "a";
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::newRow("long control word") << "{\\rtf1 a\\" + QByteArray(100000, 'x') + " b}"
                                       << "ab";
    QTest::newRow("long number") << "{\\rtf1 a\\fs" + QByteArray(100000, '9') + " b}"
                                 << "ab";
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << "ab";
    QTest::newRow("control characters dropped")
        << QByteArray("{\\rtf1 a\\'00\\'0d\\'0a\\u0?\\u13?b}") << "ab";
    QTest::newRow("frame markers replaced")
        << QByteArray("{\\rtf1 \\u-560?\\u-559?}") << QStringLiteral("\uFFFD\uFFFD");
    QTest::newRow("raw high byte is cp1252") << QByteArray("{\\rtf1 \x80}") << euro;
    QTest::newRow("braces closing the document inside a skipped group")
        << QByteArray("{\\rtf1 {\\*\\x }}}a") << "";
    QTest::newRow("star in the document group") << QByteArray("{\\rtf1\\* a}") << " a";
    QTest::newRow("star alone") << QByteArray("{\\rtf1 {\\*}a}") << "a";
    QTest::newRow("unclosed font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}") << "";
    QTest::newRow("huge font number")
        << QByteArray("{\\rtf1{\\fonttbl{\\f99999999999 Arial;}}\\f99999999999 x}") << "x";
}

void TestRtfReader::malformed() {
    QFETCH(QByteArray, data);

    QTextDocument document;
    QVERIFY(RtfReader::read(data, &document));
    QTEST(textOf(document), "expected");
}

void TestRtfReader::notRtf_data() {
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Hello");
    QTest::newRow("truncated header") << QByteArray("{\\rt");
    QTest::newRow("no brace") << QByteArray("\\rtf1 x}");
    QTest::newRow("leading space") << QByteArray(" {\\rtf1 x}");
    QTest::newRow("upper case") << QByteArray("{\\RTF1 x}");
    QTest::newRow("html") << QByteArray("<html><body>x</body></html>");
}

void TestRtfReader::notRtf() {
    QFETCH(QByteArray, data);

    QTextDocument document;
    document.setPlainText("keep");
    const int revision = document.revision();
    QVERIFY(!RtfReader::read(data, &document));
    QCOMPARE(document.toPlainText(), QString("keep"));
    QCOMPARE(document.revision(), revision);
    QVERIFY(!RtfReader::read(wrap("x"), nullptr));
}

void TestRtfReader::readReplacesContent() {
    QTextDocument document;
    document.setPlainText("old");
    QVERIFY(document.isUndoRedoEnabled());
    QVERIFY(RtfReader::read(wrap("new\\par page"), &document));
    QCOMPARE(textOf(document), QString("new\npage"));
    // Loading a page is not an edit the user could undo.
    QVERIFY(!document.isUndoAvailable());
    QVERIFY(document.isUndoRedoEnabled());
}

void TestRtfReader::readFileFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: the file is not created

    QTest::newRow("missing") << "missing.rtf" << QByteArray();
    QTest::newRow("directory") << "." << QByteArray();
    QTest::newRow("empty") << "empty.rtf" << QByteArray("");
    QTest::newRow("not rtf") << "page.txt" << QByteArray("Getting Started");
}

void TestRtfReader::readFileFailures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTextDocument document;
    document.setPlainText("keep");
    const int revision = document.revision();
    QVERIFY(!RtfReader::readFile(path, &document));
    QCOMPARE(document.toPlainText(), QString("keep"));
    QCOMPARE(document.revision(), revision);

    // The same path holding RTF is read.
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(wrap("read"));
        file.close();
        QVERIFY(RtfReader::readFile(path, &document));
        QCOMPARE(document.toPlainText(), QString("read"));
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
