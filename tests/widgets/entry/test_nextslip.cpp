// SPDX-License-Identifier: GPL-3.0-or-later
// F3 "次票": the next parcel starts from a slip with nothing of the last parcel left in it, while
// what stays from slip to slip (sender, slip type, date) stays; and the help line suggests it after
// a print.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "support/sampleslip.h"
#include "widgets/kit/dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rova::slip::SlipValues;

Q_DECLARE_METATYPE(SlipValues)

class TestNextSlip : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void clearsExactlyTheParcel_data()
    {
        QTest::addColumn<SlipValues>("slip");
        for (const int type : {0, 2, 4}) {
            SlipValues s = rova::test::sampleSlip(type);
            s.timeSlots = {false, false, false, true, false, false};
            s.promisedTimes = {true, false};
            QTest::addRow("%s, every field filled", qPrintable(s.slipType)) << s;
        }
        SlipValues noTicks = rova::test::sampleSlip();
        noTicks.printDate = false;
        noTicks.printSender = false;
        noTicks.timeSlots = {};
        noTicks.promisedTimes = {};
        QTest::newRow("date and sender unticked stay unticked") << noTicks;
    }
    void clearsExactlyTheParcel()
    {
        QFETCH(SlipValues, slip);
        MainWindow* w = f->window();
        w->showSlip(slip);
        slip = w->slipValues(); // as the slip type shows it
        ui(w).Edit_G2->setFocus();
        f->key(Qt::Key_F3);

        SlipValues kept = w->slipValues();
        QCOMPARE(kept.slipType, slip.slipType);
        QCOMPARE(kept.date, slip.date);
        QCOMPARE(kept.printDate, slip.printDate);
        QCOMPARE(kept.printSender, slip.printSender);
        QCOMPARE(kept.fontSizeIndex, slip.fontSizeIndex);
        QCOMPARE((QStringList{kept.myZip, kept.myTel, kept.myAdd1, kept.myAdd2, kept.myName}),
                 (QStringList{slip.myZip, slip.myTel, slip.myAdd1, slip.myAdd2, slip.myName}));
        for (const QString& emptied :
             {kept.zip, kept.tel, kept.add1, kept.add2, kept.add3, kept.name, kept.g1, kept.g2, kept.g3,
              kept.count, kept.deliveryMonth, kept.deliveryDay})
            QVERIFY2(emptied.isEmpty(), qPrintable(emptied));
        QCOMPARE(kept.timeSlots, (std::array<bool, 6>{}));
        QCOMPARE(kept.promisedTimes, (std::array<bool, 2>{}));
        QCOMPARE(MainWindowFixture::focusedName(), QStringLiteral("Edit_Zip"));
        QVERIFY(MainWindowFixture::shownTexts().isEmpty());
    }

    void keyIsCaptionedAndClickable()
    {
        auto* f3 = testsupport::control<QPushButton>(f->window(), QStringLiteral("SpeedButton_F3"));
        QCOMPARE(f3->text(), QStringLiteral("次票"));
        QVERIFY(f3->isEnabled());
        f->window()->showSlip(rova::test::sampleSlip());
        f3->click();
        QVERIFY(f->window()->slipValues().name.isEmpty());
    }

    void helpLineSuggestsItAfterAnAcceptedPrint_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("suggested");
        QTest::newRow("accepted") << true << QString() << true;
        QTest::newRow("operator said no") << false << QString() << false;
        QTest::newRow("refused by the print system") << true << QStringLiteral("offline") << false;
    }
    void helpLineSuggestsItAfterAnAcceptedPrint()
    {
        QFETCH(bool, answer);
        QFETCH(QString, refusal);
        QFETCH(bool, suggested);
        MainWindowFixture::fakePrinter().failBegin(refusal);
        rova::Dialogs::answerNext(answer);
        f->key(Qt::Key_F11);
        MainWindowFixture::fakePrinter().failBegin({});
        QCOMPARE(ui(f->window()).Panel_HelpMess->text() == QStringLiteral("F3: 次の送り状"), suggested);
    }
};

QTEST_MAIN(TestNextSlip)
#include "test_nextslip.moc"
