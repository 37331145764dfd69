#pragma once

#include "Money.h"
#include "Rate.h"

#include <QDate>
#include <QVariant>

#include <optional>

struct sqlite3_stmt;

// A money column as the account file holds it: empty, a value, or something that cannot be read
// as money (a file written by another tool).
struct StoredMoney {
    enum class State : quint8 { Empty, Value, Unreadable };
    State state = State::Empty;
    Money value; // only for State::Value

    static StoredMoney of(Money m) { return {State::Value, m}; }
    static StoredMoney unreadable() { return {State::Unreadable, Money()}; }
    bool isEmpty() const { return state == State::Empty; }
    std::optional<Money> money() const {
        return state == State::Value ? std::optional<Money>(value) : std::nullopt;
    }
};

// The one reading of the account file's values, whether through Qt SQL (a QVariant) or straight
// from a statement of the connection's own handle (ten thousand rows read several times quicker):
// money is an integer count of ten-thousandths, a date exactly ISO "yyyy-MM-dd" text, a number
// an integer or a finite real. Anything else cannot be read: never a guess.
namespace StoredValue {

StoredMoney money(const QVariant& value);
StoredMoney money(sqlite3_stmt* q, int column);

// Not valid when empty or unreadable; `unreadable` (when given) tells the two apart.
QDate date(const QVariant& value, bool* unreadable = nullptr);
QDate date(sqlite3_stmt* q, int column);

// nullopt when empty or unreadable; `unreadable` (when given) tells the two apart.
std::optional<double> number(const QVariant& value, bool* unreadable = nullptr);
std::optional<double> number(sqlite3_stmt* q, int column);
// A number read as a rate (Rate::fromReal): nullopt also for a number no rate can be.
std::optional<Rate> rate(sqlite3_stmt* q, int column);
std::optional<Rate> rate(const QVariant& value, bool* unreadable = nullptr);

// An amount kept as text (a setting): '.' as the point, no groups and no trailing zeros ("1",
// "2.5", "-0.0001"), the same bytes whatever the language. Read back in that form, and in the
// form of a file written under a language with a decimal comma ("2,5"); nullopt for anything
// else: never read as the window's language reads a number, where "1.000" is a thousand.
QString moneyText(Money m);
std::optional<Money> moneyFromText(const QString& text);

} // namespace StoredValue
