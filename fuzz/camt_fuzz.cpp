// libFuzzer target: the camt reader must finish on any bytes, whole or one account at a time,
// without crashing, hanging or touching memory it does not own, and a refused file gives no rows.
#include "import/CamtReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)CamtReader::recognises(bytes);
    const ReadResult whole = CamtReader::read(bytes);
    if (!whole.error.isEmpty() && !whole.rows.isEmpty())
        std::abort();
    const QList<StatementAccount> accounts = CamtReader::accounts(bytes);
    (void)severalHaveEntries(accounts);
    for (int a = 0; a < accounts.size() && a < 8; ++a) {
        const ReadResult one = CamtReader::read(bytes, a);
        if (one.error.isEmpty() && one.rows.size() != accounts[a].rows)
            std::abort();
    }
    return 0;
}
