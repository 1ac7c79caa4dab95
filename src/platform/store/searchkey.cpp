// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/searchkey.h"

#include <QStringList>

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

// ぁ…ゖ and ゝゞ have their katakana 0x60 further on.
QChar asKatakana(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'ぁ' && u <= u'ゖ') || u == u'ゝ' || u == u'ゞ' ? QChar(char16_t(u + 0x60)) : c;
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
        key += asKatakana(c);
    }
    return key;
}

QString slipSearchText(const slip::SlipValues& s)
{
    // The address lines are one address, so they are joined first.
    return QStringList{
        searchKey(s.name), searchKey(s.tel), searchKey(s.zip), searchKey(s.add1 + s.add2 + s.add3),
        searchKey(s.g1),   searchKey(s.g2),  searchKey(s.g3)}
        .join(QLatin1Char('\n'));
}

} // namespace rova::store
