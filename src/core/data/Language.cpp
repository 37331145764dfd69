#include "Language.h"

#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace Language {

namespace {

const QString Key = QStringLiteral("Language");

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantrell"),
                     QStringLiteral("Vantrell"));
}

} // namespace

const QStringList& names() {
    static const QStringList n = {QStringLiteral("System"), QStringLiteral("English"),
                                  QStringLiteral("Deutsch"), QStringLiteral("Nederlands"),
                                  QString::fromUtf8("Fran\u00e7ais")};
    return n;
}

QString code(Choice c) {
    static const QStringList codes = {QString(), QStringLiteral("en"), QStringLiteral("de"),
                                      QStringLiteral("nl"), QStringLiteral("fr")};
    return codes.value(int(c));
}

Choice stored() {
    const QString kept = settings().value(Key).toString();
    for (Choice c : {Choice::English, Choice::German, Choice::Dutch, Choice::French})
        if (kept == code(c))
            return c;
    return Choice::System;
}

bool store(Choice c) {
    QSettings s = settings();
    s.setValue(Key, c == Choice::System ? QStringLiteral("system") : code(c));
    s.sync();
    return s.status() == QSettings::NoError;
}

QStringList wanted(Choice c, const QStringList& uiLanguages) {
    QStringList out;
    const auto add = [&](const QString& language) {
        const QString base =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (!base.isEmpty() && !out.contains(base))
            out << base;
    };
    if (c != Choice::System) {
        add(code(c));
    } else {
        for (const QString& language : uiLanguages) {
            add(language);
            if (out.last() == QLatin1String("en"))
                break;
        }
    }
    add(QStringLiteral("en"));
    // Nothing after English is tried: it is the source texts.
    return out.mid(0, out.indexOf(QStringLiteral("en")) + 1);
}

QString catalogueFolder() {
    const QString beside =
        QDir(ProgramPaths::programFolder()).filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/vantrell/translations"));
}

QString install(QCoreApplication& app, Choice c) {
    for (const QString& language : wanted(c, QLocale().uiLanguages())) {
        if (language == QLatin1String("en"))
            break;
        auto* own = new QTranslator(&app);
        if (!own->load(QStringLiteral("vantrell_") + language, catalogueFolder())) {
            delete own;
            continue;
        }
        app.installTranslator(own);
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return QStringLiteral("en");
}

} // namespace Language
