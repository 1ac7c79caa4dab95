#include "platform/store/searchkey.h"

namespace rova::store
{

namespace
{
bool isDash(char16_t c)
{
    switch (c) {
    case u'-':
    case u'\u2010': // hyphen
    case u'\u2011': // non-breaking hyphen
    case u'\u2012': // figure dash
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2015': // horizontal bar
    case u'\u2212': // minus sign
    case u'\uFE58': // small em dash
    case u'\uFE63': // small hyphen-minus
        return true;
    default:
        return false;
    }
}

bool isDigitAt(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isDigit();
}
} // namespace

QString searchKey(const QString& text)
{
    const QString folded = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString key;
    key.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar c = folded[i];
        if (c.isSpace() || isDash(c.unicode()))
            continue;
        if (c == u'ー' && isDigitAt(folded, i - 1) && isDigitAt(folded, i + 1))
            continue;
        key += c;
    }
    return key;
}

} // namespace rova::store
