// The shipped catalogues: each holds every text of the sources as they stand, each translated,
// with the same placeholders and an accelerator where the English has one; each language has
// its glossary, its help pages, each of which reads, and its names of the bank-file layouts.
#include "data/Language.h"
#include "help/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

QVector<Message> readCatalogue(const QString& path) {
    QVector<Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            out.append({context, {}, {}, false});
        } else if (xml.name() == u"source" && !out.isEmpty()) {
            out.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !out.isEmpty()) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            out.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            out.last().finished = !unfinished && !out.last().translation.isEmpty();
        }
    }
    return out;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%L?\\d+"));
    QStringList out;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        out << it.next().captured().remove(QLatin1Char('L'));
    out.sort();
    out.removeDuplicates();
    return out;
}

bool hasAccelerator(const QString& text) {
    static const QRegularExpression amp(QStringLiteral("(^|[^&])&[^&\\s]"));
    return amp.match(text).hasMatch();
}

QString sourceDir() {
    return QStringLiteral(VANTRELL_SOURCE_DIR);
}

} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    void language_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : Language::translated())
            QTest::newRow(qPrintable(code)) << code;
    }

    // Brought up to the sources on a copy, the catalogue has nothing unfinished: a text added
    // or changed without its translations fails here.
    void complete_data() { language_data(); }
    void complete() {
        QFETCH(QString, code);
        QTemporaryDir dir;
        const QString shipped = sourceDir() + QStringLiteral("/translations/vantrell_%1.ts").arg(code);
        const QString copy = dir.filePath(QFileInfo(shipped).fileName());
        QVERIFY2(QFile::copy(shipped, copy), qPrintable(shipped));
        QProcess lupdate;
        lupdate.start(QStringLiteral(VANTRELL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       sourceDir() + QStringLiteral("/src/core"),
                       sourceDir() + QStringLiteral("/src/gui"), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QVector<Message> messages = readCatalogue(copy);
        QVERIFY(messages.size() > 100);
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": \"") + m.source + u'"';
            if (!m.finished)
                faults << QStringLiteral("unfinished ") + where;
            else if (placeholders(m.source) != placeholders(m.translation))
                faults << QStringLiteral("placeholders differ in ") + where;
            else if (hasAccelerator(m.source) && !hasAccelerator(m.translation))
                faults << QStringLiteral("no accelerator in ") + where;
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(QString::number(faults.size()) + QStringLiteral(" faults, the first ") +
                             faults.mid(0, 20).join(u'\n')));
    }

    // The glossary the translation follows, and the help pages, each of which reads.
    void glossaryAndHelp_data() { language_data(); }
    void glossaryAndHelp() {
        QFETCH(QString, code);
        QVERIFY(QFile::exists(sourceDir() + QStringLiteral("/translations/glossary_%1.md").arg(code)));
        const QDir english(sourceDir() + QStringLiteral("/resources/help"));
        for (const QString& page : english.entryList({QStringLiteral("*.rtf")}, QDir::Files)) {
            const QString path = english.filePath(code + u'/' + page);
            QTextDocument document;
            QVERIFY2(RtfReader::readFile(path, &document), qPrintable(path));
            const QString text = document.toPlainText();
            QVERIFY2(text.size() > 1000, qPrintable(path));
            QVERIFY2(!text.contains(u'\\') && !text.contains(u'{'), qPrintable(path));
        }
        // Each bank-file layout the program brings names itself in the language too.
        const QDir presets(sourceDir() + QStringLiteral("/resources/import/presets"));
        for (const QString& file : presets.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
            QFile f(presets.filePath(file));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QRegularExpression named(QStringLiteral("^name\\[%1\\]=\\S").arg(code),
                                           QRegularExpression::MultilineOption);
            QVERIFY2(QString::fromUtf8(f.readAll()).contains(named), qPrintable(file));
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
