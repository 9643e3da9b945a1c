// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsalsText.h"

namespace {

constexpr int degreePlaces = 3;
constexpr int tenthsPlaces = 1;
constexpr QChar comma = QLatin1Char(',');

QString digitsOnly(QStringView text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

} // namespace

QString usalsDisplayText(const QString &longitude)
{
    const qsizetype commaAt = longitude.indexOf(comma);
    const QStringView text(longitude);
    const QString degrees = digitsOnly(commaAt < 0 ? text : text.left(commaAt)).left(degreePlaces);
    const QString tenths = commaAt < 0 ? QString() : digitsOnly(text.mid(commaAt + 1)).left(tenthsPlaces);
    return degrees.rightJustified(degreePlaces, QLatin1Char(' ')) + comma
        + tenths.leftJustified(tenthsPlaces, QLatin1Char(' '));
}

QString usalsLongitude(const QString &displayText)
{
    const qsizetype commaAt = displayText.indexOf(comma);
    const QStringView text(displayText);
    if (commaAt < 0)
        return digitsOnly(text) + comma;
    return digitsOnly(text.left(commaAt)) + comma + digitsOnly(text.mid(commaAt + 1));
}
