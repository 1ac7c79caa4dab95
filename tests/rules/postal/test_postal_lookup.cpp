// SPDX-License-Identifier: GPL-3.0-or-later
// Look-ups both ways and the check of a code against an address, on lines of the real list kept in
// tests/data/postal.

#include "rules/postal/loader.h"
#include "rules/postal/lookup.h"
#include "support/testpostal.h"

#include <QTest>

using rova::postal::Check;
using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(Check::Verdict)

namespace
{
// "code address" per place, and " office" when it is one.
QStringList described(const QList<rova::postal::Place>& places)
{
    QStringList list;
    for (const rova::postal::Place& p : places)
        list << (p.code + u' ' + p.address + (p.office.isEmpty() ? QString() : u' ' + p.office));
    return list;
}
} // namespace

class TestPostalLookup : public QObject
{
    Q_OBJECT
    std::shared_ptr<const rova::postal::Index> m_index;

private slots:
    void initTestCase()
    {
        const rova::postal::Loaded loaded = testsupport::loadTestPostal();
        QVERIFY2(loaded.index, qPrintable(loaded.status));
        m_index = loaded.index;
    }

    void placesOf_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QStringList>("places");
        QTest::newRow("seven digits") << "1050011" << QStringList{"105-0011 東京都港区芝公園"};
        QTest::newRow("full width with hyphen")
            << "１０５－００１１" << QStringList{"105-0011 東京都港区芝公園"};
        QTest::newRow("several towns, in the list's order")
            << "003-0022"
            << QStringList{"003-0022 北海道札幌市白石区南郷通", "003-0022 北海道札幌市白石区南郷通南"};
        QTest::newRow("two cities under one code")
            << "6391100" << QStringList{"639-1100 奈良県大和郡山市", "639-1100 奈良県生駒郡安堵町"};
        QTest::newRow("office: its address and name, minus sign as code page 932's")
            << "0018521"
            << QStringList{
                   "001-8521 北海道札幌市北区北十条西１丁目１２－３創生ビル１Ｆ１０１ 札幌私書箱センター"};
        QTest::newRow("two offices under one code")
            << "100-8176"
            << QStringList{
                   "100-8176 東京都千代田区大手町１丁目５番５号 株式会社　みずほ銀行　本店",
                   "100-8176 東京都千代田区大手町１丁目５番５号 株式会社　みずほフィナンシャルグループ"};
        QTest::newRow("code not in the list") << "999-9999" << QStringList{};
        QTest::newRow("code next to a known one") << "105-0012" << QStringList{};
        QTest::newRow("no code of seven digits") << "105-001" << QStringList{};
    }
    void placesOf()
    {
        QFETCH(QString, zip);
        QFETCH(QStringList, places);
        QCOMPARE(described(rova::postal::placesOf(*m_index, zip)), places);
    }

    void codesOf_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("town and block number") << "東京都港区芝公園4-2-8" << QStringList{"105-0011"};
        QTest::newRow("without the prefecture, full width")
            << "港区芝公園４－２－８" << QStringList{"105-0011"};
        QTest::newRow("blanks between the parts") << "東京都　港区 芝公園" << QStringList{"105-0011"};
        QTest::newRow("the longer of two towns wins") << "港区芝公園" << QStringList{"105-0011"};
        QTest::newRow("the shorter town when that is all") << "港区芝5-1" << QStringList{"105-0014"};
        QTest::newRow("city alone: the city's code") << "東京都港区" << QStringList{"105-0000"};
        QTest::newRow("town not in the list: the city's code")
            << "東京都港区六本木6-10-1" << QStringList{"105-0000"};
        QTest::newRow("digits for kanji numerals; town under two codes")
            << "札幌市北区北10条西3丁目" << QStringList{"001-0010", "060-0810"};
        QTest::newRow("full-width digit for a kanji numeral")
            << "札幌市中央区南１条西" << QStringList{"060-0061"};
        QTest::newRow("half-width katakana") << "北海道石狩郡当別町ﾋﾞﾄｴ中島1" << QStringList{"002-8089"};
        QTest::newRow("ヶ for the list's が") << "千代田区霞ヶ関1-1" << QStringList{"100-0013"};
        QTest::newRow("same city in two prefectures") << "府中市" << QStringList{"183-0000", "726-0000"};
        QTest::newRow("the prefecture decides") << "広島県府中市" << QStringList{"726-0000"};
        QTest::newRow("town only one of them has") << "府中市宮西町1" << QStringList{"183-0022"};
        QTest::newRow("county left out") << "長野県松川村1" << QStringList{"399-8501"};
        QTest::newRow("county left out, town of a county town") << "余市町黒川町1" << QStringList{"046-0003"};
        QTest::newRow("county written") << "北海道余市郡余市町黒川町1" << QStringList{"046-0003"};
        QTest::newRow("city with 郡 in its name") << "大和郡山市北郡山町1" << QStringList{"639-1160"};
        QTest::newRow("an office's address gives its town's code")
            << "東京都千代田区大手町１丁目５番５号" << QStringList{"100-0004"};
        QTest::newRow("prefecture without that city") << "広島県港区芝公園" << QStringList{};
        QTest::newRow("nothing known") << "ニューヨーク5番街" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void codesOf()
    {
        QFETCH(QString, address);
        QFETCH(QStringList, codes);
        QStringList found;
        for (const rova::postal::Place& p : rova::postal::codesOf(*m_index, address))
            found << p.code;
        QCOMPARE(found, codes);
    }

    void check_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Check::Verdict>("verdict");
        QTest::addColumn<QString>("helpText");
        using V = Check::Verdict;
        QTest::newRow("agrees") << "105-0011"
                                << "東京都港区芝公園4-2-8" << V::Agrees << "";
        QTest::newRow("agrees without prefecture, full width") << "１０５００１１"
                                                               << "港区芝公園４丁目" << V::Agrees << "";
        QTest::newRow("city alone agrees") << "1050011"
                                           << "東京都港区" << V::Agrees << "";
        QTest::newRow("another town")
            << "1050011"
            << "東京都港区六本木6-10-1" << V::Mismatch << "郵便番号 105-0011 は 東京都港区芝公園 です";
        QTest::newRow("another city")
            << "1050011"
            << "東京都千代田区大手町1" << V::Mismatch << "郵便番号 105-0011 は 東京都港区芝公園 です";
        QTest::newRow("same city name, another prefecture")
            << "1830022"
            << "広島県府中市宮西町1" << V::Mismatch << "郵便番号 183-0022 は 東京都府中市宮西町 です";
        QTest::newRow("the neighbouring town's code")
            << "1050014"
            << "港区芝公園4" << V::Mismatch << "郵便番号 105-0014 は 東京都港区芝 です";
        QTest::newRow("city's code for a town with its own")
            << "1050000"
            << "東京都港区芝公園4" << V::Mismatch << "郵便番号 105-0000 は 東京都港区 です";
        QTest::newRow("city's code for a town not in the list") << "1050000"
                                                                << "東京都港区六本木1" << V::Agrees << "";
        QTest::newRow("second town of a code") << "0030022"
                                               << "札幌市白石区南郷通南1丁目" << V::Agrees << "";
        QTest::newRow("code of several towns, none of them")
            << "0030023"
            << "札幌市白石区南郷通南1丁目" << V::Mismatch
            << "郵便番号 003-0023 は 北海道札幌市白石区南郷通 ほか1件 です";
        QTest::newRow("kanji numerals typed as digits") << "0010010"
                                                        << "札幌市北区北10条西3" << V::Agrees << "";
        QTest::newRow("county left out") << "3998501"
                                         << "長野県松川村1" << V::Agrees << "";
        QTest::newRow("office at its address") << "1008176"
                                               << "東京都千代田区大手町1-5-5" << V::Agrees << "";
        QTest::newRow("office elsewhere")
            << "1008176"
            << "東京都千代田区霞が関1" << V::Mismatch
            << "郵便番号 100-8176 は 東京都千代田区大手町１丁目５番５号 ほか1件 です";
        QTest::newRow("code not in the list")
            << "999-9999"
            << "東京都港区芝公園" << V::UnknownCode << "郵便番号 999-9999 は 郵便番号の一覧にありません";
        QTest::newRow("code not in the list, no address")
            << "1050012"
            << "" << V::UnknownCode << "郵便番号 105-0012 は 郵便番号の一覧にありません";
        QTest::newRow("known code, no address") << "1050011"
                                                << "\u3000" << V::NotChecked << "";
        QTest::newRow("incomplete code") << "105-001"
                                         << "東京都港区芝公園" << V::NotChecked << "";
        QTest::newRow("no code") << ""
                                 << "東京都港区芝公園" << V::NotChecked << "";
    }
    void check()
    {
        QFETCH(QString, zip);
        QFETCH(QString, address);
        QFETCH(Check::Verdict, verdict);
        QFETCH(QString, helpText);
        const Check result = rova::postal::check(*m_index, zip, address);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.helpText, helpText);
    }

    // One place written as its own writer likes agrees with the code; the same writing in another
    // prefecture, or another town of the city, does not.
    void townWrittenOtherwise_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("agrees");
        const auto both = [](const char* name, const char* zip, const QString& address, const QString& twin) {
            QTest::newRow(name) << zip << address << true;
            QTest::addRow("%s, another prefecture", name) << zip << twin << false;
        };
        both("office list writes 大字", "036-8558", u"青森県弘前市新寺町1-1"_s, u"秋田県弘前市新寺町1-1"_s);
        both("office list writes 大字, 字 and 巾", "380-8570", u"長野県長野市南長野幅下692-2"_s,
             u"新潟県長野市南長野幅下692-2"_s);
        both("address writes 大字", "028-3615", u"岩手県紫波郡矢巾町大字南矢幅13-123"_s,
             u"宮城県紫波郡矢巾町大字南矢幅13-123"_s);
        both("巾 written for 幅", "0283615", u"岩手県矢巾町南矢巾13"_s, u"秋田県矢巾町南矢巾13"_s);
        both("字 before the town", "3800837", u"長野県長野市大字南長野字幅下1"_s,
             u"山梨県長野市南長野字幅下1"_s);
        both("舘 and 嶋", "040-0014", u"北海道函舘市中嶋町1-2"_s, u"青森県函舘市中嶋町1-2"_s);
        both("hyphens for the list's 丁目", "025-0022", u"岩手県花巻市12-3"_s, u"宮城県花巻市12-3"_s);
        both("office code, another house of its town", "036-8558", u"青森県弘前市大字新寺町5番地"_s,
             u"岩手県弘前市大字新寺町5番地"_s);
        both("land division written without 第", "028-7903", u"岩手県洋野町種市2地割5"_s,
             u"青森県洋野町種市2地割5"_s);
        both("land division left out", "028-7903", u"岩手県九戸郡洋野町種市5"_s,
             u"青森県九戸郡洋野町種市5"_s);
        both("Kyoto crossing left out", "600-8016", u"京都府京都市下京区材木町1"_s,
             u"大阪府京都市下京区材木町1"_s);
        both("Kyoto crossing written, the list has none", "604-0925",
             u"京都市中京区寺町通御池上る上本能寺前町488"_s,
             u"滋賀県京都市中京区寺町通御池上る上本能寺前町488"_s);
        both("Kyoto crossing and blocks left out", "600-8022", u"京都市下京区稲荷町1"_s,
             u"奈良県京都市下京区稲荷町1"_s);
        QTest::newRow("office code, another town of its city")
            << "036-8558" << u"青森県弘前市新寺町新割町1"_s << false;
        QTest::newRow("another land division") << "028-7903" << u"岩手県洋野町種市12地割5"_s << false;
        QTest::newRow("Kyoto, another town past the crossing")
            << "604-0925" << u"京都市中京区寺町通御池上る材木町488"_s << false;
    }
    void townWrittenOtherwise()
    {
        QFETCH(QString, zip);
        QFETCH(QString, address);
        QFETCH(bool, agrees);
        const Check::Verdict verdict = rova::postal::check(*m_index, zip, address).verdict;
        QCOMPARE(verdict, agrees ? Check::Verdict::Agrees : Check::Verdict::Mismatch);
    }
};

QTEST_GUILESS_MAIN(TestPostalLookup)
#include "test_postal_lookup.moc"
