// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/postalcode.h"

namespace rova::postal
{

namespace
{

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'０' && u <= u'９')
        return u - u'０';
    return -1;
}

// The hyphens an input method or a keyboard layout gives for "-", the long vowel mark included.
bool isHyphen(QChar c)
{
    return QStringView(u"-－‐−ーｰ").contains(c);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u3000' || c == u'\t';
}

} // namespace

std::optional<int> parseCode(QStringView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    if (from < to && text[from] == u'〒') {
        ++from;
        while (from < to && isBlank(text[from]))
            ++from;
    }
    const QStringView code = text.sliced(from, to - from);
    const bool hyphened = code.size() == 8 && isHyphen(code[3]);
    if (code.size() != 7 && !hyphened)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (hyphened && i == 3)
            continue;
        const int d = digitValue(code[i]);
        if (d < 0)
            return std::nullopt;
        value = value * 10 + d;
    }
    return value;
}

QString formatCode(int code)
{
    return QStringLiteral("%1-%2")
        .arg(code / 10000, 3, 10, QLatin1Char('0'))
        .arg(code % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace rova::postal
