// libFuzzer target: RtfReader::read must finish on any input without crashing, hanging or
// touching memory it does not own.
#include "help/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// With ASan's default quarantine (256 MB) the process would pass -rss_limit_mb=256 on freed
// memory alone. fontconfig keeps its caches to the end of the process by design.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Character formats with fonts need a QGuiApplication; one for the whole run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = 1;
    static char* appArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(appArgc, appArgv);
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    if (RtfReader::read(rtf, &document) && size <= 4096) {
        // The help window lays the page out: the formats read must be ones Qt can lay out.
        // Only for small inputs, where it does not dominate the time of a run.
        document.setTextWidth(600);
        (void)document.documentLayout()->documentSize();
    }
    return 0;
}
