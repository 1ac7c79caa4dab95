// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressblocks.h"

#include <random>

namespace bench
{
namespace
{

const QStringList prefectures{"北海道", "青森県", "宮城県", "東京都", "神奈川県", "新潟県",   "愛知県",
                              "京都府", "大阪府", "兵庫県", "広島県", "福岡県",   "鹿児島県", "沖縄県"};
const QStringList towns{"札幌市中央区北一条西", "港区芝公園",         "横浜市西区みなとみらい",
                        "名古屋市中村区名駅",   "京都市下京区烏丸通", "大阪市北区梅田",
                        "那覇市泉崎",           "川越市大字今福",     "字中野"};
const QStringList buildings{
    "", "ビル3F", "ﾒｿﾞﾝ青葉 201号", "コーポ山田１０２", "ハイツ緑 2階", "丸の内ビル１２階"};
const QStringList names{"山田太郎", "佐藤　花子", "ｽｽﾞｷ ｲﾁﾛｳ", "田中 一郎", "株式会社ロバ商店", "高橋美咲"};
const QStringList nameLabels{"", "お名前：", "氏名 ", "御氏名:", "お届け先 "};
const QStringList addressLabels{"", "住所：", "ご住所 ", "おところ1 ", "送り先:"};
const QStringList phoneLabels{"", "TEL ", "ＴＥＬ：", "電話番号 ", "℡", "お電話:"};
const QStringList zipLabels{"", "〒", "郵便番号 ", "〒 "};
const QStringList mails{"taro@example.com", "ｈａｎａｋｏ＠ｅｘａｍｐｌｅ．ｊｐ", "info@shop.co.jp",
                        "mail: a.b@c.ne.jp"};

class Maker
{
public:
    explicit Maker(unsigned seed) : m_random(seed) {}

    int number(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    bool chance(int percent) { return number(1, 100) <= percent; }
    const QString& pick(const QStringList& list) { return list[number(0, int(list.size()) - 1)]; }
    QString widthOf(const QString& text) { return chance(30) ? fullWidth(text) : text; }

    QString zip()
    {
        const QString digits = QStringLiteral("%1-%2")
                                   .arg(number(0, 999), 3, 10, QLatin1Char('0'))
                                   .arg(number(0, 9999), 4, 10, QLatin1Char('0'));
        return pick(zipLabels) + widthOf(chance(15) ? QString(digits).remove(QLatin1Char('-')) : digits);
    }
    QString address()
    {
        const QString street =
            pick(towns) +
            widthOf(QStringLiteral("%1-%2-%3").arg(number(1, 9)).arg(number(1, 30)).arg(number(1, 99)));
        return pick(addressLabels) + (chance(20) ? QString() : pick(prefectures)) + street;
    }
    QString phone()
    {
        const QString digits =
            QStringLiteral("0%1-%2-%3").arg(number(3, 99)).arg(number(100, 9999)).arg(number(1000, 9999));
        return pick(phoneLabels) + widthOf(digits);
    }
    QString name()
    {
        return pick(nameLabels) + pick(names) + (chance(40) ? QStringLiteral(" 様") : QString());
    }

    QStringList block()
    {
        QStringList lines;
        if (chance(10))
            lines << QString(); // pasted with a leading blank line
        if (chance(15)) {
            // Everything on one line, postal code first.
            lines << zip() + QLatin1Char(' ') + address() + QLatin1Char(' ') + pick(buildings);
        } else {
            if (chance(85))
                lines << zip();
            if (chance(15)) {
                lines << pick(prefectures);
                lines << pick(towns) + widthOf(QStringLiteral("%1-%2").arg(number(1, 9)).arg(number(1, 30)));
            } else {
                lines << address();
            }
            if (chance(50))
                lines << pick(buildings);
        }
        if (chance(20))
            lines << QStringLiteral("　");
        lines << name();
        if (chance(80))
            lines << phone();
        if (chance(25))
            lines << pick(mails);
        if (chance(10))
            lines.swapItemsAt(0, lines.size() - 1); // operators paste in any order
        return lines;
    }

private:
    std::mt19937 m_random;
};

} // namespace

QString fullWidth(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c >= QLatin1Char('!') && c <= QLatin1Char('~'))
            out += QChar(c.unicode() - 0x21 + 0xFF01);
        else
            out += c;
    }
    return out;
}

QList<QStringList> addressBlocks(int count)
{
    Maker maker(20261208);
    QList<QStringList> blocks;
    for (int i = 0; i < count; ++i)
        blocks << maker.block();
    return blocks;
}

QStringList longBlock(int lines, int bytesPerLine)
{
    Maker maker(7);
    QStringList block;
    for (int i = 0; i < lines; ++i) {
        QString line;
        for (qsizetype bytes = 0; bytes < bytesPerLine;) {
            const QString piece = maker.address() + QLatin1Char(' ') + maker.phone() + QLatin1Char(' ');
            bytes += piece.toUtf8().size();
            line += piece;
        }
        block << line;
    }
    return block;
}

} // namespace bench
