// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numedit/numberformat.h"

#include "rules/text/cp932.h"

namespace rova::numedit
{

namespace
{

// Full-width digits, minus and full stop become their half-width forms, the full-width comma is
// skipped; anything else that is not plain ASCII ends the text.
QString halfWidthPass(const QByteArray& bytes)
{
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b < 0x80) {
            out += QLatin1Char(char(b));
            continue;
        }
        if (!cp932::isLeadByte(b) || i + 1 >= bytes.size())
            break;
        const auto t = static_cast<unsigned char>(bytes.at(++i));
        if (b == 0x82 && t >= 0x4F && t <= 0x58)
            out += QLatin1Char(char('0' + (t - 0x4F)));
        else if (b == 0x81 && t == 0x7C)
            out += QLatin1Char('-');
        else if (b == 0x81 && t == 0x44)
            out += QLatin1Char('.');
        else if (!(b == 0x81 && t == 0x43))
            break;
    }
    return out;
}

QString characterPass(const QString& text, const NumberFormat& f)
{
    QString kept;
    bool pointTaken = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(','))
            continue;
        if (c == QLatin1Char('.')) {
            if (f.decimalLength <= 0 || pointTaken)
                break;
            pointTaken = true;
        } else if (c == QLatin1Char('-')) {
            if (!f.minus || i != 0)
                break;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        kept += c;
    }
    return kept;
}

// Digits, signs, points and commas of either width: the only characters the passes read on from.
bool mayContinueNumber(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９') || u == u'-' || u == u'－' || u == u'.' ||
           u == u'．' || u == u',' || u == u'，';
}

QString zeros(int count)
{
    return QString(qMax(0, count), QLatin1Char('0'));
}

} // namespace

QString filterBytes(const QByteArray& cp932, const NumberFormat& f)
{
    QString kept = characterPass(halfWidthPass(cp932), f);
    const qsizetype point = kept.indexOf(QLatin1Char('.'));
    if (point >= 0 && kept.size() - point - 1 > f.decimalLength)
        kept.truncate(point + 1 + f.decimalLength);
    qsizetype integerDigits = point >= 0 ? point : kept.size();
    if (kept.startsWith(QLatin1Char('-')))
        --integerDigits;
    // An over-long number is dropped whole rather than shortened into a different number.
    return integerDigits > f.integerLength ? QString() : kept;
}

QString filterText(const QString& text, const NumberFormat& f)
{
    // The passes end at the first other character, so only the run before it is converted: a pasted
    // line of many kilobytes costs no more than its number.
    qsizetype end = 0;
    while (end < text.size() && mayContinueNumber(text.at(end)))
        ++end;
    return filterBytes(cp932::toBytes(text.first(end)), f);
}

QString stripZeros(const QString& value, const NumberFormat& f)
{
    if (f.zeroEnabled)
        return value;
    const bool negative = value.startsWith(QLatin1Char('-'));
    QString rest = negative ? value.mid(1) : value;
    const qsizetype point = rest.indexOf(QLatin1Char('.'));
    const qsizetype integerEnd = point >= 0 ? point : rest.size();
    qsizetype leading = 0;
    while (leading < integerEnd && rest.at(leading) == QLatin1Char('0'))
        ++leading;
    if (leading > 0 && leading == integerEnd)
        --leading; // an all-zero integer part keeps one zero
    rest.remove(0, leading);
    if (rest.startsWith(QLatin1Char('.')))
        rest.prepend(QLatin1Char('0'));
    return negative ? QLatin1Char('-') + rest : rest;
}

SplitNumber splitNumber(const QString& value)
{
    SplitNumber s;
    QString rest = value;
    if (rest.startsWith(QLatin1Char('-'))) {
        s.sign = QStringLiteral("-");
        rest.remove(0, 1);
    }
    const qsizetype point = rest.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        s.integerPart = rest.left(point);
        s.point = QStringLiteral(".");
        s.decimalPart = rest.mid(point + 1);
    } else {
        s.integerPart = rest;
    }
    return s;
}

QString insertCommas(const QString& digits)
{
    QString out = digits;
    for (qsizetype pos = out.size() - 3; pos > 0; pos -= 3)
        out.insert(pos, QLatin1Char(','));
    return out;
}

QString formatValue(const QString& value, const NumberFormat& f)
{
    SplitNumber s = splitNumber(value);
    if (f.comma)
        s.integerPart = insertCommas(s.integerPart);
    if (f.decimalFixed) {
        s.decimalPart = (s.decimalPart + zeros(f.decimalLength)).left(qMax(0, f.decimalLength));
        if (f.decimalLength > 0)
            s.point = QStringLiteral(".");
    }
    if (s.integerPart.isEmpty() && (f.integerFixed || f.decimalFixed))
        s.integerPart = QStringLiteral("0");
    return s.joined();
}

QString displayImage(const QString& value, const NumberFormat& f, const QString& leftMark,
                     const QString& rightMark)
{
    const QString number = formatValue(value, f);
    return number.isEmpty() ? QString() : leftMark + number + rightMark;
}

QString inputTemplate(const QString& value, const NumberFormat& f)
{
    SplitNumber s = splitNumber(value);
    if (f.comma)
        s.integerPart = insertCommas(s.integerPart);
    if (s.integerPart.isEmpty() && (f.integerFixed || f.decimalFixed))
        s.integerPart = QStringLiteral("0");
    return s.joined();
}

QString layoutTemplate(const QString& value, const NumberFormat& f)
{
    SplitNumber s = splitNumber(value);
    if (f.integerFixed) {
        s.integerPart = zeros(f.integerLength);
        if (f.minus)
            s.sign = QStringLiteral("-");
    }
    if (s.integerPart.isEmpty() && (f.integerFixed || f.decimalFixed))
        s.integerPart = QStringLiteral("0");
    if (f.decimalFixed) {
        s.point = QStringLiteral(".");
        s.decimalPart = zeros(f.decimalLength);
    }
    if (f.comma)
        s.integerPart = insertCommas(s.integerPart);
    return s.joined();
}

QString maxTemplate(const NumberFormat& f)
{
    return (f.minus ? QStringLiteral("-") : QString()) + insertCommas(zeros(f.integerLength)) +
           QLatin1Char('.') + zeros(f.decimalLength);
}

} // namespace rova::numedit
