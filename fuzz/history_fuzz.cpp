// libFuzzer target: any bytes, read as the CSV or QIF reader reads them, then cut into statements
// as the history import cuts them, must finish without crashing, overflowing or hanging.
#include "import/BankText.h"
#include "import/CsvReader.h"
#include "import/HistoryImport.h"
#include "import/QifReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

namespace {

void cutEveryWay(const QList<ImportedRow>& read, uint8_t choice) {
    HistoryImport::Cutting cutting;
    const HistoryImport::Cutting::Every every[] = {
        HistoryImport::Cutting::Every::Month, HistoryImport::Cutting::Every::Quarter,
        HistoryImport::Cutting::Every::HalfYear, HistoryImport::Cutting::Every::Year};
    cutting.every = every[choice & 3];
    cutting.cutDay = (choice >> 2) & 31;
    HistoryImport::AccountHistory account;
    if (choice & 128) {
        // A history already in the account, ending a year into the file.
        for (const ImportedRow& r : read) {
            if (r.ok() && r.date.isValid()) {
                account.lastDate = r.date.addYears(1);
                account.numbers = {1, 2, 3};
                break;
            }
        }
    }
    const HistoryImport::Signs signs = HistoryImport::proposeSigns(read);
    (void)HistoryImport::cut(HistoryImport::applied(read, signs), cutting, {}, account);
    (void)HistoryImport::cut(read, cutting, {Money::fromRaw(-1'000'000'000), std::nullopt},
                             account);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The whole input is the file; its last byte also chooses how the history is cut.
    if (size < 1)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto text = BankText::decode(bytes);
    if (!text)
        return 0;
    const uint8_t choice = data[size - 1];
    CsvReader reader(*text);
    QString error;
    if (const auto proposal = reader.propose(std::nullopt, &error))
        cutEveryWay(reader.read(proposal->layout).rows, choice);
    cutEveryWay(QifReader::read(*text).rows, choice);
    return 0;
}
