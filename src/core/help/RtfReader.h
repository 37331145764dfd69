#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) into a QTextDocument: the subset that the help pages and simple word
// processors use. Character formatting (bold, italic, underline, strike-out, size, font family
// from the font table), paragraphs with alignment, indents and spacing, tabs, line breaks,
// Unicode characters and escaped bytes of the code page that \ansicpg names (Windows-1252 by
// default, and for code pages the system has no decoder for). Pictures, tables' structure, headers,
// footers, fields' instructions and every destination it does not know are skipped.
//
// Hostile input is safe: one pass without recursion, so time is linear in the input size and
// memory is bounded by it; group nesting, control word length and numeric parameters are capped.
class RtfReader {
public:
    RtfReader() = delete;

    // Groups nested deeper than this are skipped with everything inside them.
    static constexpr int MaxGroupDepth = 256;
    // readFile refuses larger files: a help page is a few kilobytes.
    static constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

    // Fills `document` (cleared first) from RTF text. Returns false if the data is not RTF at
    // all (does not start with "{\rtf"), leaving the document untouched in that case.
    static bool read(const QByteArray& rtf, QTextDocument* document);

    // Reads a file; false (document untouched) when the file is missing, unreadable, larger
    // than MaxFileSize or not RTF.
    static bool readFile(const QString& path, QTextDocument* document);
};
