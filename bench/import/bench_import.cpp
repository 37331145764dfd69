// Reading a bank's CSV file of 10 MB: split, layout found and every row read, as the preview
// does when the file is opened; and a read again in a given layout, as after each correction.
// The largest files accepted (30 MB, or as many lines as a file may have) opened the whole way the
// preview opens them, with the peak memory they take. A QIF, a camt.053 and an MT940 file of
// 10 MB read.
#include "import/CamtReader.h"
#include "import/CsvReader.h"
#include "import/ImportPreview.h"
#include "import/Mt940Reader.h"
#include "import/QifReader.h"
#include "import/StatementFile.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype FileBytes = 10 * 1024 * 1024;

// A header, then rows like a bank's: date, description, signed amount, running balance.
QString bigCsv() {
    QString text = QStringLiteral("Date,Description,Amount,Balance\r\n");
    qint64 balance = -25000000; // cents
    for (int i = 0; text.size() < FileBytes; ++i) {
        const int day = 1 + i % 28;
        const int month = 1 + (i / 28) % 12;
        const int year = 2000 + (i / 336) % 24;
        const qint64 amount = i % 5 == 0 ? 150000 : -(1000 + (i * 37) % 90000);
        balance += amount;
        text += QStringLiteral("%1/%2/%3,\"Transaction %4, ref %5\",%6.%7,%8.%9\r\n")
                    .arg(day, 2, 10, QChar(u'0'))
                    .arg(month, 2, 10, QChar(u'0'))
                    .arg(year)
                    .arg(i)
                    .arg(i * 7919)
                    .arg(amount / 100)
                    .arg(std::abs(amount % 100), 2, 10, QChar(u'0'))
                    .arg(balance / 100)
                    .arg(std::abs(balance % 100), 2, 10, QChar(u'0'));
    }
    return text;
}

QString bigQif() {
    QString text = QStringLiteral("!Type:Bank\n");
    for (int i = 0; text.size() < FileBytes; ++i)
        text += QStringLiteral("D%1/%2/2024\nT-%3.50\nPPayee %4\nMMemo %4\n^\n")
                    .arg(1 + i % 28)
                    .arg(1 + i % 12)
                    .arg(i % 1000)
                    .arg(i);
    return text;
}

// One statement of entries as a German bank writes them, each with its value date, counterparty
// and remittance text, and its opening and closing balances.
QByteArray bigCamt() {
    QByteArray entries;
    qint64 cents = 0;
    for (int i = 0; entries.size() < FileBytes; ++i) {
        const qint64 amount = 100 + (i * 37) % 200000;
        const bool credit = i % 2 == 0;
        cents += credit ? amount : -amount;
        const QByteArray date = QDate(2000, 1, 1).addDays(i / 5).toString(Qt::ISODate).toLatin1();
        entries += "<Ntry><Amt Ccy=\"EUR\">" + QByteArray::number(amount / 100) + '.' +
                   QByteArray::number(amount % 100).rightJustified(2, '0') +
                   "</Amt><CdtDbtInd>" + (credit ? "CRDT" : "DBIT") +
                   "</CdtDbtInd><Sts>BOOK</Sts><BookgDt><Dt>" + date +
                   "</Dt></BookgDt><ValDt><Dt>" + date + "</Dt></ValDt><AcctSvcrRef>R" +
                   QByteArray::number(i) +
                   "</AcctSvcrRef><NtryDtls><TxDtls><RltdPties><Dbtr><Nm>Erika Mustermann</Nm>"
                   "</Dbtr></RltdPties><RmtInf><Ustrd>Rate " +
                   QByteArray::number(i) + "</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry>\n";
    }
    const auto balance = [](const char* code, qint64 c) {
        return QByteArray("<Bal><Tp><CdOrPrtry><Cd>") + code + "</Cd></CdOrPrtry></Tp><Amt>" +
               QByteArray::number(std::abs(c) / 100) + '.' +
               QByteArray::number(std::abs(c) % 100).rightJustified(2, '0') + "</Amt><CdtDbtInd>" +
               (c < 0 ? "DBIT" : "CRDT") + "</CdtDbtInd><Dt><Dt>2000-01-01</Dt></Dt></Bal>\n";
    };
    return "<?xml version=\"1.0\"?>\n<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053."
           "001.02\"><BkToCstmrStmt><Stmt><Id>1</Id><Acct><Id><IBAN>DE02120300000000202051"
           "</IBAN></Id></Acct>\n" +
           balance("OPBD", 0) + balance("CLBD", cents) + entries +
           "</Stmt></BkToCstmrStmt></Document>\n";
}

// The same entries as MT940 lines with German structured details, decimal commas.
QByteArray bigMt940() {
    QByteArray text = ":20:STARTUMSE\r\n:25:10020030/1234567\r\n:28C:1\r\n:60F:C000101EUR0,00\r\n";
    qint64 cents = 0;
    for (int i = 0; text.size() < FileBytes; ++i) {
        const qint64 amount = 100 + (i * 37) % 200000;
        cents += i % 2 == 0 ? amount : -amount;
        const QByteArray date = QDate(2000, 1, 1).addDays(i / 5).toString(u"yyMMdd").toLatin1();
        text += ":61:" + date + (i % 2 == 0 ? "C" : "D") + QByteArray::number(amount / 100) + ',' +
                QByteArray::number(amount % 100).rightJustified(2, '0') + "NTRFNONREF//R" +
                QByteArray::number(i) + "\r\n:86:166?00GUTSCHRIFT?20Rate " + QByteArray::number(i) +
                "?32Erika Mustermann\r\n";
    }
    return text + ":62F:" + (cents < 0 ? "D" : "C") + "991231EUR" +
           QByteArray::number(std::abs(cents) / 100) + ',' +
           QByteArray::number(std::abs(cents) % 100).rightJustified(2, '0') + "\r\n-\r\n";
}

void BM_CsvOpen(benchmark::State& state) {
    const QString text = bigCsv();
    qsizetype rows = 0;
    for (auto _ : state) {
        CsvReader reader(text);
        QString error;
        const auto proposal = reader.propose(std::nullopt, &error);
        if (!proposal) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        rows = proposal->result.rows.size();
        benchmark::DoNotOptimize(proposal);
    }
    state.counters["rows"] = double(rows);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CsvOpen)->Unit(benchmark::kMillisecond);

void BM_CsvReread(benchmark::State& state) {
    const QString text = bigCsv();
    CsvReader reader(text);
    QString error;
    const CsvLayout layout = reader.propose(std::nullopt, &error)->layout;
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.read(layout));
}
BENCHMARK(BM_CsvReread)->Unit(benchmark::kMillisecond);

// What the preview adds when it opens the file: the columns, the duplicate and balance checks,
// the sign that fits the statement, the closing balance.
void BM_PreviewOpen(benchmark::State& state) {
    const QString text = bigCsv();
    CsvReader reader(text);
    QString error;
    const ReadResult read = reader.propose(std::nullopt, &error)->result;
    const StatementHeader statement{{},
                                    QDate(2000, 1, 1),
                                    QDate(2023, 12, 31),
                                    *Money::parse("-250000"),
                                    *Money::parse("-250000")};
    KnownTransactions known;
    for (int i = 0; i < 5000; ++i)
        known.committed << KnownTransactions::Entry{QDate(1999, 1, 1).addDays(i % 365),
                                                    Money::fromRaw(-10000 * (i % 97))};
    for (auto _ : state) {
        ImportPreview preview(statement, known, ColumnRules::defaults());
        preview.setRows(read.rows);
        benchmark::DoNotOptimize(preview.balanceCheck());
        benchmark::DoNotOptimize(preview.closingAfterImport());
        benchmark::DoNotOptimize(preview.fitsBetterFlipped());
    }
}
BENCHMARK(BM_PreviewOpen)->Unit(benchmark::kMillisecond);

// The resident memory's high-water mark (VmHWM), in bytes; 0 where /proc does not tell.
qint64 peakResident() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

// Lowers the high-water mark to what is resident now, so that each open is measured alone.
void resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Written a line at a time, so that making it does not raise the peak measured. Bank rows (those
// of the 10 MB file) fill 30 MB. Short rows (date, amount, a word, balance) are as many as a file
// may have, StatementFile::MaxLines, the last a summary line that does not read, so that every
// layout is tried before one is proposed.
QString writeBigCsv(const QTemporaryDir& dir, bool shortRows) {
    QFile file(dir.filePath(QStringLiteral("big.csv")));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    if (!shortRows)
        file.write("Date,Description,Amount,Balance\r\n");
    qint64 balance = -25000000; // cents
    auto money = [](qint64 cents) {
        return QStringLiteral("%1%2.%3")
            .arg(cents < 0 ? "-" : "")
            .arg(std::abs(cents) / 100)
            .arg(std::abs(cents) % 100, 2, 10, QChar(u'0'));
    };
    for (int i = 0; shortRows ? i < StatementFile::MaxLines - 1 : file.size() < 30 * 1024 * 1024;
         ++i) {
        const qint64 amount = i % 5 == 0 ? 150000 : -(1000 + (i * 37) % 90000);
        balance += amount;
        const QString date = QStringLiteral("%1/%2/%3")
                                 .arg(1 + i % 28, 2, 10, QChar(u'0'))
                                 .arg(1 + (i / 28) % 12, 2, 10, QChar(u'0'))
                                 .arg(2000 + (i / 336) % 24);
        const QString line =
            shortRows ? QStringLiteral("%1,%2,Int,%3\n").arg(date, money(amount), money(balance))
                      : QStringLiteral("%1,\"Transaction %2, ref %3\",%4,%5\r\n")
                            .arg(date)
                            .arg(i)
                            .arg(i * 7919)
                            .arg(money(amount), money(balance));
        file.write(line.toUtf8());
    }
    if (shortRows)
        file.write("31/12/2023,n/a,Closing balance,\n");
    return file.fileName();
}

// The import dialog's first look at a large file: loaded and decoded, its layout proposed and
// every row read, the preview built with its checks and the sign that fits the statement. The
// counter peak_MB is the process's resident peak meanwhile, the file's text included, which the
// dialog keeps.
void BM_PreviewBigFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeBigCsv(dir, state.range(0) == 1);
    const StatementHeader statement{{},
                                    QDate(2000, 1, 1),
                                    QDate(2023, 12, 31),
                                    *Money::parse("-250000"),
                                    *Money::parse("-250000")};
    qint64 peak = 0;
    qsizetype rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeakResident();
        state.ResumeTiming();
        {
            const StatementFile::Loaded loaded = StatementFile::load(path);
            CsvReader reader(loaded.text);
            QString error;
            const auto proposal = reader.propose(std::nullopt, &error);
            if (!loaded.error.isEmpty() || !proposal) {
                state.SkipWithError(qPrintable(loaded.error + error));
                break;
            }
            ImportPreview preview(statement, KnownTransactions(), ColumnRules::defaults());
            preview.setRows(proposal->result.rows);
            benchmark::DoNotOptimize(preview.fitsBetterFlipped());
            benchmark::DoNotOptimize(preview.balanceCheck());
            benchmark::DoNotOptimize(preview.closingAfterImport());
            rows = preview.rows().size();
        }
        state.PauseTiming();
        peak = std::max(peak, peakResident());
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    state.counters["peak_MB"] = double(peak) / (1024 * 1024);
}
BENCHMARK(BM_PreviewBigFile)
    ->ArgName("short_rows")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_QifRead(benchmark::State& state) {
    const QString text = bigQif();
    for (auto _ : state)
        benchmark::DoNotOptimize(QifReader::read(text));
}
BENCHMARK(BM_QifRead)->Unit(benchmark::kMillisecond);

void BM_CamtRead(benchmark::State& state) {
    const QByteArray bytes = bigCamt();
    if (const ReadResult r = CamtReader::read(bytes); !r.error.isEmpty() || !r.summary.checked ||
                                                    !r.summary.disagreement.isEmpty())
        state.SkipWithError(qPrintable(r.error + r.summary.disagreement));
    for (auto _ : state)
        benchmark::DoNotOptimize(CamtReader::read(bytes));
}
BENCHMARK(BM_CamtRead)->Unit(benchmark::kMillisecond);

void BM_Mt940Read(benchmark::State& state) {
    const QByteArray bytes = bigMt940();
    if (const ReadResult r = Mt940Reader::read(bytes); !r.error.isEmpty() || !r.summary.checked ||
                                                    !r.summary.disagreement.isEmpty())
        state.SkipWithError(qPrintable(r.error + r.summary.disagreement));
    for (auto _ : state)
        benchmark::DoNotOptimize(Mt940Reader::read(bytes));
}
BENCHMARK(BM_Mt940Read)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
