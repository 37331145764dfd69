#include "Language.h"

#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace Language {

namespace {

const QString Key = QStringLiteral("Language");

thread_local bool englishOnly = false;
QString& installed() {
    static QString language = QStringLiteral("en");
    return language;
}

// The program's catalogue, silent while an EnglishScope lives on the asking thread.
class Catalogue : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        return englishOnly ? QString() : QTranslator::translate(context, source, disambiguation, n);
    }
};

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantrell"),
                     QStringLiteral("Vantrell"));
}

} // namespace

QStringList names() {
    // Each language by its own name, which no translation changes.
    return {QCoreApplication::translate("Language", "System"), QStringLiteral("English"),
            QStringLiteral("Deutsch"), QStringLiteral("Nederlands"),
            QString::fromUtf8("Fran\u00e7ais")};
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
        const QString base = language.section(QLatin1Char('-'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .toLower();
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
    return QDir(ProgramPaths::programFolder()).filePath(QStringLiteral("translations"));
}

QString install(QCoreApplication& app, Choice c) {
    for (const QString& language : wanted(c, QLocale().uiLanguages())) {
        if (language == QLatin1String("en"))
            break;
        auto* own = new Catalogue(&app);
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
        installed() = language;
        return language;
    }
    return QStringLiteral("en");
}

QString installForChild(QCoreApplication& app) {
    const QString asked = qEnvironmentVariable(qPrintable(ChildVariable));
    for (Choice c : {Choice::German, Choice::Dutch, Choice::French})
        if (asked == code(c))
            return install(app, c);
    return QStringLiteral("en");
}

QString current() {
    return installed();
}

QStringList translated() {
    return {code(Choice::German), code(Choice::Dutch), code(Choice::French)};
}

EnglishScope::EnglishScope() : m_before(englishOnly) {
    englishOnly = true;
}

EnglishScope::~EnglishScope() {
    englishOnly = m_before;
}

} // namespace Language
