// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/zipphone.h"

#include "rules/text/cp932.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/characters.h"
#include "rules/transfer/countword.h"
#include "rules/transfer/wordlists.h"

namespace rova::transfer
{

namespace
{

// The digit-and-hyphen list, split into its digits and its hyphens.
struct DigitsAndHyphens {
    QString digits;
    QString hyphens;
};

const DigitsAndHyphens& digitsAndHyphens()
{
    static const DigitsAndHyphens split = [] {
        DigitsAndHyphens s;
        for (const QString& token : words::digitsAndHyphens())
            (token.at(0).isDigit() ? s.digits : s.hyphens) += token;
        return s;
    }();
    return split;
}

bool isHyphen(QChar c)
{
    return digitsAndHyphens().hyphens.contains(c);
}

} // namespace

bool isAnyWidthDigit(QChar c)
{
    return digitsAndHyphens().digits.contains(c);
}

bool isDigitOrHyphen(QChar c)
{
    return isAnyWidthDigit(c) || isHyphen(c);
}

ZipPhone zipPhoneVerdict(const QString& text)
{
    static const WordCounter digitsAndHyphens(words::digitsAndHyphens());
    const QString trimmed = trimStandard(text);
    const QByteArray bytes = cp932::toBytes(trimmed);
    const qsizetype n = charCount(bytes);
    const int d = digitsAndHyphens.total(bytes);
    if ((n == 8 && d == 8) || (n == 7 && postalCodeLengthAt(trimmed, 0) == 7))
        return ZipPhone::PostalCode;
    if (n >= 10 && n - d <= 1)
        return ZipPhone::Phone;
    return ZipPhone::Neither;
}

qsizetype postalCodeLengthAt(QStringView text, qsizetype pos)
{
    constexpr qsizetype kHyphenAt = 3;
    if (pos < 0 || text.size() - pos < 7)
        return 0;
    const bool hyphened = isHyphen(text.at(pos + kHyphenAt));
    const qsizetype length = hyphened ? 8 : 7;
    if (text.size() - pos < length)
        return 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (!(hyphened && i == kHyphenAt) && !isAnyWidthDigit(text.at(pos + i)))
            return 0;
    }
    const bool continues = text.size() > pos + length && isDigitOrHyphen(text.at(pos + length));
    return continues ? 0 : length;
}

bool isPostalCodeAt(QStringView text, qsizetype pos)
{
    return postalCodeLengthAt(text, pos) > 0;
}

} // namespace rova::transfer
