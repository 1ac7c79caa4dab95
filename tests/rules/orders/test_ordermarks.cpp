// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/marks.h"
#include "rules/orders/orderimport.h"

#include "rules/orders/slipsummary.h"

#include <QTest>

using namespace rova::orders;
using rova::orders::test::markName;

namespace
{
const QDate kToday(2030, 5, 1);

rova::slip::SlipValues goodSlip()
{
    rova::slip::SlipValues v;
    v.slipType = QStringLiteral("発払　着払(手差し)");
    v.zip = QStringLiteral("105-0011");
    v.add1 = QStringLiteral("東京都港区芝公園1-2-3");
    v.name = QStringLiteral("山田　太郎");
    v.tel = QStringLiteral("03-1234-5678");
    v.g1 = QStringLiteral("本");
    return v;
}

// "field=value" edits of the good slip; "slot=N" and "promised=N" tick a box.
rova::slip::SlipValues edited(const QStringList& edits)
{
    rova::slip::SlipValues v = goodSlip();
    for (const QString& edit : edits) {
        const QString key = edit.section(u'=', 0, 0);
        const QString value = edit.section(u'=', 1);
        QString* const texts[] = {&v.slipType,   &v.zip, &v.add1,   &v.add2,   &v.name,  &v.tel,
                                  &v.g1,         &v.g2,  &v.myName, &v.myAdd2, &v.myZip, &v.deliveryMonth,
                                  &v.deliveryDay};
        const QStringList keys{"type", "zip",    "add1",   "add2",  "name",  "tel", "g1",
                               "g2",   "myName", "myAdd2", "myZip", "month", "day"};
        if (keys.contains(key))
            *texts[keys.indexOf(key)] = value;
        else if (key == u"slot")
            v.timeSlots[value.toInt()] = true;
        else if (key == u"promised")
            v.promisedTimes[value.toInt()] = true;
        else if (key == u"printSender")
            v.printSender = value == u"1";
    }
    return v;
}

QString names(const QList<Mark>& marks)
{
    QStringList out;
    for (const Mark& m : marks)
        out << markName(m.code);
    return out.join(u',');
}
} // namespace

class TestOrderMarks : public QObject
{
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("firstText");
        QTest::newRow("a good slip has none") << QStringList{} << ""
                                              << "";
        QTest::newRow("postal code without hyphen") << QStringList{"zip=1050011"} << "PostalCodeForm"
                                                    << "郵便番号が 123-4567 の形ではありません: 1050011";
        QTest::newRow("character the code page lacks") << QStringList{"name=𠮷田　〜"} << "Unencodable"
                                                       << "送り状に印刷できない文字があります: 𠮷〜";
        QTest::newRow("sender's character when the sender is not printed") << QStringList{"myName=𠮷"} << ""
                                                                           << "";
        QTest::newRow("sender's character when it is printed")
            << QStringList{"myName=𠮷", "printSender=1"} << "Unencodable,SenderIncomplete"
            << "";
        QTest::newRow("sender printed but none registered")
            << QStringList{"printSender=1"} << "SenderIncomplete"
            << "ご依頼主を印字しますが空の欄があります: おなまえ、おところ、郵便番号";
        QTest::newRow("sender printed with its address on ② and no postal code")
            << QStringList{"printSender=1", "myName=佐藤", "myAdd2=梅田1"} << "SenderIncomplete"
            << "ご依頼主を印字しますが空の欄があります: 郵便番号";
        QTest::newRow("sender printed whole")
            << QStringList{"printSender=1", "myName=佐藤", "myAdd2=梅田1", "myZip=530-0001"} << ""
            << "";
        QTest::newRow("empty sender not printed") << QStringList{"printSender=0"} << ""
                                                  << "";
        QTest::newRow("no item name") << QStringList{"g1=　"} << "ItemNameEmpty"
                                      << "品名がありません";
        QTest::newRow("item name on line 2 only") << QStringList{"g1=", "g2=茶"} << ""
                                                  << "";
        QTest::newRow("address ① of 40 bytes")
            << QStringList{"add1=東京都港区芝公園一丁目二番三号ハイツ芝公"} << ""
            << "";
        QTest::newRow("address ① of 41 bytes")
            << QStringList{"add1=東京都港区芝公園一丁目二番三号ハイツ芝公1"} << "Address1TooLong"
            << "警告:おところ①の文字数が多すぎます。　おところ②へ分割してください";
        QTest::newRow("blank name") << QStringList{"name=　"} << "NameEmpty"
                                    << "おなまえがありません";
        QTest::newRow("address only on ②") << QStringList{"add1=", "add2=芝公園"} << "AddressEmpty"
                                           << "";
        QTest::newRow("no telephone") << QStringList{"tel="} << "PhoneEmpty"
                                      << "でんわがありません";
        QTest::newRow("everything empty") << QStringList{"zip=", "add1=", "name=", "tel="}
                                          << "PostalCodeForm,NameEmpty,AddressEmpty,PhoneEmpty"
                                          << "";
        QTest::newRow("yesterday") << QStringList{"month=4", "day=30"} << "DeliveryDatePast"
                                   << "お届け日が過ぎています: 4月30日";
        QTest::newRow("today is not past") << QStringList{"month=5", "day=1"} << ""
                                           << "";
        QTest::newRow("full-width month and day ahead") << QStringList{"month=５", "day=３"} << ""
                                                        << "";
        QTest::newRow("January seen from May is past, not next year")
            << QStringList{"month=1", "day=5"} << "DeliveryDatePast"
            << "";
        QTest::newRow("month 13") << QStringList{"month=13", "day=1"} << "DeliveryDateBad"
                                  << "お届け日が日付になっていません: 13月1日";
        QTest::newRow("month without day") << QStringList{"month=5"} << "DeliveryDateBad"
                                           << "";
        QTest::newRow("time slot on the time-service form")
            << QStringList{"type=タイムサービス(連続)", "slot=2"} << "NotPrinted"
            << "この送り状種類では印刷されない値があります: 14→16時";
        QTest::newRow("promised time on the standard form")
            << QStringList{"promised=1"} << "NotPrinted"
            << "この送り状種類では印刷されない値があります: 午後５時";
        QTest::newRow("item 2 on the dated-delivery form")
            << QStringList{"type=配達指定日(手差し)", "g2=チーズ"} << "NotPrinted"
            << "この送り状種類では印刷されない値があります: チーズ";
        QTest::newRow("time slot on the dated-delivery form is printed")
            << QStringList{"type=配達指定日(手差し)", "slot=5"} << ""
            << "";
    }
    void check()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, marks);
        QFETCH(QString, firstText);
        const QList<Mark> got = checkSlip(edited(edits), kToday);
        QCOMPARE(names(got), marks);
        if (!firstText.isEmpty())
            QCOMPARE(got.front().text, firstText);
    }

    // The forms cannot collect money: the mark says what the parcel should have collected.
    void cashOnDeliveryNamesTheAmount_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("text");
        const QString yen = QStringLiteral("代金引換の注文です (¥3,300)");
        QTest::newRow("digits") << "3300" << yen;
        QTest::newRow("with separators and yen sign") << "¥3,300" << yen;
        QTest::newRow("full width with 円") << "３，３００円" << yen;
        QTest::newRow("decimals") << "3300.00" << yen;
        QTest::newRow("a million") << "1234567"
                                   << "代金引換の注文です (¥1,234,567)";
        QTest::newRow("no amount") << " "
                                   << "代金引換の注文です";
        QTest::newRow("no number: as written") << "後日連絡"
                                               << "代金引換の注文です (¥後日連絡)";
    }
    void cashOnDeliveryNamesTheAmount()
    {
        QFETCH(QString, amount);
        QFETCH(QString, text);
        QCOMPARE(cashOnDelivery(amount), (Mark{MarkCode::CashOnDelivery, text}));
    }

    void hooksHaveTheirTexts()
    {
        QCOMPARE(mark(MarkCode::Overlap).text, QStringLiteral("文字が隣の欄に重なります"));
        QCOMPARE(mark(MarkCode::PostalCodeMismatch, QStringLiteral("105-0011")).text,
                 QStringLiteral("郵便番号と住所が合いません: 105-0011"));
        QVERIFY(isImportMark(MarkCode::TooManyItems));
        QVERIFY(!isImportMark(MarkCode::Overlap));
    }

    // Rows of one order to one destination become one slip; anything else stays apart.
    void gathering_data()
    {
        QTest::addColumn<QString>("rows"); // order,name,zip,address,tel,item,count,date,time
        QTest::addColumn<QStringList>("slips");
        const QString a = QStringLiteral("山田,1050011,東京都港区芝公園1,03-1111-1111");
        const QString b = QStringLiteral("佐藤,5300001,大阪府大阪市北区梅田1,06-2222-2222");
        QTest::newRow("rows far apart still gathered, lines kept")
            << QStringLiteral("1,%1,本,1,,\n2,%2,傘,1,,\n1,%1,茶,2,,\n").arg(a, b)
            << QStringList{"1 | 山田 | 本 | 茶 |  | 3 | 2,4 | ", "2 | 佐藤 | 傘 |  |  | 1 | 3 | "};
        QTest::newRow("rows without an order number stay apart")
            << QStringLiteral(",%1,本,1,,\n,%1,本,1,,\n").arg(a)
            << QStringList{" | 山田 | 本 |  |  | 1 | 2 | ", " | 山田 | 本 |  |  | 1 | 3 | "};
        QTest::newRow("rows of one order to another destination stay apart")
            << QStringLiteral("1,%1,本,1,,\n1,%2,傘,1,,\n").arg(a, b)
            << QStringList{"1 | 山田 | 本 |  |  | 1 | 2 | ", "1 | 佐藤 | 傘 |  |  | 1 | 3 | "};
        QTest::newRow("rows that disagree on the day and slot are marked")
            << QStringLiteral("1,%1,本,1,5/3,午前中\n1,%1,茶,1,5/4,午前中\n1,%1,菓子,1,5/3,1416\n").arg(a)
            << QStringList{"1 | 山田 | 本 | 茶 | 菓子 | 3 | 2,3,4 | DifferingValues"};
        QTest::newRow("a row without a count adds nothing")
            << QStringLiteral("1,%1,本,,,\n1,%1,茶,2,,\n").arg(a)
            << QStringList{"1 | 山田 | 本 | 茶 |  | 2 | 2,3 | "};
        QTest::newRow("counts past the largest int capped at the form's three boxes and marked")
            << QStringLiteral("1,%1,本,2147483647,,\n1,%1,茶,1,,\n").arg(a)
            << QStringList{"1 | 山田 | 本 | 茶 |  | 999 | 2,3 | Unmapped"};
        QTest::newRow("one row's count over three digits capped and marked")
            << QStringLiteral("1,%1,本,1000,,\n").arg(a)
            << QStringList{"1 | 山田 | 本 |  |  | 999 | 2 | Unmapped"};
        QTest::newRow("counts adding up to 999 kept") << QStringLiteral("1,%1,本,998,,\n1,%1,茶,1,,\n").arg(a)
                                                      << QStringList{"1 | 山田 | 本 | 茶 |  | 999 | 2,3 | "};
        QTest::newRow("the same value left out by two rows is marked once")
            << QStringLiteral("1,%1,本,1,,夜\n1,%1,茶,1,,夜\n").arg(a)
            << QStringList{"1 | 山田 | 本 | 茶 |  | 2 | 2,3 | Unmapped"};
        QTest::newRow("empty item names leave no gap") << QStringLiteral("1,%1,,1,,\n1,%1,茶,1,,\n").arg(a)
                                                       << QStringList{"1 | 山田 | 茶 |  |  | 2 | 2,3 | "};
    }
    void gathering()
    {
        QFETCH(QString, rows);
        QFETCH(QStringList, slips);
        const QString text = QStringLiteral("order,name,zip,address,tel,item,count,date,time\n") + rows;
        ColumnMapping m;
        const Field fields[] = {Field::OrderNumber, Field::Name,         Field::PostalCode,
                                Field::Street,      Field::Phone,        Field::Item1,
                                Field::Count,       Field::DeliveryDate, Field::TimeSlot};
        for (int i = 0; i < 9; ++i)
            m.setColumn(fields[i], i);
        const OrderFile file = parseOrderFile(text.toUtf8(), QStringLiteral("a.csv"));
        QStringList got;
        for (const ImportedSlip& s : slipsFrom(file, m, {goodSlip(), kToday})) {
            const QStringList all = rova::orders::test::summary(s).split(QStringLiteral(" | "));
            got << QStringList{all[0], all[6], all[8], all[9], all[10], all[11], all[14], all[15]}.join(
                QStringLiteral(" | "));
        }
        QCOMPARE(got, slips);
    }
};

QTEST_GUILESS_MAIN(TestOrderMarks)
#include "test_ordermarks.moc"
