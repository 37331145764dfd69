// libFuzzer target: the QIF reader must finish on any bytes, in either date order, without
// crashing, hanging or touching memory it does not own.
#include "import/BankText.h"
#include "import/QifReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto text = BankText::decode(bytes);
    if (!text)
        return 0;
    const ReadResult settled = QifReader::read(*text);
    (void)QifReader::read(*text, settled.dateOrder == DateOrder::DayFirst ? DateOrder::MonthFirst
                                                                          : DateOrder::DayFirst);
    // A file of several accounts reads each one alone.
    const QList<QifReader::Account> accounts = QifReader::accounts(*text);
    for (int a = 0; a < accounts.size() && a < 8; ++a)
        (void)QifReader::read(*text, std::nullopt, a);
    return 0;
}
