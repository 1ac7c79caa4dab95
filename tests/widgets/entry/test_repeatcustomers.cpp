// SPDX-License-Identifier: GPL-3.0-or-later
// Repeat customers: typing in the name or telephone field offers earlier destinations (either
// width, the most recent first); only the offer the operator chooses fills the destination, and it
// fills nothing else.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "platform/store/history.h"
#include "rules/slip/sliplayout.h"
#include "support/sampleslip.h"
#include "support/slipvaluestext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using rova::slip::SlipValues;
using rova::test::slipTo;

class TestRepeatCustomers : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

    void record(const SlipValues& slip)
    {
        rova::store::HistoryEntry e;
        e.slip = slip;
        rova::store::History(f->window()->folder()).record(e);
    }

    // The window holds a slip of another customer, with items, dates and a sender.
    SlipValues before()
    {
        SlipValues s = rova::test::sampleSlip();
        s.slipType = rova::slip::slipTypes()[0];
        s.timeSlots = {false, true, false, false, false, false};
        s.promisedTimes = {};
        f->window()->showSlip(s);
        return f->window()->slipValues();
    }

    QAbstractItemView* typeInto(QLineEdit* field, const QString& text)
    {
        f->focus(field);
        field->clear();
        MainWindowFixture::commitText(field, text);
        return qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    }

    static QStringList offers(QAbstractItemView* popup)
    {
        QStringList texts;
        for (int row = 0; popup && row < popup->model()->rowCount(); ++row)
            texts << popup->model()->index(row, 0).data().toString().section(QStringLiteral("　／　"), 0, 0);
        return texts;
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init()
    {
        f = MainWindowFixture::started();
        record(slipTo("ヤマダ　タロウ", "03-1234-5678", "100-0001", "東京都千代田区", "千代田１－１",
                      "ヤマダビル"));
        record(slipTo("山田花子", "06-6123-4567", "530-0001", "大阪府大阪市北区"));
        record(slipTo("ヤマモト", "０３－９９９９－００００", "060-0001", "北海道札幌市"));
    }
    void cleanup() { f.reset(); }

    void offersMostRecentFirstInEitherWidth_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("half-width kana in the name") << "Edit_Custo1"
                                                     << "ﾔﾏ" << QStringList{"ヤマモト", "ヤマダ　タロウ"};
        QTest::newRow("kanji in the name") << "Edit_Custo1"
                                           << "山田" << QStringList{"山田花子"};
        QTest::newRow("digits in the telephone") << "Edit_tel"
                                                 << "03" << QStringList{"ヤマモト", "ヤマダ　タロウ"};
        QTest::newRow("nobody begins so") << "Edit_Custo1"
                                          << "スズキ" << QStringList{};
    }
    void offersMostRecentFirstInEitherWidth()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        const SlipValues shown = before();
        auto* edit = testsupport::control<QLineEdit>(f->window(), field);
        QCOMPARE(offers(typeInto(edit, typed)), offered);
        // Offered is not chosen: only the typed field changed.
        SlipValues expected = shown;
        (field == "Edit_tel" ? expected.tel : expected.name) = edit->text();
        QCOMPARE(f->window()->slipValues(), expected);
    }

    void choosingFillsTheDestinationOnly()
    {
        const SlipValues shown = before();
        QAbstractItemView* popup = typeInto(ui(f->window()).Edit_Custo1, QStringLiteral("ﾔﾏﾀﾞ"));
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        SlipValues expected = shown;
        expected.name = QStringLiteral("ヤマダ　タロウ");
        expected.tel = QStringLiteral("03-1234-5678");
        expected.zip = QStringLiteral("100-0001");
        expected.add1 = QStringLiteral("東京都千代田区");
        expected.add2 = QStringLiteral("千代田１－１");
        expected.add3 = QStringLiteral("ヤマダビル");
        QCOMPARE(f->window()->slipValues(), expected);
    }

    void escapeFillsNothing()
    {
        const SlipValues shown = before();
        QAbstractItemView* popup = typeInto(ui(f->window()).Edit_tel, QStringLiteral("06"));
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Escape);
        QTRY_VERIFY(!popup->isVisible());
        SlipValues expected = shown;
        expected.tel = QStringLiteral("06");
        QCOMPARE(f->window()->slipValues(), expected);
    }
};

QTEST_MAIN(TestRepeatCustomers)
#include "test_repeatcustomers.moc"
