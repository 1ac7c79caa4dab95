#include "rules/transfer/zipphone.h"

#include "rules/cp932.h"
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
    const QByteArray bytes = cp932::toBytes(trimStandard(text));
    const qsizetype n = charCount(bytes);
    const int d = digitsAndHyphens.total(bytes);
    if (n == 8 && d == 8)
        return ZipPhone::PostalCode;
    if (n >= 10 && n - d <= 1)
        return ZipPhone::Phone;
    return ZipPhone::Neither;
}

bool isPostalCodeAt(QStringView text, qsizetype pos)
{
    constexpr qsizetype kLength = 8;
    constexpr qsizetype kHyphenAt = 3;
    if (pos < 0 || text.size() - pos < kLength)
        return false;
    for (qsizetype i = 0; i < kLength; ++i) {
        const QChar c = text.at(pos + i);
        if (i == kHyphenAt ? !isHyphen(c) : !isAnyWidthDigit(c))
            return false;
    }
    return text.size() == pos + kLength || !isDigitOrHyphen(text.at(pos + kLength));
}

} // namespace rova::transfer
