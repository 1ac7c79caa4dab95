#include "rules/orders/marks.h"

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
        QString* const texts[] = {&v.slipType, &v.zip, &v.add1,          &v.add2,        &v.name,
                                  &v.tel,      &v.g2,  &v.deliveryMonth, &v.deliveryDay, &v.myName};
        const QStringList keys{"type", "zip", "add1", "add2", "name", "tel", "g2", "month", "day", "myName"};
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
            << QStringList{"myName=𠮷", "printSender=1"} << "Unencodable"
            << "";
        QTest::newRow("address ① of 40 bytes")
            << QStringList{"add1=東京都港区芝公園一丁目二番三号ハイツ芝公"} << ""
            << "";
        QTest::newRow("address ① of 41 bytes")
            << QStringList{"add1=東京都港区芝公園一丁目二番三号ハイツ芝公1"} << "Address1TooLong"
            << "おところ①の文字数が多すぎます。　おところ②へ分割してください";
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

    void hooksHaveTheirTexts()
    {
        QCOMPARE(mark(MarkCode::Overlap).text, QStringLiteral("文字が隣の欄に重なります"));
        QCOMPARE(mark(MarkCode::PostalCodeMismatch, QStringLiteral("105-0011")).text,
                 QStringLiteral("郵便番号と住所が合いません: 105-0011"));
        QVERIFY(isImportMark(MarkCode::TooManyItems));
        QVERIFY(!isImportMark(MarkCode::Overlap));
    }
};

QTEST_GUILESS_MAIN(TestOrderMarks)
#include "test_ordermarks.moc"
