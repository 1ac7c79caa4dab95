// SPDX-License-Identifier: GPL-3.0-or-later
// Shipping notices from the sample order files as a marketplace gives them: each slip imported,
// given a number as printing would, and the notice file read back field by field.

#include "rules/orders/orderimport.h"
#include "rules/orders/shippingnotices.h"

#include "rules/errors.h"
#include "rules/text/cp932.h"

#include <QTest>

using namespace rova::orders;
using rova::slip::Marketplace;

namespace
{
// Numbers of consecutive forms of one stack, check digits included.
const QStringList kNumbers{"444413758703", "444413758714", "444413758725", "444413758736", "444413758740"};
const QDateTime kNow(QDate(2030, 5, 1), QTime(9, 30, 5));

const NoticeSettings kSettings{"Yamato Transport", "ヤマト運輸", "宅急便", "1001", "3"};

// The file's slips, the n-th with the n-th number (none where `numbers` runs out), printed on May 1.
QList<NoticeSlip> printedSlips(const QString& file, const QStringList& numbers = kNumbers)
{
    ImportContext context;
    context.base.slipType = QStringLiteral("発払　着払(手差し)");
    context.today = QDate(2030, 5, 1);
    const OrderImport imported =
        importOrders(readOrderFile(QStringLiteral(ROVA_TEST_DATA "/orders/") + file), context);
    QList<NoticeSlip> slips;
    for (const ImportedSlip& s : imported.slips)
        slips << NoticeSlip{slips.size(), s.values.order, numbers.value(slips.size()), false,
                            QDate(2030, 5, 1)};
    return slips;
}

// The file's lines as fields, its header first.
QList<QStringList> linesOf(const NoticeFile& file)
{
    const Table table = parseDelimited(rova::cp932::decode(file.bytes), file.fileName);
    QList<QStringList> lines{table.header.cells};
    for (const Record& r : table.rows)
        lines << r.cells;
    return lines;
}

QString leftOutText(const Notices& n)
{
    QStringList parts;
    for (auto it = n.leftOut.cbegin(); it != n.leftOut.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    return parts.join(u'、');
}
} // namespace

class TestShippingNotices : public QObject
{
    Q_OBJECT
private slots:
    void eachMarketplaceFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QList<QStringList>>("lines");

        QTest::newRow("Rakuten: a line per slip, each destination of an order its own")
            << "rakuten.cp932.csv"
            << "shipping-rakuten-20300501-093005.csv"
            << QList<QStringList>{
                   {"注文番号", "送付先ID", "発送明細ID", "お荷物伝票番号", "配送会社", "発送日"},
                   {"100001", "1000011", "", "444413758703", "1001", "2030-05-01"},
                   {"100002", "1000021", "", "444413758714", "1001", "2030-05-01"},
                   {"100003", "1000031", "", "444413758725", "1001", "2030-05-01"},
                   {"100004", "1000041", "", "444413758736", "1001", "2030-05-01"},
                   {"100004", "1000042", "", "444413758740", "1001", "2030-05-01"},
               };
        QTest::newRow("Rakuten's older layout: two item rows one slip, no destination id")
            << "rakuten-old.cp932.csv"
            << "shipping-rakuten-20300501-093005.csv"
            << QList<QStringList>{
                   {"注文番号", "送付先ID", "発送明細ID", "お荷物伝票番号", "配送会社", "発送日"},
                   {"999999-20300428-00000101", "", "", "444413758703", "1001", "2030-05-01"},
                   {"999999-20300428-00000102", "", "", "444413758714", "1001", "2030-05-01"},
               };
        QTest::newRow("Amazon: a line per item row, the two items of one parcel under its number")
            << "amazon.cp932.txt"
            << "shipping-amazon-20300501-093005.txt"
            << QList<QStringList>{
                   {"order-id", "order-item-id", "quantity", "ship-date", "carrier-code", "carrier-name",
                    "tracking-number", "ship-method"},
                   {"503-0000001-0000001", "11111111111111", "2", "2030-05-01", "Yamato Transport",
                    "ヤマト運輸", "444413758703", "宅急便"},
                   {"503-0000002-0000002", "22222222222222", "1", "2030-05-01", "Yamato Transport",
                    "ヤマト運輸", "444413758714", "宅急便"},
                   {"503-0000002-0000002", "33333333333333", "4", "2030-05-01", "Yamato Transport",
                    "ヤマト運輸", "444413758714", "宅急便"},
                   {"503-0000003-0000003", "44444444444444", "1", "2030-05-01", "Yamato Transport",
                    "ヤマト運輸", "444413758725", "宅急便"},
               };
        QTest::newRow("Yahoo: a line per order")
            << "yahoo.cp932.csv"
            << "shipping-yahoo-20300501-093005.csv"
            << QList<QStringList>{
                   {"OrderId", "ShipCompanyCode", "ShipInvoiceNumber1", "ShipInvoiceNumber2", "ShipDate",
                    "ShipStatus"},
                   {"shop-0001", "1001", "444413758703", "", "20300501", "3"},
                   {"shop-0002", "1001", "444413758714", "", "20300501", "3"},
                   {"shop-0003", "1001", "444413758725", "", "20300501", "3"},
               };
    }
    void eachMarketplaceFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, fileName);
        QFETCH(QList<QStringList>, lines);
        const QList<NoticeSlip> slips = printedSlips(file);
        const Notices notices = buildNotices(slips, kSettings, kNow);
        QCOMPARE(notices.files.size(), 1);
        const NoticeFile& written = notices.files[0];
        QCOMPARE(written.fileName, fileName);
        QCOMPARE(written.rows, lines.size() - 1);
        QCOMPARE(written.ids.size(), slips.size());
        const QList<QStringList> got = linesOf(written);
        QCOMPARE(got.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(got[i], lines[i]);
        QVERIFY(notices.leftOut.isEmpty());
    }

    void slipsLeftOut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("numbers"); // "!" before a number: its form was spoiled
        QTest::addColumn<int>("numberAt");        // the field of the number in a line
        QTest::addColumn<QStringList>("written"); // the order and the number of each line
        QTest::addColumn<QString>("leftOut");
        QTest::addColumn<QList<qint64>>("settled"); // left out for good: not said again next time

        QTest::newRow("no number, a spoiled one, a wrong check digit")
            << "rakuten.cp932.csv" << QStringList{"", "!444413758714", "444413758726", "444413758736"} << 3
            << QStringList{"100004 444413758736"} << "伝票番号が正しくない 1、伝票番号なし 2、書き損じ 1"
            << QList<qint64>{1};
        QTest::newRow("a spoiled parcel of two item rows is one slip left out")
            << "amazon.cp932.txt" << QStringList{"444413758703", "!444413758714", "444413758725"} << 6
            << QStringList{"503-0000001-0000001 444413758703", "503-0000003-0000003 444413758725"}
            << "書き損じ 1" << QList<qint64>{1};
    }
    void slipsLeftOut()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, numbers);
        QFETCH(int, numberAt);
        QFETCH(QStringList, written);
        QFETCH(QString, leftOut);
        QFETCH(QList<qint64>, settled);
        QStringList plain = numbers;
        for (QString& n : plain)
            n.remove(u'!');
        QList<NoticeSlip> slips = printedSlips(file, plain);
        for (qsizetype i = 0; i < numbers.size(); ++i)
            slips[i].spoiled = numbers[i].startsWith(u'!');
        const Notices notices = buildNotices(slips, kSettings, kNow);
        QStringList got;
        for (const QStringList& line : linesOf(notices.files.value(0)).mid(1))
            got << line.value(0) + u' ' + line.value(numberAt);
        QCOMPARE(got, written);
        QCOMPARE(leftOutText(notices), leftOut);
        QCOMPARE(notices.settled, settled);
    }

    // An order has room for two numbers; a third parcel is left out and said.
    void threeParcelsOfOneYahooOrder()
    {
        QList<NoticeSlip> slips = printedSlips("yahoo.cp932.csv");
        slips[1].order = slips[0].order;
        slips[2].order = slips[0].order;
        const Notices notices = buildNotices(slips, kSettings, kNow);
        const QList<QStringList> lines = linesOf(notices.files.value(0));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1],
                 (QStringList{"shop-0001", "1001", "444413758703", "444413758714", "20300501", "3"}));
        QCOMPARE(notices.files[0].ids, (QList<qint64>{0, 1}));
        QCOMPARE(leftOutText(notices), "注文の伝票番号の欄が足りない 1");
        QCOMPARE(notices.settled, QList<qint64>{2});
    }

    // Every marketplace its own file; slips of no marketplace are not notices.
    void oneFilePerMarketplace()
    {
        QList<NoticeSlip> slips = printedSlips("yahoo.cp932.csv") + printedSlips("rakuten-old.cp932.csv");
        slips << NoticeSlip{9, {}, "444413758762", false, QDate(2030, 5, 1)};
        const Notices notices = buildNotices(slips, kSettings, kNow);
        QCOMPARE(notices.files.size(), 2);
        QCOMPARE(notices.files[0].marketplace, Marketplace::Rakuten);
        QCOMPARE(notices.files[1].marketplace, Marketplace::Yahoo);
        QCOMPARE(noticeSummary(notices), "楽天市場 shipping-rakuten-20300501-093005.csv (2 行)、"
                                         "Yahoo!ショッピング shipping-yahoo-20300501-093005.csv (3 行)");
    }

    void settingCodePage932CannotHoldIsRefused()
    {
        NoticeSettings odd = kSettings;
        odd.amazonShipMethod = QStringLiteral("宅急便🚚");
        try {
            buildNotices(printedSlips("amazon.cp932.txt"), odd, kNow);
            QFAIL("no error");
        } catch (const rova::Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("🚚")), qPrintable(e.message()));
        }
    }
};

QTEST_APPLESS_MAIN(TestShippingNotices)
#include "test_shippingnotices.moc"
