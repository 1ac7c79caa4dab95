// SPDX-License-Identifier: GPL-3.0-or-later
// Order e-mails pasted whole: the delivery block is transferred, heading lines never are.

#include "rules/transfer/transfer.h"
#include "rules/transfer/wordlists.h"

#include <QTest>

using L = QStringList;

namespace
{
const L kBuyer{"〒100-0001", "東京都千代田区千代田1-1", "注文 花子 様", "TEL 03-1111-2222"};
const L kDelivery{"〒530-0001", "大阪府大阪市北区梅田1-2-3", "見本 太郎 様", "TEL 06-1234-5678"};
// Postal code, address 1, address 2, name, telephone.
const L kDelivered{"530-0001", "大阪府大阪市北区梅田1-2-3", "", "見本 太郎", "06-1234-5678"};

L fieldsOf(const rova::transfer::Fields& f)
{
    return {f.zip, f.add1, f.add2, f.name, f.tel};
}
} // namespace

class TestHeadings : public QObject
{
    Q_OBJECT
private slots:
    void fields_data()
    {
        QTest::addColumn<L>("pane");
        QTest::addColumn<L>("fields");
        // Every decoration character, alone and stacked, around every heading word; U+301C arrives
        // from other programs.
        const QStringList& delivery = rova::transfer::words::deliveryHeadings();
        const QStringList& other = rova::transfer::words::otherHeadings();
        int i = 0;
        for (const char16_t* form :
             {u"%1",     u"【%1】", u"[%1]",    u"［%1］", u"〔%1〕", u"<%1>",      u"＜%1＞",
              u"《%1》", u"「%1」", u"『%1』",  u"(%1)",   u"（%1）", u"■%1□",      u"◆%1◇",
              u"●%1○",   u"◎%1",    u"★%1☆",    u"▼%1▽",   u"▲%1△",   u"・%1",      u"※%1",
              u"%1:",    u"%1：",   u"= %1 ＝", u"*%1＊",  u"#%1＃",  u"-%1－",     u"―%1ー",
              u"_%1＿",  u"~%1～",  u"〜%1〜",  u"\t%1\t", u"　%1　", u"■【%1】：", u"◆◇ %1 ◇◆"}) {
            const QString f = QString::fromUtf16(form);
            const QString by = f.arg(other.at(i % other.size()));
            const QString to = f.arg(delivery.at(i++ % delivery.size()));
            QTest::addRow("%s, then %s", qPrintable(by), qPrintable(to))
                << L{by} + kBuyer + L{to} + kDelivery << kDelivered;
        }
        QTest::newRow("payment and items blocks after the delivery block are left out")
            << L{"【お届け先】",   "〒530-0001",       "大阪府大阪市北区梅田1-2-3",
                 "見本 太郎 様",   "【お支払い方法】", "代金引換",
                 "【ご注文内容】", "詰め合わせ",       "06-9999-0000"}
            << L{"530-0001", "大阪府大阪市北区梅田1-2-3", "", "見本 太郎", ""};
        QTest::newRow("a second delivery heading ends the first block")
            << L{"■送付先"} + kDelivery + L{"■配送先情報", "東京都千代田区千代田1-1"} << kDelivered;
        L longMail{"ご注文ありがとうございます。"};
        for (int i = 1; i <= 18; ++i)
            longMail << QStringLiteral("商品%1").arg(i);
        QTest::newRow("delivery block after line 16")
            << longMail + L{"【お届け先】"} + kDelivery << kDelivered;
        QTest::newRow("notes heading alone between the data is dropped")
            << L{"〒123-4567", "東京都港区芝公園1-2-3", "備考", "山田太郎", "03-1234-5678"}
            << L{"123-4567", "東京都港区芝公園1-2-3", "", "山田太郎", "03-1234-5678"};
        QTest::newRow("rule lines inside the delivery block are left out")
            << L{"━━━━━━━━", "◆お届け先", "--------------------"} + kDelivery +
                   L{"＝＝＝＝＝＝＝＝", "・・・"}
            << kDelivered;
        QTest::newRow("rule lines of a text without headings are left out")
            << L{"====================", "山田太郎", "─── ───", "03-1234-5678", "********"}
            << L{"", "", "", "山田太郎", "03-1234-5678"};
        QTest::newRow("heading word with a value is a label")
            << L{"お届け先：見本 太郎", "〒530-0001", "大阪府大阪市北区梅田1-2-3"}
            << L{"530-0001", "大阪府大阪市北区梅田1-2-3", "", "見本 太郎", ""};
    }
    void fields()
    {
        QFETCH(L, pane);
        QFETCH(L, fields);
        const rova::transfer::Outcome outcome = rova::transfer::run(pane);
        QVERIFY(!outcome.nothingToTransfer);
        QCOMPARE(fieldsOf(outcome.fields), fields);
    }
};

QTEST_GUILESS_MAIN(TestHeadings)
#include "test_headings.moc"
