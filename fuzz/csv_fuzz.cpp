// libFuzzer target: the CSV reader must finish on any bytes, with any layout, without crashing,
// hanging or touching memory it does not own.
#include "import/BankText.h"
#include "import/CsvReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The whole input is the file; its last three bytes also choose a layout of the user's own,
    // so that the seeds stay whole files.
    if (size < 3)
        return 0;
    const uint8_t a = data[size - 2];
    const uint8_t b = data[size - 1];
    const uint8_t c = data[size - 3];
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto text = BankText::decode(bytes);
    if (!text)
        return 0;
    CsvReader reader(*text);
    QString error;
    if (const auto proposal = reader.propose(std::nullopt, &error))
        (void)reader.read(proposal->layout);

    CsvLayout layout;
    const QChar delimiters[] = {u',', u';', u'\t', u'|'};
    layout.delimiter = delimiters[a & 3];
    layout.header = a & 4;
    layout.dateOrder = (a & 8) ? DateOrder::MonthFirst : DateOrder::DayFirst;
    layout.decimal = (a & 16) ? u',' : u'.';
    layout.amounts = (a & 32) ? CsvLayout::Amounts::DebitCredit : CsvLayout::Amounts::Signed;
    layout.flipSign = a & 64;
    layout.skipLines = b & 3;
    layout.dateColumn = (b >> 2) & 3;
    layout.amountColumn = layout.debitColumn = ((b >> 4) & 3) - 1;
    layout.creditColumn = layout.balanceColumn = ((b >> 6) & 3) - 1;
    layout.descriptionColumn = (a >> 7) - 1;
    layout.signColumn = (c & 3) - 1;
    if (c & 4)
        layout.extraDescriptionColumns = {(c >> 3) & 3, (c >> 5) & 3};
    (void)reader.read(layout);
    (void)CsvLayout::fromText(*text);
    return 0;
}
