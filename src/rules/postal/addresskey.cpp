#include "rules/postal/addresskey.h"

#include "rules/halfwidth.h"
#include "rules/transfer/wordlists.h"

#include <QList>

namespace rova::postal
{

namespace
{

// Longer runs are spelled digit by digit, so that no value can overflow.
constexpr qsizetype kLongestCountedRun = 12;

int numeral(QChar c)
{
    switch (c.unicode()) {
    case u'〇':
        return 0;
    case u'一':
        return 1;
    case u'二':
        return 2;
    case u'三':
        return 3;
    case u'四':
        return 4;
    case u'五':
        return 5;
    case u'六':
        return 6;
    case u'七':
        return 7;
    case u'八':
        return 8;
    case u'九':
        return 9;
    default:
        return -1;
    }
}

int scale(QChar c)
{
    switch (c.unicode()) {
    case u'十':
        return 10;
    case u'百':
        return 100;
    case u'千':
        return 1000;
    default:
        return 0;
    }
}

bool isKanjiNumeral(QChar c)
{
    return numeral(c) >= 0 || scale(c) > 0;
}

// "二十四" → "24", "三〇五" → "305", "千二百" → "1200".
QString numeralRun(QStringView run)
{
    if (run.size() > kLongestCountedRun) {
        QString digits;
        for (const QChar c : run)
            digits += numeral(c) >= 0 ? QChar(char16_t(u'0' + numeral(c))) : c;
        return digits;
    }
    qint64 total = 0;
    qint64 current = 0;
    for (const QChar c : run) {
        if (const int d = numeral(c); d >= 0) {
            current = current * 10 + d;
            continue;
        }
        total += (current == 0 ? 1 : current) * scale(c);
        current = 0;
    }
    return QString::number(total + current);
}

QChar oneSpelling(QChar c)
{
    switch (c.unicode()) {
    case u'ｰ':
    case u'‐':
    case u'−':
    case u'―':
    case u'—':
    case u'─':
        return u'-';
    case u'ヶ':
    case u'が':
        return u'ｹ';
    case u'の':
        return u'ﾉ';
    default:
        return c;
    }
}

const QList<QString>& prefectureKeys()
{
    static const QList<QString> keys = [] {
        QList<QString> list;
        for (const QString& name : transfer::words::prefectures())
            list << addressKey(name);
        return list;
    }();
    return keys;
}

} // namespace

QString addressKey(QStringView text)
{
    const QString half = toHalfWidth(text.toString());
    QString key;
    key.reserve(half.size());
    for (qsizetype i = 0; i < half.size();) {
        const QChar c = half[i];
        if (isKanjiNumeral(c)) {
            qsizetype end = i + 1;
            while (end < half.size() && isKanjiNumeral(half[end]))
                ++end;
            key += numeralRun(QStringView(half).sliced(i, end - i));
            i = end;
            continue;
        }
        if (c != u' ' && c != u'\t')
            key += oneSpelling(c);
        ++i;
    }
    return key;
}

KeyedAddress keyedAddress(QStringView text)
{
    KeyedAddress keyed;
    keyed.rest = addressKey(text);
    const QList<QString>& prefectures = prefectureKeys();
    for (qsizetype i = 0; i < prefectures.size(); ++i) {
        if (keyOf(keyed.rest).starts_with(keyOf(prefectures[i]))) {
            keyed.prefecture = int(i);
            keyed.rest.remove(0, prefectures[i].size());
            break;
        }
    }
    return keyed;
}

} // namespace rova::postal
