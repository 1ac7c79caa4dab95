// SPDX-License-Identifier: GPL-3.0-or-later
// A shop's morning, as the operator goes through it: the orders of three marketplaces imported into
// the batch window, the first form's number registered, the batch printed, and the shipping notices
// written; every line of each notice names the right order, item and parcel number.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "rules/orders/delimited.h"
#include "rules/slip/trackingnumber.h"
#include "rules/text/cp932.h"
#include "widgets/batch/batchwindow.h"
#include "widgets/kit/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using rova::Dialogs;
using testsupport::control;

namespace
{
QString sample(const QString& name)
{
    return QStringLiteral(ROVA_TEST_DATA "/orders/") + name;
}

// The lines of the one notice file of a marketplace in the folder, its header first.
QList<QStringList> noticeLines(const QDir& folder, const QString& marketplace)
{
    const QStringList files =
        folder.entryList({QStringLiteral("shipping-%1-*").arg(marketplace)}, QDir::Files);
    if (files.size() != 1)
        return {};
    QFile file(folder.filePath(files[0]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const rova::orders::Table table =
        rova::orders::parseDelimited(rova::cp932::decode(file.readAll()), files[0]);
    QList<QStringList> lines{table.header.cells};
    for (const rova::orders::Record& r : table.rows)
        lines << r.cells;
    return lines;
}
} // namespace

class TestNoticeFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    QWidget* m_batch = nullptr;

    // A menu entry of the batch window, as a click on it.
    void trigger(const char* name) const
    {
        QAction* action = m_batch->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init()
    {
        f = MainWindowFixture::started();
        control<QCheckBox>(f->window(), QStringLiteral("CheckBox_My"))->setChecked(false);
        f->key(Qt::Key_F10);
        m_batch = f->forms().batch.get();
        QTRY_VERIFY(m_batch->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_batch));
    }
    void cleanup() { f.reset(); }

    void ordersInNoticesOut()
    {
        for (const char* file : {"rakuten.cp932.csv", "amazon.utf8.txt", "yahoo.utf8.csv"}) {
            Dialogs::answerNextFile(sample(QString::fromLatin1(file)));
            QTest::keyClick(m_batch->windowHandle(), Qt::Key_O, Qt::ControlModifier);
        }
        Dialogs::answerNextDialog([](QDialog& dialog) {
            control<QLineEdit>(&dialog, QStringLiteral("Edit_TrackingNumber"))->setText("4444-1375-8703");
            dialog.accept();
            return dialog.result();
        });
        trigger("Action_NextNumber");
        Dialogs::answerNext(true);
        QTest::keyClick(m_batch->windowHandle(), Qt::Key_F11);
        MainWindowFixture::shownTexts();

        const QString out = f->path(QStringLiteral("upload"));
        QVERIFY(QDir().mkpath(out));
        Dialogs::answerNextDialog([&](QDialog& dialog) {
            control<QLineEdit>(&dialog, QStringLiteral("Edit_Folder"))->setText(out);
            return int(QDialog::Accepted);
        });
        trigger("Action_Notices");
        const QStringList shown = MainWindowFixture::shownTexts();
        QCOMPARE(shown.value(0), "Dialog_Notices");
        QVERIFY2(shown.value(1).contains("(5 行)") && shown.value(1).contains("(4 行)") &&
                     shown.value(1).contains("(3 行)") && !shown.value(1).contains("除いた"),
                 qPrintable(shown.value(1)));

        // The pages took the numbers in list order: the files in the order they were imported.
        QStringList n{"444413758703"};
        while (n.size() < 11)
            n << rova::tracking::next(n.last());
        const QDate today = QDate::currentDate();
        const QString day = today.toString("yyyy-MM-dd");
        const QDir folder(out);
        const QList<QList<QStringList>> expected{
            {{"注文番号", "送付先ID", "発送明細ID", "お荷物伝票番号", "配送会社", "発送日"},
             {"100001", "1000011", "", n[0], "1001", day},
             {"100002", "1000021", "", n[1], "1001", day},
             {"100003", "1000031", "", n[2], "1001", day},
             {"100004", "1000041", "", n[3], "1001", day},
             {"100004", "1000042", "", n[4], "1001", day}},
            {{"order-id", "order-item-id", "quantity", "ship-date", "carrier-code", "carrier-name",
              "tracking-number", "ship-method"},
             {"503-0000001-0000001", "11111111111111", "2", day, "Yamato Transport", "ヤマト運輸", n[5],
              "宅急便"},
             {"503-0000002-0000002", "22222222222222", "1", day, "Yamato Transport", "ヤマト運輸", n[6],
              "宅急便"},
             {"503-0000002-0000002", "33333333333333", "4", day, "Yamato Transport", "ヤマト運輸", n[6],
              "宅急便"},
             {"503-0000003-0000003", "44444444444444", "1", day, "Yamato Transport", "ヤマト運輸", n[7],
              "宅急便"}},
            {{"OrderId", "ShipCompanyCode", "ShipInvoiceNumber1", "ShipInvoiceNumber2", "ShipDate",
              "ShipStatus"},
             {"shop-0001", "1001", n[8], "", today.toString("yyyyMMdd"), "3"},
             {"shop-0002", "1001", n[9], "", today.toString("yyyyMMdd"), "3"},
             {"shop-0003", "1001", n[10], "", today.toString("yyyyMMdd"), "3"}},
        };
        const QStringList marketplaces{"rakuten", "amazon", "yahoo"};
        for (int m = 0; m < marketplaces.size(); ++m) {
            const QList<QStringList> lines = noticeLines(folder, marketplaces[m]);
            QCOMPARE(lines.size(), expected[m].size());
            for (int i = 0; i < lines.size(); ++i) {
                for (int field = 0; field < expected[m][i].size(); ++field)
                    QVERIFY2(lines[i].value(field) == expected[m][i][field],
                             qPrintable(QStringLiteral("%1 line %2 field %3: %4, not %5")
                                            .arg(marketplaces[m])
                                            .arg(i)
                                            .arg(expected[m][0][field], lines[i].value(field),
                                                 expected[m][i][field])));
                QCOMPARE(lines[i].size(), expected[m][i].size());
            }
        }
    }
};

QTEST_MAIN(TestNoticeFlow)
#include "test_noticeflow.moc"
