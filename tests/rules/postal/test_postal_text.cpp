// SPDX-License-Identifier: GPL-3.0-or-later
// The text rules under the postal dictionary: codes as typed, the comparison key of an address,
// the dictionary's lines and its encoding.

#include "rules/postal/addresskey.h"
#include "rules/postal/dictionaryfile.h"
#include "rules/postal/eucjis2004.h"
#include "rules/postal/postalcode.h"

#include <QTest>

class TestPostalText : public QObject
{
    Q_OBJECT
private slots:
    void parseCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code"); // -1: no code
        QTest::newRow("seven digits") << "1050011" << 1050011;
        QTest::newRow("hyphen after the third") << "105-0011" << 1050011;
        QTest::newRow("full-width digits and hyphen") << "１０５－００１１" << 1050011;
        QTest::newRow("full-width without hyphen") << "１０５００１１" << 1050011;
        QTest::newRow("long vowel mark from the input method") << "105ー0011" << 1050011;
        QTest::newRow("leading zeros kept") << "001-0010" << 10010;
        QTest::newRow("blanks of both widths and the postal mark") << "\u3000〒105-0011 " << 1050011;
        QTest::newRow("blank after the postal mark") << "〒　1050011" << 1050011;
        QTest::newRow("six digits") << "105001" << -1;
        QTest::newRow("eight digits") << "10500111" << -1;
        QTest::newRow("hyphen in the wrong place") << "1050-011" << -1;
        QTest::newRow("two hyphens") << "105--0011" << -1;
        QTest::newRow("a letter among the digits") << "105-00I1" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void parseCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(rova::postal::parseCode(text).value_or(-1), code);
        if (code >= 0)
            QCOMPARE(rova::postal::parseCode(rova::postal::formatCode(code)).value_or(-1), code);
    }

    void formatCode()
    {
        QCOMPARE(rova::postal::formatCode(1050011), u"105-0011");
        QCOMPARE(rova::postal::formatCode(10010), u"001-0010");
    }

    void addressKey_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("digits of both widths") << "芝公園4-2-8"
                                               << "芝公園４－２－８" << true;
        QTest::newRow("katakana of both widths") << "当別町ビトエ"
                                                 << "当別町ﾋﾞﾄｴ" << true;
        QTest::newRow("blanks of both widths removed") << "港区 芝公園"
                                                       << "港区\u3000芝公園" << true;
        QTest::newRow("dashes and the long vowel mark") << "1−2―3"
                                                        << "1ー2‐3" << true;
        QTest::newRow("ヶ written が") << "霞ヶ関"
                                       << "霞が関" << true;
        QTest::newRow("ケ written ヶ") << "関ケ原"
                                       << "関ヶ原" << true;
        QTest::newRow("の written ノ") << "湯ノ上"
                                       << "湯の上" << true;
        QTest::newRow("kanji tens") << "北二十四条"
                                    << "北24条" << true;
        QTest::newRow("kanji ten alone") << "北十条"
                                         << "北10条" << true;
        QTest::newRow("kanji digits in place") << "三〇五番"
                                               << "305番" << true;
        QTest::newRow("thousands and hundreds") << "千二百"
                                                << "1200" << true;
        QTest::newRow("a long run spelled digit by digit") << "一二三四五六七八九〇一二三"
                                                           << "1234567890123" << true;
        QTest::newRow("丁目, 番地, 番 and 号 as hyphens") << "1丁目2番地3号4番5"
                                                          << "1-2-3-4-5" << true;
        QTest::newRow("番 of a town's name stays") << "一番町"
                                                   << "1-町" << false;
        QTest::newRow("大字 and 字 left out") << "大字南長野字幅下"
                                              << "南長野幅下" << true;
        QTest::newRow("variant kanji of place names") << "髙﨑市渡邉舘"
                                                      << "高崎市渡辺館" << true;
        QTest::newRow("第 of a land division left out") << "種市第2地割"
                                                        << "種市2地割" << true;
        QTest::newRow("different numbers stay apart") << "北十条"
                                                      << "北11条" << false;
        QTest::newRow("different kanji stay apart") << "芝公園"
                                                    << "芝浦" << false;
        QTest::newRow("hiragana and katakana stay apart") << "にかほ市"
                                                          << "ニカホ市" << false;
    }
    void addressKey()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(rova::postal::addressKey(a) == rova::postal::addressKey(b), same);
    }

    void keyedAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("prefecture");
        QTest::addColumn<QString>("rest");
        QTest::newRow("Tokyo") << "東京都港区芝公園" << 12 << rova::postal::addressKey(u"港区芝公園");
        QTest::newRow("prefecture of four characters")
            << "神奈川県横浜市" << 13 << rova::postal::addressKey(u"横浜市");
        QTest::newRow("numeral in the prefecture")
            << "千葉県千葉市" << 11 << rova::postal::addressKey(u"千葉市");
        QTest::newRow("blank after the prefecture")
            << "東京都 港区" << 12 << rova::postal::addressKey(u"港区");
        QTest::newRow("no prefecture") << "港区芝公園" << -1 << rova::postal::addressKey(u"港区芝公園");
        QTest::newRow("city named like a prefecture")
            << "京都市北区" << -1 << rova::postal::addressKey(u"京都市北区");
    }
    void keyedAddress()
    {
        QFETCH(QString, address);
        QFETCH(int, prefecture);
        QFETCH(QString, rest);
        const rova::postal::KeyedAddress keyed = rova::postal::keyedAddress(address);
        QCOMPARE(keyed.prefecture, prefecture);
        QCOMPARE(keyed.rest, rest);
    }

    void forEachEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offices");
        QTest::addColumn<QStringList>("entries"); // "code|address|office"
        QTest::newRow("comment lines passed over") << ";; okuri-nasi entries.\n1050011 /東京都港区芝公園/\n"
                                                   << false << QStringList{"1050011|東京都港区芝公園|"};
        QTest::newRow("several entries in order, CR LF line ends")
            << "0030022 /北海道札幌市白石区南郷通/北海道札幌市白石区南郷通南/\r\n"
            << false << QStringList{"30022|北海道札幌市白石区南郷通|", "30022|北海道札幌市白石区南郷通南|"};
        QTest::newRow("last line without line end")
            << "1050014 /東京都港区芝/" << false << QStringList{"1050014|東京都港区芝|"};
        QTest::newRow("note after a semicolon dropped") << "1050014 /東京都港区芝;旧地名/\n"
                                                        << false << QStringList{"1050014|東京都港区芝|"};
        QTest::newRow("lines without seven digits and a blank")
            << "105001 /東京都港区/\n10500111 /東京都港区/\n1050011/東京都港区/\nabcdefg /東京都港区/\n"
            << false << QStringList{};
        QTest::newRow("empty entries and an unreadable one")
            << "1050011 //東京都港\uFFFD区/ /東京都港区芝公園/\n"
            << false << QStringList{"1050011|東京都港区芝公園|"};
        QTest::newRow("office name and address")
            << "1008176 /株式会社　みずほ銀行　本店 @ 東京都千代田区大手町１丁目５番５号/\n"
            << true << QStringList{"1008176|東京都千代田区大手町１丁目５番５号|株式会社　みずほ銀行　本店"};
        QTest::newRow("office entry without its separator")
            << "1008176 /株式会社　みずほ銀行　東京都千代田区/名前 @ 東京都千代田区大手町/\n"
            << true << QStringList{"1008176|東京都千代田区大手町|名前"};
    }
    void forEachEntry()
    {
        QFETCH(QString, text);
        QFETCH(bool, offices);
        QFETCH(QStringList, entries);
        QStringList seen;
        rova::postal::forEachEntry(
            text, offices ? rova::postal::ListKind::Offices : rova::postal::ListKind::Towns,
            [&](const rova::postal::Entry& e) {
                seen << QStringLiteral("%1|%2|%3").arg(e.code).arg(e.address, e.office);
            });
        QCOMPARE(seen, entries);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII and kanji") << QByteArray("31c5ecb5fe") << "1東京";
        QTest::newRow("minus sign as code page 932's full-width hyphen")
            << QByteArray("a3b1a1dda3b3") << "１－３";
        QTest::newRow("wave dash as code page 932's tilde") << QByteArray("a1c1") << "～";
        QTest::newRow("dash, double bar") << QByteArray("a1bda1c2") << "―∥";
        QTest::newRow("cent, pound, not sign") << QByteArray("a1f1a1f2a2cc") << "￠￡￢";
        QTest::newRow("character beyond the basic plane") << QByteArray("aea2") << "𠀋";
        QTest::newRow("kana with a combining mark") << QByteArray("a4f7") << "か\u309A";
        QTest::newRow("byte that starts no character, then on") << QByteArray("31ff32") << "1\uFFFD2";
        QTest::newRow("cut off at the end") << QByteArray("31c5") << "1\uFFFD";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void decode()
    {
        QFETCH(QByteArray, hex);
        QFETCH(QString, text);
        QCOMPARE(rova::postal::decodeEucJis2004(QByteArray::fromHex(hex)), text);
    }
};

QTEST_GUILESS_MAIN(TestPostalText)
#include "test_postal_text.moc"
