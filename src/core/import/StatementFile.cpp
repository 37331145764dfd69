#include "StatementFile.h"

#include "BankText.h"
#include "CamtReader.h"
#include "Mt940Reader.h"
#include "OfxReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StatementFile {

QString dialogFilter() {
    //: The file dialog's filter: keep the | and the patterns after it.
    return QCoreApplication::translate("StatementFile",
                                       "Bank statements|*.csv *.ofx *.qfx *.qif *.txt *.xml "
                                       "*.sta *.940 *.mt940");
}

StatementFormat formatOf(const QByteArray& bytes, const QString& fileName) {
    // Every OFX file opens its <OFX> element within its first lines.
    const QByteArray head = bytes.left(4096).trimmed();
    if (OfxReader::looksLikeOfx(bytes.left(65536)) || head.startsWith("OFXHEADER"))
        return StatementFormat::Ofx;
    if (head.startsWith("!Type:") || head.startsWith("!Account") || head.startsWith("!Option") ||
        head.startsWith("!type:"))
        return StatementFormat::Qif;
    if (CamtReader::recognises(bytes))
        return StatementFormat::Camt;
    if (Mt940Reader::recognises(bytes))
        return StatementFormat::Mt940;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"ofx" || suffix == u"qfx")
        return StatementFormat::Ofx;
    if (suffix == u"qif")
        return StatementFormat::Qif;
    // Refused by the reader of what the name claims, with a message that says so.
    if (suffix == u"xml")
        return StatementFormat::Camt;
    if (suffix == u"sta" || suffix == u"940" || suffix == u"mt940")
        return StatementFormat::Mt940;
    return StatementFormat::Csv;
}

namespace {

QString tooLarge(const QString& path, qint64 size) {
    return QCoreApplication::translate(
               "StatementFile",
               "The file %1 is %2 MB; a statement file may be at most %3 MB. Download "
               "a shorter period from the bank.")
        .arg(path)
        .arg((size + 1024 * 1024 - 1) / (1024 * 1024))
        .arg(MaxBytes / (1024 * 1024));
}

// The bytes of the file at `path`, or nullopt and why not. Opened without waiting, so that a
// pipe cannot hold the program, and checked as opened, so that a name swapped for another file
// in between changes nothing. Links are followed.
std::optional<QByteArray> readRegularFile(const QString& path, QString* error) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error =
            errno == ENOENT
                ? QCoreApplication::translate("StatementFile", "The file %1 does not exist.")
                      .arg(path)
                : QCoreApplication::translate("StatementFile", "The file %1 cannot be read: %2")
                      .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error =
            QCoreApplication::translate(
                "StatementFile", "%1 is not a regular file (it is a folder, a device or a pipe): "
                                 "it cannot be a bank's statement file.")
                .arg(path);
        return std::nullopt;
    }
    if (status.st_size > MaxBytes) {
        *error = tooLarge(path, status.st_size);
        return std::nullopt;
    }
    // Read up to one byte past the limit, whatever the size said: a file may grow meanwhile.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got <= MaxBytes) {
        if (got == bytes.size())
            bytes.resize(qsizetype(std::min<qint64>(bytes.size() * 2, MaxBytes + 1)));
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            *error = QCoreApplication::translate("StatementFile", "The file %1 cannot be read: %2")
                         .arg(path, file.errorString());
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > MaxBytes) {
        *error = tooLarge(path, got);
        return std::nullopt;
    }
    bytes.truncate(qsizetype(got));
    return bytes;
}

} // namespace

Loaded load(const QString& path) {
    Loaded loaded;
    std::optional<QByteArray> bytes = readRegularFile(path, &loaded.error);
    if (!bytes)
        return loaded;
    loaded.bytes = std::move(*bytes);
    // Looked at in place: trimmed() would copy the whole file.
    if (std::all_of(loaded.bytes.cbegin(), loaded.bytes.cend(),
                    [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); })) {
        loaded.error =
            QCoreApplication::translate("StatementFile", "The file %1 is empty.").arg(path);
        return loaded;
    }
    // UTF-16 files carry NUL bytes; the content test reads their text.
    const auto text = BankText::decode(loaded.bytes);
    loaded.format = formatOf(text ? text->left(65536).toUtf8() : loaded.bytes, path);
    // The XML and MT940 readers decode the file as it says (its declaration, its code page).
    if (loaded.format == StatementFormat::Camt || loaded.format == StatementFormat::Mt940)
        return loaded;
    if (loaded.format == StatementFormat::Ofx) {
        if (text && (loaded.bytes.startsWith("\xFF\xFE") || loaded.bytes.startsWith("\xFE\xFF")))
            loaded.bytes = text->toUtf8();
        return loaded;
    }
    if (!text) {
        loaded.error = QCoreApplication::translate(
                           "StatementFile", "The file %1 is not a text file: it cannot be a bank's "
                                            "CSV or QIF file.")
                           .arg(path);
        return loaded;
    }
    // "\r\n", "\n" and "\r" each end a line.
    const qsizetype lines = std::max(std::count(text->cbegin(), text->cend(), u'\n'),
                                     std::count(text->cbegin(), text->cend(), u'\r'));
    if (lines > MaxLines) {
        loaded.error =
            QCoreApplication::translate("StatementFile",
                                        "The file %1 has %2 lines; a statement file may have at "
                                        "most %3 lines. Download a shorter period from the bank.")
                .arg(path, QLocale().toString(lines), QLocale().toString(MaxLines));
        return loaded;
    }
    // The readers of CSV and QIF read the text alone: the bytes are not kept beside it.
    loaded.text = *text;
    loaded.bytes.clear();
    return loaded;
}

} // namespace StatementFile
