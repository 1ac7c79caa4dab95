// SPDX-License-Identifier: GPL-3.0-or-later
// The lines a slip's postal codes add to the print question, from the destination and the sender.

#include "rules/postal/loader.h"
#include "rules/postal/slipcheck.h"
#include "support/testpostal.h"

#include <QTest>

class TestPostalSlipCheck : public QObject
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

    void slipWarnings_data()
    {
        QTest::addColumn<QStringList>("destination"); // zip, add1, add2
        QTest::addColumn<QStringList>("sender");
        QTest::addColumn<bool>("printSender");
        QTest::addColumn<QStringList>("lines");
        const QStringList fine{"105-0011", "東京都港区芝公園４－２", ""};
        const QString shiba = QStringLiteral("郵便番号 105-0011 は 東京都港区芝公園 です");
        QTest::newRow("both agree") << fine << fine << true << QStringList{};
        QTest::newRow("town split over the two address lines")
            << QStringList{"1050011", "東京都港区", "芝公園４－２"} << fine << true << QStringList{};
        QTest::newRow("destination mismatch")
            << QStringList{"1050011", "東京都千代田区大手町", ""} << fine << true << QStringList{shiba};
        QTest::newRow("sender mismatch, sender printed")
            << fine << QStringList{"1050011", "東京都府中市", ""} << true << QStringList{shiba};
        QTest::newRow("sender mismatch, sender not printed")
            << fine << QStringList{"1050011", "東京都府中市", ""} << false << QStringList{};
        QTest::newRow("unknown codes in both, destination first")
            << QStringList{"9999999", "東京都港区", ""} << QStringList{"1234567", "", ""} << true
            << QStringList{"郵便番号 999-9999 は 郵便番号の一覧にありません",
                           "郵便番号 123-4567 は 郵便番号の一覧にありません"};
        QTest::newRow("no codes typed")
            << QStringList{"", "東京都港区", ""} << QStringList{"", "", ""} << true << QStringList{};
    }
    void slipWarnings()
    {
        QFETCH(QStringList, destination);
        QFETCH(QStringList, sender);
        QFETCH(bool, printSender);
        QFETCH(QStringList, lines);

        rova::slip::SlipValues slip;
        slip.zip = destination[0];
        slip.add1 = destination[1];
        slip.add2 = destination[2];
        slip.add3 = QStringLiteral("株式会社　大阪商店"); // a third line is a name, never checked
        slip.myZip = sender[0];
        slip.myAdd1 = sender[1];
        slip.myAdd2 = sender[2];
        slip.printSender = printSender;
        QCOMPARE(rova::postal::slipWarnings(*m_index, slip), lines);
    }
};

QTEST_GUILESS_MAIN(TestPostalSlipCheck)
#include "test_postal_slipcheck.moc"
