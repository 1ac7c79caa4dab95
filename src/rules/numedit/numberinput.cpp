// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numedit/numberinput.h"

namespace rova::numedit
{

bool roomForDigit(const QString& value, const NumberFormat& f)
{
    const SplitNumber s = splitNumber(value);
    return s.point.isEmpty() ? s.integerPart.size() < f.integerLength
                             : s.decimalPart.size() < f.decimalLength;
}

QString withoutLast(const QString& value)
{
    QString rest = value.left(value.size() - 1);
    if (rest.endsWith(QLatin1Char('.')))
        rest.chop(1);
    return rest;
}

QChar fromInputMethod(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= u'０' && u <= u'９')
        return QLatin1Char(char('0' + (u - u'０')));
    if (u == u'－')
        return QLatin1Char('-');
    if (u == u'．')
        return QLatin1Char('.');
    return ch;
}

} // namespace rova::numedit
