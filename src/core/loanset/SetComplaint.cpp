#include "SetComplaint.h"

#include "data/Language.h"

#include <QCoreApplication>

namespace SetComplaint {

namespace {

// The parts with something to raise, under their names.
QVector<Complaint::Part> raised(const Case& c) {
    QVector<Complaint::Part> parts;
    for (qsizetype i = 0; i < c.parts.size(); ++i)
        if (Complaint::noLetter(c.parts[i]).isEmpty())
            parts << Complaint::Part{&c.parts[i], c.names.value(i)};
    // An offset on the wrong part is raised with every part it touched.
    if (parts.isEmpty() && !c.acrossParts.isEmpty())
        for (qsizetype i = 0; i < c.parts.size(); ++i)
            parts << Complaint::Part{&c.parts[i], c.names.value(i)};
    return parts;
}

} // namespace

std::optional<Case> prepare(const SetCheck::Result& r, QString* error) {
    Case c;
    for (const SetCheck::PartRun& p : r.parts) {
        if (!p.checked())
            continue;
        std::optional<Complaint::Case> part = Complaint::prepare(p.run, p.path, error);
        if (!part) {
            *error = QCoreApplication::translate("SetComplaint", "%1: %2").arg(p.part.name, *error);
            return std::nullopt;
        }
        c.parts << std::move(*part);
        c.names << p.part.name;
    }
    if (c.parts.isEmpty()) {
        *error =
            QCoreApplication::translate("SetComplaint", "no part of the loan set could be checked");
        return std::nullopt;
    }
    const Language::EnglishScope english; // the letter's own sentences
    for (const SetCheck::WrongOffset& w : r.wrongOffsets)
        // The letter's own words: it goes to the lender in English.
        c.acrossParts << QStringLiteral("I complain that you counted an offset account against "
                                        "the wrong part of my loan. %1")
                             .arg(SetCheck::sentence(r, w));
    return c;
}

QString noLetter(const Case& c) {
    if (!raised(c).isEmpty())
        return {};
    return QCoreApplication::translate(
        "SetComplaint",
        "no part of the loan was charged more than its interest due, no repayment falls "
        "short of its terms and no offset account was linked to the wrong part: there is "
        "nothing to complain of");
}

QString letterText(const Case& c, const QString& evidenceName) {
    return Complaint::letterText(raised(c), c.acrossParts, evidenceName);
}

bool writeLetter(const Case& c, const QString& path, const QString& evidenceName, QString* error) {
    if (const QString why = noLetter(c); !why.isEmpty()) {
        *error = QCoreApplication::translate("SetComplaint", "No letter is written: %1.").arg(why);
        return false;
    }
    return Complaint::writeLetter(raised(c), c.acrossParts, path, evidenceName, error);
}

bool writeEvidence(const Case& c, const QString& path, QString* error) {
    QVector<const Complaint::Case*> parts;
    for (const Complaint::Part& p : raised(c))
        parts << p.c;
    if (parts.isEmpty()) {
        *error = QCoreApplication::translate("SetComplaint", "No evidence is written: %1.")
                     .arg(noLetter(c));
        return false;
    }
    return Complaint::writeEvidence(parts, path, error);
}

} // namespace SetComplaint
