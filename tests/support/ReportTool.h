#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the command-line report tool: its exit status (-1 when it crashed or hung), its
// standard output and its notices.
struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs one of the command-line tools from the program folder under `locale`.
inline Run tool(const char* name, const QStringList& args, const QString& locale) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/") + QLatin1String(name), args);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline Run report(const QStringList& args, const QString& locale = QStringLiteral("C.UTF-8")) {
    return tool("vantrell-report", args, locale);
}

inline Run importTool(const QStringList& args, const QString& locale = QStringLiteral("C.UTF-8")) {
    return tool("vantrell-import", args, locale);
}
