// SPDX-License-Identifier: GPL-3.0-or-later
#include "storeslips.h"

#include "addressblocks.h"

#include <QStringList>

#include <random>

namespace bench
{
namespace
{
const QStringList familyNames{"佐藤",   "鈴木", "高橋", "田中",   "伊藤", "渡辺", "山本",
                              "中村",   "小林", "加藤", "ヤマダ", "ｻｲﾄｳ", "吉田", "山田",
                              "佐々木", "山口", "松本", "井上",   "木村", "林"};
const QStringList givenNames{"太郎", "花子", "一郎", "美咲", "ﾀｹｼ", "ユウコ", "健", "さくら", "翔", "陽子"};
const QStringList places{"東京都千代田区千代田",       "神奈川県横浜市西区みなとみらい",
                         "大阪府大阪市北区梅田",       "愛知県名古屋市中村区名駅",
                         "北海道札幌市中央区北一条西", "福岡県福岡市中央区天神",
                         "京都府京都市下京区烏丸通",   "沖縄県那覇市泉崎",
                         "埼玉県川越市大字今福"};
const QStringList buildings{"", "", "コーポ山田１０２", "ﾒｿﾞﾝ青葉 201号", "丸の内ビル１２階"};
const QStringList items{"書籍", "衣類", "食品", "雑貨", "化粧品", "ﾊﾟｿｺﾝ部品"};
const QStringList slipTypes{"発払い", "コレクト", "タイム", "クール"};

class Maker
{
public:
    explicit Maker(unsigned seed) : m_random(seed) {}

    rova::slip::SlipValues slip()
    {
        rova::slip::SlipValues s;
        s.slipType = pick(slipTypes);
        s.zip = widthOf(QStringLiteral("%1-%2")
                            .arg(number(0, 999), 3, 10, QLatin1Char('0'))
                            .arg(number(0, 9999), 4, 10, QLatin1Char('0')));
        s.tel = widthOf(
            QStringLiteral("0%1-%2-%3").arg(number(3, 99)).arg(number(100, 9999)).arg(number(1000, 9999)));
        s.add1 = pick(places);
        s.add2 = widthOf(QStringLiteral("%1-%2-%3").arg(number(1, 9)).arg(number(1, 30)).arg(number(1, 99)));
        s.add3 = pick(buildings);
        s.name = pick(familyNames) + (number(0, 1) ? QStringLiteral("　") : QString()) + pick(givenNames);
        s.g1 = pick(items);
        s.count = QString::number(number(1, 5));
        s.date = QDate(2025, 1, 1).addDays(number(0, 700));
        s.printDate = true;
        s.timeSlots[size_t(number(0, 5))] = true;
        s.printSender = true;
        s.myZip = QStringLiteral("530-0001");
        s.myTel = QStringLiteral("06-1111-2222");
        s.myAdd1 = QStringLiteral("大阪府大阪市北区梅田");
        s.myName = QStringLiteral("ロバ商店");
        return s;
    }

private:
    int number(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    const QString& pick(const QStringList& list) { return list[number(0, int(list.size()) - 1)]; }
    QString widthOf(const QString& text) { return number(1, 100) <= 30 ? fullWidth(text) : text; }

    std::mt19937 m_random;
};
} // namespace

QList<rova::slip::SlipValues> storeSlips(int count, unsigned seed)
{
    Maker maker(seed);
    QList<rova::slip::SlipValues> slips;
    slips.reserve(count);
    for (int i = 0; i < count; ++i)
        slips << maker.slip();
    return slips;
}

} // namespace bench
