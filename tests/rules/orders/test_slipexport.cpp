// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/slipexport.h"

#include "rules/orders/orderimport.h"
#include "rules/slip/sliplayout.h"

#include <QTest>

using namespace rova::orders;

namespace
{
// Every value of the slip record, so that a round trip is seen to keep them all.
QString everything(const ImportedSlip& s)
{
    const rova::slip::SlipValues& v = s.values;
    QStringList boxes;
    for (const bool b : v.timeSlots)
        boxes << (b ? "1" : "0");
    for (const bool b : v.promisedTimes)
        boxes << (b ? "1" : "0");
    return QStringList{s.orderNumber,
                       v.slipType,
                       v.zip,
                       v.tel,
                       v.add1,
                       v.add2,
                       v.add3,
                       v.name,
                       QString::number(v.fontSizeIndex),
                       v.g1,
                       v.g2,
                       v.g3,
                       v.count,
                       v.date.toString(Qt::ISODate),
                       v.printDate ? "1" : "0",
                       v.deliveryMonth,
                       v.deliveryDay,
                       boxes.join(QString()),
                       v.printSender ? "1" : "0",
                       v.myZip,
                       v.myTel,
                       v.myAdd1,
                       v.myAdd2,
                       v.myName}
        .join(u'|');
}

ImportedSlip sample(int i)
{
    ImportedSlip s;
    rova::slip::SlipValues& v = s.values;
    s.orderNumber = QStringLiteral("R-%1").arg(i);
    v.slipType = rova::slip::slipTypes()[i % 6];
    v.zip = QStringLiteral("105-00%1").arg(10 + i);
    v.tel = QStringLiteral("03-1234-56%1").arg(10 + i);
    v.add1 = QStringLiteral("東京都港区芝公園%1丁目").arg(i + 1);
    v.add2 = i % 2 ? QStringLiteral("ハイツ\"芝\", 101") : QString();
    v.add3 = i == 3 ? QStringLiteral("𠮷野家 御中") : QString(); // kept in UTF-8, marked on import
    v.name = QStringLiteral("山田　太郎");
    v.fontSizeIndex = i % 3;
    v.g1 = QStringLiteral("本\r\n二行目");
    v.g3 = i == 2 ? QStringLiteral("三番目だけ") : QString();
    v.count = QString::number(i + 1);
    v.date = QDate(2030, 5, 1 + i);
    v.printDate = i % 2;
    v.deliveryMonth = QString::number(5 + i % 2);
    v.deliveryDay = QString::number(10 + i);
    if (rova::slip::formKind(v.slipType) == rova::slip::FormKind::TimeService)
        v.promisedTimes[i % 2] = true;
    else
        v.timeSlots[i % 6] = true;
    v.printSender = i % 2 == 0;
    v.myZip = QStringLiteral("231-0023");
    v.myTel = QStringLiteral("045-999-0000");
    v.myAdd1 = QStringLiteral("神奈川県横浜市中区山下町%1").arg(i);
    v.myAdd2 = i == 4 ? QStringLiteral("二階") : QString();
    v.myName = QStringLiteral("ショップ・サンプル");
    return s;
}
} // namespace

class TestSlipExport : public QObject
{
    Q_OBJECT
private slots:
    void exportedSlipsImportAsTheSameSlips()
    {
        QList<ImportedSlip> slips;
        for (int i = 0; i < 6; ++i)
            slips << sample(i);
        slips << ImportedSlip{}; // an empty slip, as a new row of the batch list starts

        ImportContext context;
        context.base.myName = QStringLiteral("窓の依頼主"); // must not fill the empty slip's sender
        context.base.date = QDate(2030, 4, 1);
        context.today = QDate(2030, 5, 1);
        const OrderImport back =
            importOrders(parseOrderFile(exportSlips(slips), QStringLiteral("out.csv")), context);
        QCOMPARE(back.format, FormatId::Own);
        QCOMPARE(back.slips.size(), slips.size());
        for (qsizetype i = 0; i < slips.size() - 1; ++i)
            QCOMPARE(everything(back.slips[i]), everything(slips[i]));
        // The one value the empty slip cannot say, its date, comes from the window; the rest stays empty.
        ImportedSlip empty;
        empty.values.date = context.base.date;
        QCOMPARE(everything(back.slips.last()), everything(empty));
    }

    // The parcel's number is written; a slip read back is printed again, so the old number is said,
    // not kept.
    void trackingNumberIsWrittenAndMarkedOnImport()
    {
        const QByteArray bytes = exportSlips({sample(1), sample(2)}, {"444413758703", ""});
        QVERIFY(bytes.contains(",444413758703\r\n"));
        const OrderImport back = importOrders(parseOrderFile(bytes, QStringLiteral("out.csv")), {});
        QStringList marks;
        for (const ImportedSlip& s : back.slips)
            marks << (s.marks.isEmpty() ? QString() : s.marks.last().text);
        QCOMPARE(marks, (QStringList{"取り込めなかった値があります: 伝票番号「444413758703」", QString()}));
    }

    void fileStartsWithItsMarkAndTheFieldNames()
    {
        const QByteArray bytes = exportSlips({});
        QCOMPARE(bytes,
                 QStringLiteral(
                     "\uFEFF注文番号,送り状種類,郵便番号,おところ①,おところ②,おところ③,おなまえ,でんわ,"
                     "品名1,品名2,品名3,個数,お届け月,お届け日(日),ご希望時間帯,お約束時刻,日付,日付を印字,"
                     "印字フォントサイズ,ご依頼主を印字,ご依頼主郵便番号,ご依頼主住所1,ご依頼主住所2,"
                     "ご依頼主名,ご依頼主でんわ,伝票番号\r\n")
                     .toUtf8());
    }

    void timeBoxesAreWrittenAsTheirCaptions()
    {
        ImportedSlip s = sample(0);
        s.values.timeSlots = {false, false, false, false, false, true};
        const QString text = QString::fromUtf8(exportSlips({s}));
        QVERIFY(text.contains(QStringLiteral(",20→21時,,")));
    }
};

QTEST_GUILESS_MAIN(TestSlipExport)
#include "test_slipexport.moc"
