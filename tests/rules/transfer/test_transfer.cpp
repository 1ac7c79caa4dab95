// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/transfer.h"

#include "rules/transfer/workinglines.h"

#include <QTest>

using L = QStringList;

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void fields_data()
    {
        QTest::addColumn<L>("pane");
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("add1");
        QTest::addColumn<QString>("add2");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tel");

        QTest::newRow("labelled four-line block")
            << L{"〒123-4567", "東京都港区芝公園1-2-3", "山田太郎 様", "TEL 03-1234-5678"} << "123-4567"
            << "東京都港区芝公園1-2-3"
            << ""
            << "山田太郎"
            << "03-1234-5678";
        QTest::newRow("prefecture line joined to the address without a blank")
            << L{"東京都", "港区芝公園1-2-3"} << ""
            << "東京都港区芝公園1-2-3"
            << ""
            << ""
            << "";
        QTest::newRow("Okinawa is a prefecture like the others") << L{"沖縄県", "那覇市泉崎1-2-2"} << ""
                                                                 << "沖縄県那覇市泉崎1-2-2"
                                                                 << ""
                                                                 << ""
                                                                 << "";
        QTest::newRow("second prefecture line dropped") << L{"東京都", "大阪府", "港区芝公園1-2-3"} << ""
                                                        << "東京都港区芝公園1-2-3"
                                                        << ""
                                                        << ""
                                                        << "";
        QTest::newRow("postal code split off its line")
            << L{"123-4567 東京都港区芝公園1-2-3", "山田太郎"} << "123-4567"
            << "東京都港区芝公園1-2-3"
            << ""
            << "山田太郎"
            << "";
        QTest::newRow("seven digits after the postal mark")
            << L{"〒1000005", "東京都千代田区丸の内1-1", "山田太郎"} << "100-0005"
            << "東京都千代田区丸の内1-1"
            << ""
            << "山田太郎"
            << "";
        QTest::newRow("seven digits after the label")
            << L{"郵便番号：1000005", "東京都千代田区丸の内1-1", "TEL 0312345678"} << "100-0005"
            << "東京都千代田区丸の内1-1"
            << ""
            << ""
            << "0312345678";
        QTest::newRow("seven full-width digits alone")
            << L{"１０００００５", "東京都千代田区丸の内1-1"} << "100-0005"
            << "東京都千代田区丸の内1-1"
            << ""
            << ""
            << "";
        QTest::newRow("seven digits split off their line")
            << L{"1000005 東京都千代田区丸の内1-1", "山田太郎"} << "100-0005"
            << "東京都千代田区丸の内1-1"
            << ""
            << "山田太郎"
            << "";
        QTest::newRow("full-width postal code with a leading zero stays one address line")
            << L{"０６０－０００１　北海道札幌市中央区北一条西2丁目"} << ""
            << "０６０－０００１　北海道札幌市中央区北一条西2丁目"
            << ""
            << ""
            << "";
        QTest::newRow("split remainder loses its ideographic space")
            << L{"060-0001　北海道札幌市中央区北一条西2丁目"} << "060-0001"
            << "北海道札幌市中央区北一条西2丁目"
            << ""
            << ""
            << "";
        QTest::newRow("postal code with two characters after is an address") << L{"123-4567東京"} << ""
                                                                             << "123-4567東京"
                                                                             << ""
                                                                             << ""
                                                                             << "";
        QTest::newRow("postal code without hyphen after an address is the postal code")
            << L{"東京都港区芝公園1-2-3", "1234567"} << "123-4567"
            << "東京都港区芝公園1-2-3"
            << ""
            << ""
            << "";
        QTest::newRow("phone with blanks is an address") << L{"090 1234 5678"} << ""
                                                         << "090 1234 5678"
                                                         << ""
                                                         << ""
                                                         << "";
        QTest::newRow("phone with switchboard suffix is an address, not a postal code")
            << L{"03-1234-5678(代)"} << ""
            << "03-1234-5678(代)"
            << ""
            << ""
            << "";
        QTest::newRow("fax line is an address") << L{"FAX 03-1234-5678"} << ""
                                                << "FAX 03-1234-5678"
                                                << ""
                                                << ""
                                                << "";
        QTest::newRow("nine characters are an address") << L{"1234-5678"} << ""
                                                        << "1234-5678"
                                                        << ""
                                                        << ""
                                                        << "";
        QTest::newRow("short name with a feature") << L{"中村様"} << ""
                                                   << ""
                                                   << ""
                                                   << "中村"
                                                   << "";
        QTest::newRow("long company with a feature is an address") << L{"市川商事株式会社"} << ""
                                                                   << "市川商事株式会社"
                                                                   << ""
                                                                   << ""
                                                                   << "";
        QTest::newRow("company without a feature is the name") << L{"株式会社山田商店"} << ""
                                                               << ""
                                                               << ""
                                                               << "株式会社山田商店"
                                                               << "";
        QTest::newRow("second name dropped") << L{"山田太郎", "山田花子"} << ""
                                             << ""
                                             << ""
                                             << "山田太郎"
                                             << "";
        QTest::newRow("second postal code discarded") << L{"123-4567", "234-5678"} << "123-4567"
                                                      << ""
                                                      << ""
                                                      << ""
                                                      << "";
        QTest::newRow("second phone discarded") << L{"03-1234-5678", "090-1234-5678"} << ""
                                                << ""
                                                << ""
                                                << ""
                                                << "03-1234-5678";
        QTest::newRow("third address line dropped")
            << L{"東京都港区芝公園1-2-3", "芝公園ビル3階", "第2芝公園ハイツ101号"} << ""
            << "東京都港区芝公園1-2-3"
            << "芝公園ビル3階"
            << ""
            << "";
        QTest::newRow("full-width postal code alone") << L{"１２３－４５６７"} << "123-4567"
                                                      << ""
                                                      << ""
                                                      << ""
                                                      << "";
        QTest::newRow("mail address line ignored") << L{"山田太郎", "taro@example.jp", "03-1234-5678"} << ""
                                                   << ""
                                                   << ""
                                                   << "山田太郎"
                                                   << "03-1234-5678";
        QTest::newRow("lines of ideographic spaces do not push the phone out")
            << L{"123-4567", "　　", "東京都港区芝公園1-2-3", "　", "山田太郎", "　",
                 "　",       "　",   "03-1234-5678"}
            << "123-4567"
            << "東京都港区芝公園1-2-3"
            << ""
            << "山田太郎"
            << "03-1234-5678";
        QTest::newRow("only the first seven lines take part")
            << L{"山田太郎", "a", "b", "c", "d", "e", "f", "03-1234-5678"} << ""
            << ""
            << ""
            << "山田太郎"
            << "";
        QTest::newRow("labelled postal code keeps its first digit")
            << L{"住所：〒105-0011 東京都港区芝公園4-2-8", "山田太郎"} << "105-0011"
            << "東京都港区芝公園4-2-8"
            << ""
            << "山田太郎"
            << "";
        QTest::newRow("HOTEL keeps its letters") << L{"HOTEL PARK 東京都港区芝公園1-2-3"} << ""
                                                 << "HOTEL PARK 東京都港区芝公園1-2-3"
                                                 << ""
                                                 << ""
                                                 << "";
        QTest::newRow("full-width phone kept as typed for the window to map")
            << L{"ＴＥＬ：０３－１２３４－５６７８"} << ""
            << ""
            << ""
            << ""
            << "０３－１２３４－５６７８";
    }
    void fields()
    {
        QFETCH(L, pane);
        QFETCH(QString, zip);
        QFETCH(QString, add1);
        QFETCH(QString, add2);
        QFETCH(QString, name);
        QFETCH(QString, tel);
        const rova::transfer::Outcome outcome = rova::transfer::run(pane);
        QVERIFY(!outcome.nothingToTransfer);
        QCOMPARE(outcome.fields.zip, zip);
        QCOMPARE(outcome.fields.add1, add1);
        QCOMPARE(outcome.fields.add2, add2);
        QCOMPARE(outcome.fields.name, name);
        QCOMPARE(outcome.fields.tel, tel);
    }

    void paneAfterwards_data()
    {
        QTest::addColumn<L>("pane");
        QTest::addColumn<L>("after");
        QTest::newRow("labels removed, three empty lines added")
            << L{"〒123-4567", "東京都港区芝公園1-2-3", "山田太郎 様", "TEL 03-1234-5678"}
            << seven({"123-4567", "東京都港区芝公園1-2-3", "山田太郎", "03-1234-5678"});
        QTest::newRow("split postal code and its moved remainder")
            << L{"123-4567 東京都港区芝公園1-2-3", "山田太郎"}
            << seven({"123-4567", "山田太郎", " 東京都港区芝公園1-2-3"});
        QTest::newRow("discarded second postal code stays in the pane")
            << L{"123-4567", "234-5678"} << seven({"123-4567", "234-5678"});
        QTest::newRow("numeric line half-width, katakana name not")
            << L{"１２３－４５６７", "ヤマダタロウ"} << seven({"123-4567", "ヤマダタロウ"});
        const L six{"123-4567", "東京都港区芝公園1-2-3", "山田ビル3階", "株式会社山田",
                    "営業部",   "03-1234-5678"};
        QTest::newRow("katakana name on line 7 stays full-width")
            << (six + L{"ヤマダタロウ"}) << (six + L{"ヤマダタロウ"});
        L twenty;
        for (int i = 1; i <= 20; ++i)
            twenty << QStringLiteral("行%1").arg(i);
        QTest::newRow("twenty lines: the first seven remain") << twenty << twenty.first(7);
        QTest::newRow("blank and mail lines gone before the seven are taken")
            << L{"", "山田太郎", "taro@example.jp", "", "03-1234-5678"}
            << seven({"山田太郎", "03-1234-5678"});
    }
    void paneAfterwards()
    {
        QFETCH(L, pane);
        QFETCH(L, after);
        QCOMPARE(rova::transfer::run(pane).pane, after);
    }

    void nothingToTransfer_data()
    {
        QTest::addColumn<L>("pane");
        QTest::newRow("empty pane") << L{};
        QTest::newRow("line breaks only") << L{"", "", ""};
        QTest::newRow("blank lines of either width") << L{"  ", "　　", "\t"};
        QTest::newRow("mail and web addresses only") << L{"taro@example.jp", "", "https://example.com/"};
        L late(16);
        late << "山田太郎";
        QTest::newRow("text only after line 16") << late;
        QTest::newRow("delivery heading alone") << L{"【お届け先】", "", "　"};
        QTest::newRow("delivery heading last") << L{"【ご注文者】", "〒100-0001", "■お届け先"};
        QTest::newRow("delivery heading right above the next heading") << L{"お届け先：", "■備考", "なし"};
        QTest::newRow("headings of other blocks only") << L{"【ご注文内容】", "※備考※"};
    }
    void nothingToTransfer()
    {
        QFETCH(L, pane);
        const rova::transfer::Outcome outcome = rova::transfer::run(pane);
        QVERIFY(outcome.nothingToTransfer);
        QVERIFY(outcome.pane.isEmpty());
    }

    // A huge paste must come back whole where no rule cuts it.
    void longLinesKeptWhole()
    {
        const QString address = "東京都港区芝公園" + QString(100000, QChar(u'丁'));
        const QString name = "株式会社" + QString(100000, QChar(u'山'));
        const rova::transfer::Outcome outcome = rova::transfer::run({address, name, "03-1234-5678"});
        QCOMPARE(outcome.fields.add1, address);
        QCOMPARE(outcome.fields.name, name);
        QCOMPARE(outcome.fields.tel, QStringLiteral("03-1234-5678"));
    }
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "test_transfer.moc"
