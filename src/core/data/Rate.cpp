#include "Rate.h"

#include <cmath>

namespace {

bool inRange(double percent) {
    return std::isfinite(percent) && std::fabs(percent) <= double(Rate::LimitPercent);
}

// The magnitude's digits with `decimals` of them after '.'.
QString digits(bool negative, quint64 magnitude, quint64 scale, int decimals) {
    QString text = QString::number(magnitude / scale);
    if (decimals > 0)
        text += QLatin1Char('.') +
                QString::number(magnitude % scale).rightJustified(decimals, QLatin1Char('0'));
    return negative && magnitude != 0 ? QLatin1Char('-') + text : text;
}

quint64 magnitudeOf(qint64 raw) {
    return raw < 0 ? quint64(-(raw + 1)) + 1 : quint64(raw);
}

} // namespace

std::optional<Rate> Rate::fromReal(double percent) {
    if (!inRange(percent))
        return std::nullopt;
    return fromRaw(std::llround(percent * double(Scale)));
}

std::optional<Rate> Rate::nearestThousandth(double percent) {
    // Rounded in double as the product of the rate and a thousand, as the rate was always shown.
    if (!inRange(percent))
        return std::nullopt;
    return fromThousandths(std::llround(percent * 1000));
}

qint64 Rate::thousandths() const {
    const qint64 half = PerThousandth / 2;
    return m_raw < 0 ? -((-m_raw + half) / PerThousandth) : (m_raw + half) / PerThousandth;
}

QString Rate::text() const {
    const qint64 t = thousandths();
    return digits(t < 0, magnitudeOf(t), 1000, 3);
}

QString Rate::exactText() const {
    quint64 fraction = magnitudeOf(m_raw) % Scale;
    int decimals = 9;
    while (fraction != 0 && fraction % 10 == 0) {
        fraction /= 10;
        --decimals;
    }
    if (fraction == 0)
        decimals = 0;
    quint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return digits(m_raw < 0, magnitudeOf(m_raw) / (Scale / scale), scale, decimals);
}

QString Rate::columnText() const {
    QString text = exactText();
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text + QStringLiteral(".00");
    return text.size() - point - 1 < 2 ? text + QLatin1Char('0') : text;
}

std::optional<Rate> Rate::parse(QStringView text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text = text.chopped(1).trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > 4 || fraction.size() > 9)
        return std::nullopt;
    qint64 raw = 0;
    for (const QChar c : whole) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        raw = raw * 10 + (c.unicode() - '0');
    }
    qint64 scale = Scale;
    raw *= Scale;
    for (const QChar c : fraction) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        scale /= 10;
        raw += (c.unicode() - '0') * scale;
    }
    if (raw > TextLimitPercent * Scale)
        return std::nullopt;
    return fromRaw(negative ? -raw : raw);
}
