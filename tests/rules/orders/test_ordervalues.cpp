// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/addresslines.h"
#include "rules/orders/deliverydate.h"
#include "rules/orders/rowslip.h"
#include "rules/orders/sliptypetext.h"
#include "rules/orders/timeslot.h"

#include "rules/text/cp932.h"

#include <QTest>

using namespace rova::orders;
Q_DECLARE_METATYPE(TimeChoice)

class TestOrderValues : public QObject
{
    Q_OBJECT
private slots:
    // box: 0 午前中 … 5 20→21時, -1 none asked for, -2 not understood
    void timeSlots_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("box");
        QTest::newRow("午前中") << "午前中" << 0;
        QTest::newRow("code 0812") << "0812" << 0;
        QTest::newRow("14:00-16:00") << "14:00-16:00" << 2;
        QTest::newRow("14時～16時 with full-width tilde") << "14時～16時" << 2;
        QTest::newRow("full-width digits and blanks") << "１６：００ － １８：００" << 3;
        QTest::newRow("wave dash") << "18時〜20時" << 4;
        QTest::newRow("code 2021") << "2021" << 5;
        QTest::newRow("code 1921 takes the last box") << "1921" << 5;
        QTest::newRow("19時-21時 takes the last box") << "19時-21時" << 5;
        QTest::newRow("the window's own caption") << "12→14時" << 1;
        QTest::newRow("から…まで") << "16時から18時まで" << 3;
        QTest::newRow("empty asks for none") << "" << -1;
        QTest::newRow("指定なし asks for none") << "指定なし" << -1;
        QTest::newRow("a span no box has") << "10:00-12:00" << -2;
        QTest::newRow("minutes other than :00") << "14:30-16:00" << -2;
        QTest::newRow("a word") << "夜間" << -2;
    }
    void timeSlots()
    {
        QFETCH(QString, text);
        QFETCH(int, box);
        const TimeChoice c = parseTimeSlot(text);
        QCOMPARE(c.understood ? c.box : -2, box);
    }

    // The form has 20→21時 only: a slot from 19時 is printed there and named as asked.
    void timeSlotsTheFormLacks_data()
    {
        QTest::addColumn<TimeChoice>("choice");
        QTest::addColumn<QString>("moved");
        QTest::newRow("19時-21時") << parseTimeSlot("19時-21時") << "19時～21時";
        QTest::newRow("the carrier's code 1921") << parseTimeSlot("1921") << "19時～21時";
        QTest::newRow("a window starting at 19") << timeSlotStartingAt(19) << "19時～21時";
        QTest::newRow("the form's own 20→21時") << parseTimeSlot("20→21時") << "";
        QTest::newRow("a window starting at 20") << timeSlotStartingAt(20) << "";
    }
    void timeSlotsTheFormLacks()
    {
        QFETCH(TimeChoice, choice);
        QFETCH(QString, moved);
        QCOMPARE(choice.box, 5);
        QCOMPARE(choice.moved, moved);
    }

    void promisedTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("box");
        QTest::newRow("午前10時") << "午前10時" << 0;
        QTest::newRow("午後５時 with a full-width digit") << "午後５時" << 1;
        QTest::newRow("17時") << "17時" << 1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("午後3時") << "午後3時" << -2;
    }
    void promisedTimes()
    {
        QFETCH(QString, text);
        QFETCH(int, box);
        const TimeChoice c = parsePromisedTime(text);
        QCOMPARE(c.understood ? c.box : -2, box);
    }

    // "y-m-d hh" with 0 for no year and -1 for no hour; "none" and "bad" for the other outcomes.
    void deliveryDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date");
        QTest::newRow("slashes") << "2030/05/03"
                                 << "2030-5-3 -1";
        QTest::newRow("hyphens without zeros") << "2030-5-3"
                                               << "2030-5-3 -1";
        QTest::newRow("eight digits") << "20300503"
                                      << "2030-5-3 -1";
        QTest::newRow("kanji") << "2030年5月3日"
                               << "2030-5-3 -1";
        QTest::newRow("weekday in brackets") << "2030-05-03(金)"
                                             << "2030-5-3 -1";
        QTest::newRow("month and day") << "5/3"
                                       << "0-5-3 -1";
        QTest::newRow("month and day in kanji, full width") << "１２月２４日"
                                                            << "0-12-24 -1";
        QTest::newRow("ISO date and time") << "2030-05-06T08:00:00+09:00"
                                           << "2030-5-6 8";
        QTest::newRow("ISO midnight has no hour") << "2030-05-06T00:00:00+09:00"
                                                  << "2030-5-6 -1";
        QTest::newRow("29 February without a year") << "2/29"
                                                    << "0-2-29 -1";
        QTest::newRow("29 February of a common year") << "2031/02/29"
                                                      << "bad";
        QTest::newRow("words") << "なるべく早く"
                               << "bad";
        QTest::newRow("empty") << ""
                               << "none";
        QTest::newRow("指定なし") << "指定なし"
                                  << "none";
    }
    void deliveryDates()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        const DeliveryDate d = parseDeliveryDate(text);
        const QString got =
            !d.understood ? QStringLiteral("bad")
            : d.none      ? QStringLiteral("none")
                          : QStringLiteral("%1-%2-%3 %4").arg(d.year).arg(d.month).arg(d.day).arg(d.hour);
        QCOMPARE(got, date);
    }

    void nearestYear_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("date");
        QTest::newRow("early January seen from late December")
            << QDate(2030, 12, 28) << 1 << 5 << QDate(2031, 1, 5);
        QTest::newRow("a week ago") << QDate(2030, 5, 10) << 5 << 3 << QDate(2030, 5, 3);
        QTest::newRow("late December seen from early January")
            << QDate(2031, 1, 3) << 12 << 30 << QDate(2030, 12, 30);
        QTest::newRow("29 February from a year before a leap year")
            << QDate(2031, 12, 1) << 2 << 29 << QDate(2032, 2, 29);
        QTest::newRow("no such day") << QDate(2030, 5, 1) << 4 << 31 << QDate();
    }
    void nearestYear()
    {
        QFETCH(QDate, today);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QDate, date);
        QCOMPARE(nearestDate(month, day, today), date);
    }

    void addressLines_data()
    {
        QTest::addColumn<QStringList>("parts"); // prefecture, city, street, building, company, department
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits on ①, building to ②, company and department to ③")
            << QStringList{"東京都", "港区", "芝公園1-2-3", "芝ハイツ101", "サンプル商事", "総務部"}
            << QStringList{"東京都港区芝公園1-2-3", "芝ハイツ101", "サンプル商事　総務部"};
        QTest::newRow("exactly 40 bytes stays on ①")
            << QStringList{"神奈川県", "横浜市西区", "みなとみらい２－２－１", "", "", ""}
            << QStringList{"神奈川県横浜市西区みなとみらい２－２－１", "", ""};
        QTest::newRow("over 40 bytes: cut at the last blank that keeps ① within 40")
            << QStringList{"東京都", "港区", "芝公園１－２－３　芝公園ハイツ１０１", "", "", ""}
            << QStringList{"東京都港区芝公園１－２－３", "芝公園ハイツ１０１", ""};
        QTest::newRow("over 40 bytes: cut before the block number, the building after it")
            << QStringList{"北海道", "札幌市中央区", "北一条西二十丁目１２３４－５", "ビル", "", ""}
            << QStringList{"北海道札幌市中央区北一条西二十丁目", "１２３４－５　ビル", ""};
        QTest::newRow("over 40 bytes: cut after the city when nothing later fits")
            << QStringList{"鹿児島県", "南さつま市", "加世田川畑あいうえおかきくけこさしすせそ", "", "", ""}
            << QStringList{"鹿児島県南さつま市", "加世田川畑あいうえおかきくけこさしすせそ", ""};
        QTest::newRow("one whole address: cut after its prefecture")
            << QStringList{"", "", "北海道ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", "", "", ""}
            << QStringList{"北海道", "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", ""};
        QTest::newRow("over 40 bytes: cut after the block number when no blank follows it")
            << QStringList{"", "", "東京都港区芝公園１－２－３芝公園ハイツ１０１号室東京タワー前", "", "", ""}
            << QStringList{"東京都港区芝公園１－２－３", "芝公園ハイツ１０１号室東京タワー前", ""};
        QTest::newRow("no place to cut: ① stays whole")
            << QStringList{"", "", "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", "", "", ""}
            << QStringList{"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", "", ""};
        QTest::newRow("street repeating prefecture and city is taken once")
            << QStringList{"大阪府", "大阪市北区", "大阪府大阪市北区梅田1-1", "", "", ""}
            << QStringList{"大阪府大阪市北区梅田1-1", "", ""};
        QTest::newRow("city repeating the prefecture")
            << QStringList{"京都府", "京都府京都市", "中京区1", "", "", ""}
            << QStringList{"京都府京都市中京区1", "", ""};
        QTest::newRow("blanks around pieces dropped")
            << QStringList{" 東京都 ", "", " 港区1 ", " ", "", " 部 "}
            << QStringList{"東京都港区1", "", "部"};
    }
    void addressLines()
    {
        QFETCH(QStringList, parts);
        QFETCH(QStringList, lines);
        const AddressLines got = composeAddress({parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]});
        QCOMPARE(QStringList({got.add1, got.add2, got.add3}), lines);
        QVERIFY(rova::cp932::byteLength(got.add1) <= 40 || got.add2.isEmpty());
    }

    // A whole address ① from a file is cut by the same rule, what follows going before ②.
    void wholeAddressTooLongIsCut_data()
    {
        QTest::addColumn<QString>("add1");
        QTest::addColumn<QString>("add2");
        QTest::addColumn<QStringList>("lines");
        const QString shiba = QStringLiteral("東京都港区芝公園１－２－３");
        QTest::newRow("fits: as given") << shiba << "別館" << QStringList{shiba, "別館"};
        QTest::newRow("too long: cut after the block number")
            << shiba + "　芝公園ハイツ１０１号室　東京タワー前通り側"
            << "" << QStringList{shiba, "芝公園ハイツ１０１号室　東京タワー前通り側"};
        QTest::newRow("too long, ② given: the rest before it")
            << shiba + "芝公園ハイツ１０１号室東京タワー前"
            << "別館" << QStringList{shiba, "芝公園ハイツ１０１号室東京タワー前　別館"};
    }
    void wholeAddressTooLongIsCut()
    {
        QFETCH(QString, add1);
        QFETCH(QString, add2);
        QFETCH(QStringList, lines);
        FieldTexts texts;
        texts[int(Field::Address1)] = add1;
        texts[int(Field::Address2)] = add2;
        const RowSlip row = rowSlip(texts, {}, QDate(2030, 5, 1));
        QCOMPARE(QStringList({row.values.add1, row.values.add2}), lines);
        QCOMPARE(row.marks, QList<Mark>());
    }

    void slipTypes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("type");
        const QString hand = QStringLiteral("発払　着払(手差し)");
        const QString roll = QStringLiteral("タイムサービス(連続)");
        QTest::newRow("one of the six as it is") << "配達指定日(連続)" << hand << "配達指定日(連続)";
        QTest::newRow("empty keeps the window's") << "" << roll << "タイムサービス(連続)";
        QTest::newRow("code 0 with a hand-fed window") << "0" << hand << "発払　着払(手差し)";
        QTest::newRow("code 5 keeps the continuous feed") << "5" << roll << "発払　着払(連続)";
        QTest::newRow("code 4 is the time service") << "4" << hand << "タイムサービス(手差し)";
        QTest::newRow("kind name") << "配達指定日" << roll << "配達指定日(連続)";
        QTest::newRow("no slip type in the window: hand-fed") << "着払い"
                                                              << ""
                                                              << "発払　着払(手差し)";
        QTest::newRow("cash on delivery has no form here") << "2" << hand << "-";
        QTest::newRow("unknown word") << "ネコ" << hand << "-";
    }
    void slipTypes()
    {
        QFETCH(QString, text);
        QFETCH(QString, current);
        QFETCH(QString, type);
        QCOMPARE(slipTypeFromText(text, current).value_or(QStringLiteral("-")), type);
    }

    void postalCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("seven digits get their hyphen") << "1050011"
                                                       << "105-0011";
        QTest::newRow("full width with 〒") << "〒１０５－００１１"
                                            << "105-0011";
        QTest::newRow("blanks inside") << "105 - 0011"
                                       << "105-0011";
        QTest::newRow("six digits stay, to be marked") << "105001"
                                                       << "105001";
    }
    void postalCodes()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(slipPostalCode(text), code);
    }
};

QTEST_GUILESS_MAIN(TestOrderValues)
#include "test_ordervalues.moc"
