// libFuzzer target: the MT940 reader must finish on any bytes, read whole or one account at a
// time, without crashing, hanging or touching memory it does not own.
#include "import/Mt940Reader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!Mt940Reader::recognises(bytes))
        return 0;
    (void)Mt940Reader::read(bytes);
    const QList<StatementAccount> accounts = Mt940Reader::accounts(bytes);
    (void)severalHaveEntries(accounts);
    for (int a = 0; a < accounts.size() && a < 8; ++a)
        (void)Mt940Reader::read(bytes, a);
    return 0;
}
