#include "zipphone.h"

#include "blanks.h"
#include "characters.h"
#include "countword.h"
#include "platform/cp932.h"
#include "wordlists.h"

namespace rova::transfer {

namespace {
bool isHyphen(QChar c)
{
    return c == u'-' || c == u'－';
}
} // namespace

bool isAnyWidthDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９');
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
