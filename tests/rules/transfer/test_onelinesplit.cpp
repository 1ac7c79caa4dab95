// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/onelinesplit.h"

#include "rules/transfer/workinglines.h"

#include <QTest>

using L = QStringList;

class TestOneLineSplit : public QObject
{
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<L>("lines");
        QTest::addColumn<L>("split");
        QTest::newRow("remainder with its blank goes to the first empty line")
            << seven({"123-4567 東京都港区芝公園1-2-3", "山田太郎"})
            << seven({"123-4567", "山田太郎", " 東京都港区芝公園1-2-3"});
        QTest::newRow("postal code right before the address")
            << seven({"123-4567東京都港区芝公園1-2-3"}) << seven({"123-4567", "東京都港区芝公園1-2-3"});
        QTest::newRow("remainder skips earlier empty lines")
            << seven({"", "123-4567 東京都港区芝公園", "山田太郎"})
            << seven({"", "123-4567", "山田太郎", " 東京都港区芝公園"});
        QTest::newRow("ideographic-space line counts as empty")
            << seven({"123-4567 東京都港区芝公園", "　"}) << seven({"123-4567", " 東京都港区芝公園"});
        QTest::newRow("remainder of 2 characters: no split")
            << seven({"123-4567東京"}) << seven({"123-4567東京"});
        QTest::newRow("seven digits split as the hyphened code")
            << seven({"1000005 東京都千代田区丸の内1-1", "山田太郎"})
            << seven({"1000005", "山田太郎", " 東京都千代田区丸の内1-1"});
        QTest::newRow("seven digits right before the address")
            << seven({"1000005東京都千代田区丸の内"}) << seven({"1000005", "東京都千代田区丸の内"});
        QTest::newRow("seven full-width digits are not split")
            << seven({"１０００００５　東京都千代田区丸の内"})
            << seven({"１０００００５　東京都千代田区丸の内"});
        QTest::newRow("ten-digit phone with a note stays whole")
            << seven({"0312345678 平日のみ連絡可"}) << seven({"0312345678 平日のみ連絡可"});
        QTest::newRow("postal code alone") << seven({"123-4567"}) << seven({"123-4567"});
        QTest::newRow("phone with switchboard suffix stays whole")
            << seven({"03-1234-5678(代)"}) << seven({"03-1234-5678(代)"});
        QTest::newRow("phone with extension stays whole")
            << seven({"03-1234-5678 内線12"}) << seven({"03-1234-5678 内線12"});
        QTest::newRow("mobile with a note stays whole")
            << seven({"090-1234-5678（携帯）"}) << seven({"090-1234-5678（携帯）"});
        QTest::newRow("eight digits are no postal code")
            << seven({"12345678 東京都港区芝公園"}) << seven({"12345678 東京都港区芝公園"});
        QTest::newRow("full-width postal code is not split")
            << seven({"０６０－０００１　北海道札幌市中央区"})
            << seven({"０６０－０００１　北海道札幌市中央区"});
        QTest::newRow("half-width katakana are single bytes")
            << seven({"123-4567ｱｲｳｴｵｶｷ"}) << seven({"123-4567", "ｱｲｳｴｵｶｷ"});

        const L full{"山田太郎", "株式会社山田", "営業部", "03-1234-5678", "東京都港区", "芝公園"};
        QTest::newRow("no empty line: remainder dropped")
            << (L{"123-4567 東京都港区芝公園1-2-3"} + full) << (L{"123-4567"} + full);
        QTest::newRow("line 7 loses its remainder")
            << (full + L{"123-4567 東京都港区芝公園1-2-3"}) << (full + L{"123-4567"});
    }
    void split()
    {
        QFETCH(L, lines);
        QFETCH(L, split);
        QCOMPARE(rova::transfer::splitLeadingPostalCodes(lines), split);
    }

    // Cuts at byte 8 and byte 88 never leave half of a double-byte character behind.
    void byteCuts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("remainder");
        const QString kanji = QString(60, QChar(u'東'));
        QTest::newRow("character across byte 88 is left out") << "123-4567 " + kanji << "123-4567"
                                                              << " " + kanji.first(39);
        QTest::newRow("80 bytes of whole characters are kept")
            << "123-4567" + kanji << "123-4567" << kanji.first(40);
        const QString emoji = QString::fromUtf16(u"\U0001F600").repeated(60);
        QTest::newRow("characters outside the code page count as two bytes, kept whole")
            << "123-4567 " + emoji << "123-4567"
            << " " + emoji.first(78);
        QTest::newRow("six digits before a kanji are no postal code") << "123456東京都港区芝公園"
                                                                      << "123456東京都港区芝公園"
                                                                      << "";
    }
    void byteCuts()
    {
        QFETCH(QString, line);
        QFETCH(QString, head);
        QFETCH(QString, remainder);
        const L result = rova::transfer::splitLeadingPostalCodes(seven({line}));
        QCOMPARE(result.at(0), head);
        QCOMPARE(result.at(1), remainder);
    }
};

QTEST_GUILESS_MAIN(TestOneLineSplit)
#include "test_onelinesplit.moc"
