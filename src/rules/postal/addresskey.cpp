// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/addresskey.h"

#include "rules/postal/variantkanji.h"
#include "rules/text/halfwidth.h"
#include "rules/transfer/wordlists.h"

#include <QList>
#include <QRegularExpression>

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
        return commonKanji(c);
    }
}

bool endsInDigit(QStringView key)
{
    return !key.isEmpty() && key.back().isDigit();
}

// How many characters at `at` are a marker of the address's parts that the key leaves out or spells
// as "-": "大字" and "字" (present or not as the writer likes), and after a number "丁目", "番地",
// "番" and "号" ("1丁目2番3号" and "1-2-3" alike; "2番町" is a town's name and stays).
struct Marker {
    qsizetype length = 0;
    QStringView spelling;
};
Marker markerAt(QStringView text, qsizetype at, QStringView key)
{
    const QStringView rest = text.sliced(at);
    if (rest.startsWith(u"大字"))
        return {2, {}};
    if (rest.startsWith(u'字'))
        return {1, {}};
    if (!endsInDigit(key))
        return {};
    if (rest.startsWith(u"丁目") || rest.startsWith(u"番地"))
        return {2, u"-"};
    if (rest.startsWith(u'番') && (rest.size() == 1 || rest[1].isDigit() || isKanjiNumeral(rest[1])))
        return {1, u"-"};
    if (rest.startsWith(u'号'))
        return {1, u"-"};
    return {};
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

// Kyoto's addresses may name a crossing before the town: "寺町通御池上る上本能寺前町" is the town
// "上本能寺前町" reached north of it, and a writer may leave the crossing out. The key keeps the
// ward and the town.
void dropCrossing(QString& key)
{
    static const QString city = addressKey(u"京都市");
    static const QList<QString> directions = [] {
        QList<QString> list;
        for (const char16_t* d : {u"上る", u"上ル", u"上がる", u"下る", u"下ル", u"下がる", u"東入る",
                                  u"東入ル", u"東入", u"西入る", u"西入ル", u"西入"})
            list << addressKey(d);
        return list;
    }();
    if (!key.startsWith(city))
        return;
    const qsizetype ward = key.indexOf(u'区', city.size());
    if (ward < 0)
        return;
    qsizetype end = -1;
    for (const QString& d : directions) {
        const qsizetype at = key.lastIndexOf(d);
        if (at > ward)
            end = std::max(end, at + d.size());
    }
    if (end < 0)
        return;
    // "下る2丁目稲荷町": so many blocks past the crossing, then the town.
    qsizetype blocks = end;
    while (blocks < key.size() && key[blocks].isDigit())
        ++blocks;
    if (blocks > end && blocks + 1 < key.size() && key[blocks] == u'-' && !key[blocks + 1].isDigit())
        end = blocks + 1;
    key.remove(ward + 1, end - ward - 1);
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
        if (const Marker m = markerAt(half, i, key); m.length > 0) {
            key += m.spelling;
            i += m.length;
            continue;
        }
        if (c != u' ' && c != u'\t')
            key += oneSpelling(c);
        ++i;
    }
    // "第3地割" and "3地割" alike.
    if (key.contains(u"地割")) {
        static const QRegularExpression ordinal(QStringLiteral("第(?=\\d+地割)"));
        key.remove(ordinal);
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
    dropCrossing(keyed.rest);
    return keyed;
}

} // namespace rova::postal
