// SPDX-License-Identifier: GPL-3.0-or-later
// A slip put into the entry window (a batch row or an earlier print, to correct or print again) reads
// back as the same slip, whatever the window held before and whichever slip type it is.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "rules/slip/sliplayout.h"
#include "support/sampleslip.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

using rova::slip::SlipValues;

Q_DECLARE_METATYPE(SlipValues)

namespace
{
// The sample slip with no count and nothing ticked; each row adds what its kind keeps.
SlipValues fullSlip(int type)
{
    SlipValues s = rova::test::sampleSlip(type);
    s.count.clear();
    s.timeSlots = {};
    s.promisedTimes = {};
    return s;
}
} // namespace

class TestMainWindowShowSlip : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void slipReadsBackWhole_data()
    {
        QTest::addColumn<int>("before"); // slip type the window shows first
        QTest::addColumn<SlipValues>("slip");
        for (int type = 0; type < 6; ++type) {
            SlipValues slip = fullSlip(type);
            const auto kind = rova::slip::formKind(slip.slipType);
            if (kind == rova::slip::FormKind::TimeService)
                slip.promisedTimes[1] = true;
            else
                slip.timeSlots[type == 0 ? 0 : 5] = true;
            if (kind == rova::slip::FormKind::DeliveryDate)
                slip.count = QStringLiteral("3");
            QTest::addRow("%s over %s", qPrintable(slip.slipType),
                          qPrintable(rova::slip::slipTypes()[(type + 3) % 6]))
                << (type + 3) % 6 << slip;
        }
        SlipValues plain = fullSlip(0);
        plain.printSender = false;
        plain.printDate = false;
        QTest::newRow("no sender, no date, nothing ticked") << 4 << plain;
    }
    void slipReadsBackWhole()
    {
        QFETCH(int, before);
        QFETCH(SlipValues, slip);
        f->chooseSlipType(before);
        ui(f->window()).CheckBox_t3->setChecked(true);
        f->window()->showSlip(slip);
        QCOMPARE(f->window()->slipValues(), slip);
    }

    // A long first address line is warned about as when it is typed.
    void longAddressIsWarned()
    {
        SlipValues slip = fullSlip(0);
        slip.add1 = QString(21, QChar(0x3042));
        f->window()->showSlip(slip);
        QVERIFY(!ui(f->window()).Label_Warning->text().isEmpty());
    }
};

QTEST_MAIN(TestMainWindowShowSlip)
#include "test_mainwindow_showslip.moc"
