#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the windows speak: the borrower's choice (kept in the program's own settings, not
// in an account), else the system's preferred languages in order, else English. A language is
// spoken only where the program has its catalogue; the English texts are the source texts, so
// with English, or any language without a catalogue, nothing changes. Only what a person reads
// follows it: nothing stored, read from a bank's file or written as CSV does.
namespace Language {

enum class Choice : quint8 { System, English, German, Dutch, French };

// "System", "English", "Deutsch", "Nederlands", "Français", in Choice's order.
QStringList names();
// "", "en", "de", "nl", "fr".
QString code(Choice c);

// The choice kept for the next start (System when none is kept or it does not read).
Choice stored();
bool store(Choice c);

// The languages to try, in order, up to English: the chosen one, or for System each of
// `uiLanguages` (as QLocale::uiLanguages gives them, "de-AT" trying "de"), English last.
QStringList wanted(Choice c, const QStringList& uiLanguages);

// The folder of the program's catalogues ("vantrell_de.qm" ...), translations/ in the program's
// folder, installed or built.
QString catalogueFolder();

// The languages the program has catalogues and help pages for: "de", "nl", "fr".
QStringList translated();

// Installs into `app` the program's catalogue and Qt's own (its dialog buttons, the file
// dialog) for the first wanted language the program has a catalogue for. The language used,
// "en" when none.
QString install(QCoreApplication& app, Choice c);

// The language installed, "en" before or without one.
QString current();

// A child program the windows run (the OFX reader) speaks the language this variable names,
// set by its parent; without it, English.
inline const QString ChildVariable = QStringLiteral("VANTRELL_LANGUAGE");
QString installForChild(QCoreApplication& app);

// While one lives, the texts the program makes on this thread are its English source texts:
// the complaint letter and its evidence are written in English whatever the windows speak.
class EnglishScope {
public:
    EnglishScope();
    ~EnglishScope();
    EnglishScope(const EnglishScope&) = delete;
    EnglishScope& operator=(const EnglishScope&) = delete;

private:
    bool m_before;
};

} // namespace Language
