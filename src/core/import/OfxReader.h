#pragma once

#include "ImportRow.h"

#include <QByteArray>

// OFX and QFX statements, SGML (1.x) and XML (2.x), read through libofx. Each transaction keeps
// its FITID; a correction in the file replaces or deletes the transaction it names when that is
// in the same file, and otherwise travels on the row for the preview to show. A file whose bytes
// are UTF-8 reads as UTF-8 whatever character set its header names; another reads in the set
// the header names, Windows-1252 when that is none or UTF-8.
namespace OfxReader {

// True when the bytes hold an <OFX> element: what the content says, whatever the file's name.
bool looksLikeOfx(const QByteArray& content);

// Reads in this process, for as long as libofx takes: the program's windows and tests read through
// OfxChild, which runs this in the child program vantrell-ofxread with a time limit.
ReadResult read(const QByteArray& content);

} // namespace OfxReader
