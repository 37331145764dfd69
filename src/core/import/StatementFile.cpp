#include "StatementFile.h"

#include "BankText.h"
#include "OfxReader.h"

#include <QFile>
#include <QFileInfo>

namespace StatementFile {

QString dialogFilter() {
    return QStringLiteral("Bank statements|*.csv *.ofx *.qfx *.qif *.txt");
}

StatementFormat formatOf(const QByteArray& bytes, const QString& fileName) {
    // Every OFX file opens its <OFX> element within its first lines.
    const QByteArray head = bytes.left(4096).trimmed();
    if (OfxReader::looksLikeOfx(bytes.left(65536)) || head.startsWith("OFXHEADER"))
        return StatementFormat::Ofx;
    if (head.startsWith("!Type:") || head.startsWith("!Account") || head.startsWith("!Option") ||
        head.startsWith("!type:"))
        return StatementFormat::Qif;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"ofx" || suffix == u"qfx")
        return StatementFormat::Ofx;
    if (suffix == u"qif")
        return StatementFormat::Qif;
    return StatementFormat::Csv;
}

Loaded load(const QString& path) {
    Loaded loaded;
    QFile file(path);
    if (!file.exists()) {
        loaded.error = QStringLiteral("The file %1 does not exist.").arg(path);
        return loaded;
    }
    if (file.size() > MaxBytes) {
        loaded.error = QStringLiteral("The file %1 is %2 MB; a statement file may be at most %3 "
                                      "MB. Download a shorter period from the bank.")
                           .arg(path)
                           .arg((file.size() + 1024 * 1024 - 1) / (1024 * 1024))
                           .arg(MaxBytes / (1024 * 1024));
        return loaded;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error =
            QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString());
        return loaded;
    }
    loaded.bytes = file.readAll();
    if (loaded.bytes.trimmed().isEmpty()) {
        loaded.error = QStringLiteral("The file %1 is empty.").arg(path);
        return loaded;
    }
    // UTF-16 files carry NUL bytes; the content test reads their text.
    const auto text = BankText::decode(loaded.bytes);
    loaded.format = formatOf(text ? text->left(65536).toUtf8() : loaded.bytes, path);
    if (loaded.format == StatementFormat::Ofx) {
        if (text && (loaded.bytes.startsWith("\xFF\xFE") || loaded.bytes.startsWith("\xFE\xFF")))
            loaded.bytes = text->toUtf8();
        return loaded;
    }
    if (!text) {
        loaded.error = QStringLiteral("The file %1 is not a text file: it cannot be a bank's "
                                      "CSV or QIF file.")
                           .arg(path);
        return loaded;
    }
    loaded.text = *text;
    return loaded;
}

} // namespace StatementFile
