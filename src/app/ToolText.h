#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// What the command-line tools write: UTF-8 text, and a problem as "TOOL: problem" on standard
// error (a usage error followed by the tool's usage text).
namespace ToolText {

inline void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

// Says the problem and hands back `status`, the exit status it ends the run with.
inline int problem(const char* tool, const QString& text, int status) {
    print(stderr, QStringLiteral("%1: %2\n").arg(QLatin1String(tool), text));
    return status;
}

inline int usageError(const char* tool, const QString& text, const QString& usage, int status) {
    print(stderr, QStringLiteral("%1: %2\n\n").arg(QLatin1String(tool), text));
    print(stderr, usage);
    return status;
}

} // namespace ToolText
