// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/orderimport.h"

#include "rules/errors.h"
#include "rules/orders/slipsummary.h"

#include <QTest>

using namespace rova::orders;
using rova::orders::test::summary;

namespace
{
const QString kStandard = QStringLiteral("発払　着払(手差し)");

ImportContext context()
{
    ImportContext c;
    c.base.slipType = kStandard;
    c.base.date = QDate(2030, 5, 1);
    c.base.printDate = true;
    c.base.fontSizeIndex = 1;
    c.base.printSender = true;
    c.base.myName = QStringLiteral("窓の依頼主");
    c.base.myZip = QStringLiteral("100-0001");
    c.base.myAdd1 = QStringLiteral("東京都千代田区千代田１");
    c.base.zip = QStringLiteral("000-0000"); // the window's destination must not leak into imported slips
    c.base.g1 = QStringLiteral("窓の品名");
    c.base.timeSlots[3] = true;
    c.today = QDate(2030, 5, 1);
    return c;
}

QString dataFile(const QString& name)
{
    return QStringLiteral(ROVA_TEST_DATA "/orders/") + name;
}

OrderImport importFile(const QString& name)
{
    return importOrders(readOrderFile(dataFile(name)), context());
}
} // namespace

class TestOrderFormats : public QObject
{
    Q_OBJECT
private slots:
    void sampleFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<FormatId>("format");
        QTest::addColumn<QStringList>("slips");

        QTest::newRow("Rakuten: lines of one order gathered, a fourth item and an unknown slot marked")
            << "rakuten" << FormatId::Rakuten
            << QStringList{
                   "100001 | 発払　着払(手差し) | 105-0011 | 東京都港区芝公園１－２－３ | 芝公園ハイツ１０１ "
                   "|  | "
                   "山田　太郎 | 03-1234-5678 | りんごジュース 1L | みかん 5kg |  | 3 | 5/3 | 午前中 | 2,5 "
                   "| ",
                   "100002 | 発払　着払(手差し) | 530-0001 | 大阪府大阪市北区梅田１丁目２番３号 |  |  | "
                   "佐藤　花子 | "
                   "06-1111-2222 | ギフトセット \"特選\", のし付き |  |  | 1 | 5/10 | 14→16時 | 3 | "
                   "CashOnDelivery",
                   "100003 | 発払　着払(手差し) | 060-0001 | 北海道札幌市中央区北一条西２丁目 |  |  | "
                   "高橋　三郎 | "
                   "011-222-3333 | A | B | C | 4 | / | 20→21時 | 6,7,8,9 | TimeSlotMoved,TooManyItems",
                   "100004 | 発払　着払(手差し) | 812-0011 | 福岡県福岡市博多区博多駅前１－１ |  |  | "
                   "伊藤　四郎 | "
                   "092-000-1111 | お茶 |  |  | 1 | / |  | 10 | Unmapped",
                   "100004 | 発払　着払(手差し) | 810-0001 | 福岡県福岡市中央区天神２－２ |  |  | 伊藤　五月 "
                   "| "
                   "092-000-2222 | お茶 |  |  | 2 | / |  | 11 | ",
               };
        QTest::newRow("Rakuten's older layout: full-width names, two item rows of one order gathered")
            << "rakuten-old" << FormatId::RakutenOld
            << QStringList{
                   "999999-20300428-00000101 | 発払　着払(手差し) | 220-0012 | "
                   "神奈川県横浜市西区みなとみらい２－２－１ |  |  | 田中　次郎 | 045-000-1111 | 焼き菓子 | "
                   "紅茶 "
                   "|  | 3 | 5/7 | 午前中 | 2,3 | ",
                   "999999-20300428-00000102 | 発払　着払(手差し) | 460-0008 | "
                   "愛知県名古屋市中区栄３－３－３ |  "
                   "|  | 加藤　恵 | 052-000-2222 | 書類ケース |  |  | 1 | / |  | 4 | ",
               };
        QTest::newRow("Yahoo: seven-digit and full-width codes, a past dated day, a count that is no number")
            << "yahoo" << FormatId::Yahoo
            << QStringList{
                   "shop-0001 | 発払　着払(手差し) | 150-0001 | 東京都渋谷区神宮前１－１－１ | 青山ビル５Ｆ "
                   "|  | "
                   "中村　一美 | 03-9876-5432 | タオルセット | 石けん |  | 4 | 5/3 | 14→16時 | 2,3 | ",
                   "shop-0002 | 発払　着払(手差し) | 530-0001 | 大阪府大阪市北区梅田２－２－２ |  |  | "
                   "小林　誠 | "
                   "06-1234-0000 | 傘 |  |  | 1 | 5/4 | 午前中 | 4 | CashOnDelivery",
                   "shop-0003 | 発払　着払(手差し) | 460-0008 | 愛知県名古屋市中区栄３－３－３ |  |  | "
                   "加藤　恵 |  | "
                   "靴下 |  |  |  | 1/1 | 18→20時 | 5 | DeliveryDatePast,Unmapped,PhoneEmpty",
               };
        QTest::newRow("Amazon: tab-separated, third line to ③, a window's start hour to its box")
            << "amazon" << FormatId::Amazon
            << QStringList{
                   "503-0000001-0000001 | 発払　着払(手差し) | 100-0005 | 東京都千代田区丸の内１－１－１ | "
                   "丸の内タワー２０Ｆ | 株式会社サンプル商事 | 鈴木 一郎 | 03-5555-0000 | 本：サンプルの本 "
                   "|  |  | "
                   "2 | 5/6 | 午前中 | 2 | ",
                   "503-0000002-0000002 | 発払　着払(手差し) | 980-0811 | 宮城県仙台市青葉区一番町４－４－４ "
                   "|  |  | "
                   "渡辺 美咲 | 022-000-4444 | マグカップ | コースター |  | 5 | / |  | 3,4 | CashOnDelivery",
                   "503-0000003-0000003 | 発払　着払(手差し) | 900-0015 | 沖縄県那覇市久茂地１－１ |  |  |  "
                   "| "
                   "098-000-5555 | ちんすこう |  |  | 1 | 5/9 |  | 5 | Unmapped,NameEmpty",
               };
        QTest::newRow("carrier layout: one slip a row, slip type codes, 1921 to the last box")
            << "carrier" << FormatId::Carrier
            << QStringList{
                   "K-001 | 発払　着払(手差し) | 220-0012 | 神奈川県横浜市西区みなとみらい２－２－１ | "
                   "ランドマーク棟１０階 | サンプル株式会社　総務部 | 田中 次郎 | 045-000-1111 | 焼き菓子 | "
                   "詰め合わせ |  "
                   "|  | 5/7 | 20→21時 | 2 | TimeSlotMoved",
                   "K-002 | タイムサービス(手差し) | 460-0008 | 愛知県名古屋市中区栄３－３－３ |  |  | 加藤 "
                   "恵 | "
                   "052-000-2222 | 書類 |  |  |  | / |  | 3 | ",
                   "K-003 | 発払　着払(手差し) | 060-0001 | 北海道札幌市中央区北一条西２丁目 |  |  | 高橋 "
                   "三郎 | "
                   "011-000-3333 | 代引き品 |  |  |  | / |  | 4 | Unmapped",
                   "K-004 | 発払　着払(手差し) | 812-0011 | 福岡県福岡市博多区博多駅前１－１ |  |  | 伊藤 "
                   "四郎 | "
                   "092-000-4444 | お茶 |  |  |  | 5/8 | 午前中 | 5 | ",
               };
        QTest::newRow("our own CSV: rows stay slips even with one order number, values as written")
            << "own" << FormatId::Own
            << QStringList{
                   "A-1 | 配達指定日(連続) | 060-0001 | 北海道札幌市中央区北一条西２丁目 |  |  | 小林　三郎 "
                   "| "
                   "011-222-3333 | ワイン |  |  | 2 | 5/9 | 18→20時 | 2 | ",
                   " | タイムサービス(手差し) | 100-0005 | 東京都千代田区丸の内１－１－１ | "
                   "丸の内タワー２０Ｆ | "
                   "株式会社サンプル商事 | 鈴木　一郎 | 03-5555-0000 | 書類 |  |  |  | / | 午後５時 | 3 | ",
                   "A-1 | 発払　着払(手差し) | 060-0001 | 北海道札幌市中央区北一条西２丁目 |  |  | "
                   "小林　三郎 | "
                   "011-222-3333 | ワイン | チーズ | パン | 1 | / |  | 4 | ",
               };
    }
    void sampleFiles()
    {
        QFETCH(QString, file);
        QFETCH(FormatId, format);
        QFETCH(QStringList, slips);
        const QString ext = format == FormatId::Amazon ? QStringLiteral("txt") : QStringLiteral("csv");
        for (const QString& encoding : {QStringLiteral("utf8"), QStringLiteral("cp932")}) {
            const OrderImport result = importFile(QStringLiteral("%1.%2.%3").arg(file, encoding, ext));
            QCOMPARE(result.format, format);
            QStringList got;
            for (const ImportedSlip& s : result.slips)
                got << summary(s);
            QCOMPARE(got, slips);
        }
    }

    // What a shipping notice names, per slip and per item row, in the order of the rows.
    void marketplaceOrders_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("slip");
        QTest::addColumn<QString>("order"); // "marketplace|order|destination|item:quantity,…"
        QTest::newRow("Rakuten: two item rows of one destination")
            << "rakuten.cp932.csv" << 0 << "rakuten|100001|1000011|20000001:2,20000003:1";
        QTest::newRow("Rakuten: the second destination of an order")
            << "rakuten.cp932.csv" << 4 << "rakuten|100004|1000042|20000009:2";
        QTest::newRow("Rakuten's older layout")
            << "rakuten-old.cp932.csv" << 0 << "rakuten|999999-20300428-00000101||";
        QTest::newRow("Amazon: two item rows")
            << "amazon.cp932.txt" << 1 << "amazon|503-0000002-0000002||22222222222222:1,33333333333333:4";
        QTest::newRow("Yahoo") << "yahoo.cp932.csv" << 0 << "yahoo|shop-0001||";
        QTest::newRow("the carrier's layout is no marketplace") << "carrier.cp932.csv" << 0 << "|||";
    }
    void marketplaceOrders()
    {
        QFETCH(QString, file);
        QFETCH(int, slip);
        QFETCH(QString, order);
        const rova::slip::MarketplaceOrder o = importFile(file).slips.at(slip).values.order;
        QStringList items;
        for (const rova::slip::OrderItem& item : o.items)
            items << item.id + u':' + item.quantity;
        QCOMPARE(QStringList({rova::slip::marketplaceKey(o.marketplace), o.orderNumber, o.destinationId,
                              items.join(u',')})
                     .join(u'|'),
                 order);
    }

    // The values a file does not carry come from the window's slip; a sender in the file wins whole.
    void windowValuesFillWhatAFileLacks()
    {
        const OrderImport rakuten = importFile(QStringLiteral("rakuten.utf8.csv"));
        const rova::slip::SlipValues& r = rakuten.slips.front().values;
        QCOMPARE(r.myName, QStringLiteral("窓の依頼主"));
        QVERIFY(r.printSender);
        QCOMPARE(r.date, QDate(2030, 5, 1));
        QCOMPARE(r.fontSizeIndex, 1);

        const OrderImport carrier = importFile(QStringLiteral("carrier.utf8.csv"));
        const rova::slip::SlipValues& c = carrier.slips.front().values;
        QCOMPARE(QStringList({c.myZip, c.myTel, c.myAdd1, c.myAdd2, c.myName}),
                 QStringList(
                     {"231-0023", "045-999-0000", "神奈川県横浜市中区山下町１", "", "ショップ・サンプル"}));

        const OrderImport own = importFile(QStringLiteral("own.cp932.csv"));
        QCOMPARE(own.slips[0].values.myName, QString()); // written empty, and not printed
        QVERIFY(!own.slips[0].values.printSender);
        QCOMPARE(own.slips[1].values.fontSizeIndex, 2);
        QCOMPARE(own.slips[1].values.date, QDate(2030, 5, 2));
        QVERIFY(!own.slips[1].values.printDate);
    }

    void markTextsNameWhatWasLeftOut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("slip");
        QTest::addColumn<QString>("text");
        QTest::newRow("fourth item name") << "rakuten.utf8.csv" << 2 << "品名が3つを超えています: D";
        QTest::newRow("unknown time slot")
            << "rakuten.utf8.csv" << 3 << "取り込めなかった値があります: ご希望時間帯「夜間」";
        QTest::newRow("count") << "yahoo.utf8.csv" << 2 << "取り込めなかった値があります: 個数「x2」";
        QTest::newRow("dated day in the past")
            << "yahoo.utf8.csv" << 2 << "お届け日が過ぎています: 2020年1月1日";
        QTest::newRow("slip type code")
            << "carrier.cp932.csv" << 2 << "取り込めなかった値があります: 送り状種類「2」";
        QTest::newRow("cash on delivery, Rakuten")
            << "rakuten.cp932.csv" << 1 << "代金引換の注文です (¥3,300)";
        QTest::newRow("cash on delivery, Yahoo") << "yahoo.utf8.csv" << 1 << "代金引換の注文です (¥3,300)";
        QTest::newRow("cash on delivery, Amazon, once for the order's two lines")
            << "amazon.utf8.txt" << 1 << "代金引換の注文です (¥3,300)";
        QTest::newRow("a time slot the form lacks, moved to the nearest box")
            << "rakuten.utf8.csv" << 2
            << "ご希望の時間帯が送り状にありません: ご希望 19時～21時、印字 20→21時";
        QTest::newRow("a time of day no box starts at")
            << "amazon.cp932.txt" << 2
            << "取り込めなかった値があります: お届け日「2030-05-09T10:30:00+09:00」";
    }
    void markTextsNameWhatWasLeftOut()
    {
        QFETCH(QString, file);
        QFETCH(int, slip);
        QFETCH(QString, text);
        const OrderImport result = importFile(file);
        QStringList texts;
        for (const Mark& m : result.slips.at(slip).marks)
            texts << m.text;
        QVERIFY2(texts.contains(text), qPrintable(texts.join(u'\n')));
    }

    void recognition_data()
    {
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<bool>("known");
        QTest::addColumn<FormatId>("format");
        QTest::newRow("needed columns only, in another order")
            << QStringList{"送付先姓",        "送付先住所それ以降の住所", "送付先郵便番号2",
                           "送付先郵便番号1", "送付先住所郡市区",         "送付先住所都道府県"}
            << true << FormatId::Rakuten;
        QTest::newRow("blanks around header cells")
            << QStringList{" recipient-name ", "ship-postal-code\t", "ship-state", "ship-address-1"} << true
            << FormatId::Amazon;
        QTest::newRow("one needed column missing")
            << QStringList{"ShipLastName", "ShipZipCode", "ShipPrefecture", "ShipCity"} << false
            << FormatId::Yahoo;
        QTest::newRow("other item column name")
            << QStringList{"ShipLastName", "ShipZipCode",  "ShipPrefecture",
                           "ShipCity",     "ShipAddress1", "ItemTitle"}
            << true << FormatId::Yahoo;
        QTest::newRow("older layout: full-width digits and colons")
            << QStringList{"受注番号",           "送付先郵便番号１",
                           "送付先郵便番号２",   "送付先住所：都道府県",
                           "送付先住所：都市区", "送付先住所：町以降",
                           "送付先名字"}
            << true << FormatId::RakutenOld;
        QTest::newRow("older layout written half-width")
            << QStringList{"受注番号",          "送付先郵便番号1",   "送付先郵便番号2", "送付先住所:都道府県",
                           "送付先住所:都市区", "送付先住所:町以降", "送付先名字"}
            << true << FormatId::RakutenOld;
        QTest::newRow("current names with full-width digits") << QStringList{"注文番号",
                                                                             "送付先郵便番号１",
                                                                             "送付先郵便番号２",
                                                                             "送付先住所都道府県",
                                                                             "送付先住所郡市区",
                                                                             "送付先姓",
                                                                             "送付先住所それ以降の住所"}
                                                              << true << FormatId::Rakuten;
        QTest::newRow("names typed in full-width letters")
            << QStringList{"ｒｅｃｉｐｉｅｎｔ－ｎａｍｅ", "ｓｈｉｐ－ｐｏｓｔａｌ－ｃｏｄｅ",
                           "ｓｈｉｐ－ｓｔａｔｅ", "ｓｈｉｐ－ａｄｄｒｅｓｓ－１"}
            << true << FormatId::Amazon;
        QTest::newRow("nothing known") << QStringList{"名前", "住所", "電話"} << false << FormatId::Own;
    }
    void recognition()
    {
        QFETCH(QStringList, header);
        QFETCH(bool, known);
        QFETCH(FormatId, format);
        const std::optional<Recognised> r = recognise(header);
        QCOMPARE(r.has_value(), known);
        if (known)
            QCOMPARE(r->format, format);
    }

    void recognisedColumnsAreBoundByName()
    {
        const std::optional<Recognised> r = recognise(
            {"x", "ShipLastName", "ShipZipCode", "ShipPrefecture", "ShipCity", "ShipAddress1", "Quantity"});
        QVERIFY(r);
        QCOMPARE(r->mapping.column(Field::FamilyName), 1);
        QCOMPARE(r->mapping.column(Field::Count), 6);
        QCOMPARE(r->mapping.column(Field::Phone), std::nullopt);
        QVERIFY(!r->mapping.rowsAreSlips);
    }

    // An unknown header gives no slips until a mapping is given; the remembered one is then used.
    void unknownHeaderTakesTheRememberedMapping()
    {
        const QByteArray bytes = "名前,〒,住所,電話,品\r\n"
                                 "山田太郎,1050011,東京都港区芝公園1-2-3,03-1234-5678,本\r\n";
        const OrderFile file = parseOrderFile(bytes, QStringLiteral("shop.csv"));
        const OrderImport unknown = importOrders(file, context());
        QVERIFY(!unknown.format);
        QVERIFY(unknown.slips.isEmpty());
        QCOMPARE(unknown.headerKey, headerKey({"名前", "〒", "住所", "電話", "品"}));

        ColumnMapping chosen;
        chosen.setColumn(Field::Name, 0);
        chosen.setColumn(Field::PostalCode, 1);
        chosen.setColumn(Field::Street, 2);
        chosen.setColumn(Field::Phone, 3);
        chosen.setColumn(Field::Item1, 4);
        const OrderImport mapped = importOrders(file, context(), ColumnMapping::fromText(chosen.toText()));
        QCOMPARE(mapped.slips.size(), 1);
        QCOMPARE(summary(mapped.slips.front()), " | 発払　着払(手差し) | 105-0011 | 東京都港区芝公園1-2-3 |  "
                                                "|  | 山田太郎 | 03-1234-5678 | 本 |  |  |  | / |  "
                                                "| 2 | ");
    }

    void mappingText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("fields in any order come back in field order")
            << "name=7;rows=items;zip=3" << true << "rows=items;zip=3;name=7";
        QTest::newRow("rows that are slips") << "rows=slips;g1=0" << true << "rows=slips;g1=0";
        QTest::newRow("empty text maps nothing") << "" << true << "rows=items";
        QTest::newRow("unknown field") << "rows=items;colour=2" << false << "";
        QTest::newRow("negative column") << "zip=-1" << false << "";
        QTest::newRow("unknown row kind") << "rows=lines" << false << "";
    }
    void mappingText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, canonical);
        const std::optional<ColumnMapping> m = ColumnMapping::fromText(text);
        QCOMPARE(m.has_value(), valid);
        if (valid)
            QCOMPARE(m->toText(), canonical);
    }

    void everyFieldRoundTripsThroughText()
    {
        ColumnMapping m;
        m.rowsAreSlips = true;
        for (int f = 0; f < kFieldCount; ++f)
            m.setColumn(Field(f), kFieldCount - f);
        QCOMPARE(ColumnMapping::fromText(m.toText()), m);
        QCOMPARE(fieldFromKey(fieldKey(Field::SenderName)), Field::SenderName);
    }

    void headerKeyIgnoresBlanksButNotOrder()
    {
        QCOMPARE(headerKey({"a", "b"}), headerKey({" a", "b "}));
        QVERIFY(headerKey({"a", "b"}) != headerKey({"b", "a"}));
        QVERIFY(headerKey({"a,b"}) != headerKey({"a", "b"}));
    }
};

QTEST_GUILESS_MAIN(TestOrderFormats)
#include "test_orderformats.moc"
