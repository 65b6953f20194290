#include "NumberText.h"

#include "platform/AppError.h"

#include <cmath>

double LeadingNumber(const QString& text, bool* wholeText)
{
    QByteArray number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto isBlank = [&](qsizetype at) {
        return text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t') || text[at] == QLatin1Char('\n')
            || text[at] == QLatin1Char('\r');
    };
    while (i < n && isBlank(i))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += static_cast<char>(text[i++].unicode());
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += static_cast<char>(c.unicode());
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            continue;  // blanks inside the number are skipped too
        } else {
            break;
        }
    }
    if (digits && i < n
        && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d')
            || text[i] == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += static_cast<char>(text[j++].unicode());
        bool expDigits = false;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            exponent += static_cast<char>(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits) {
            number += exponent;
            i = j;
        }
    }
    if (wholeText) {
        while (i < n && isBlank(i))
            ++i;
        *wholeText = digits && i == n;
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw AppError(ErrorNumber::Overflow);
    return value;
}

double RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

QString GeneralNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    // Up to 15 digits before the point stay plain, as the classic conversion writes them.
    if (text.contains(QLatin1Char('e')) && std::fabs(value) >= 1 && std::fabs(value) < 1e15)
        text = QString::number(value, 'f', 0);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}
