#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

#include <QStringList>
#include <QVector>
#include <functional>

// The report grid's cell texts in the default locale: exactly what Money::format() and
// ShortDate::format() give, but with the locale read once. A report has ten thousand lines, and
// asking the locale anew for every cell takes longer than the whole calculation. Locales whose
// numbers or dates need more than plain digits and separators are passed to those functions.
class GridText {
public:
    GridText();

    QString amount(Money m) const; // "#,##0.00"
    QString date(const QDate& d) const;

private:
    enum class Field : quint8 { Literal, Day, Day2, Month, Month2, Year };
    struct Part {
        Field field = Field::Literal;
        QString text;
    };

    bool m_plainNumbers = false; // Latin digits, groups of three
    QString m_group;
    QString m_point;
    QVector<Part> m_datePattern; // empty: ask ShortDate
};

// Rows of cells in columns for plain text, two spaces apart; no trailing spaces. Lines end with
// '\n'. The columns `right` names line up on the right, the others read from the left; without
// it, every column but the first is on the right.
QString alignedTable(const QVector<QStringList>& rows,
                     const std::function<bool(qsizetype column)>& right = {});
