// SPDX-License-Identifier: GPL-3.0-or-later
// Noticing printers and ports that changed while the program runs.

#include "support/fakeprinters.h"

#include <QSignalSpy>

using FakeChange = std::function<void(FakePrintSystem&)>;
Q_DECLARE_METATYPE(FakeChange)

class TestPrinterChoiceChanges : public QObject
{
    Q_OBJECT
private slots:
    void onChange_data()
    {
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<FakeChange>("change");
        QTest::addColumn<int>("fired");
        const FakeChange none = [](FakePrintSystem&) {};
        QTest::newRow("first check after start sees every port as new") << false << none << 1;
        QTest::newRow("first check without any port fires nothing")
            << false << FakeChange([](FakePrintSystem& f) {
                   for (const char* n : {"Alpha", "Beta", "Gamma"})
                       f.printerNamed(QString::fromLatin1(n)).destination.port.clear();
               })
            << 0;
        QTest::newRow("nothing changed since the last check fires nothing") << true << none << 0;
        QTest::newRow("default printer changed alone fires nothing")
            << true << FakeChange([](FakePrintSystem& f) { f.setDefault(2); }) << 0;
        QTest::newRow("printer added") << true << FakeChange([](FakePrintSystem& f) {
            f.addPrinter(FakePrintSystem::printer(QStringLiteral("Delta")));
        }) << 1;
        QTest::newRow("printer removed")
            << true << FakeChange([](FakePrintSystem& f) { f.removePrinter(QStringLiteral("Gamma")); }) << 1;
        QTest::newRow("printer hidden") << true << FakeChange([](FakePrintSystem& f) {
            f.printerNamed(QStringLiteral("Alpha")).destination.hidden = true;
        }) << 1;
        QTest::newRow("printer renamed in case only") << true << FakeChange([](FakePrintSystem& f) {
            f.printerNamed(QStringLiteral("Gamma")).destination.name = QStringLiteral("gamma");
        }) << 1;
        QTest::newRow("port of a printer changed") << true << FakeChange([](FakePrintSystem& f) {
            f.printerNamed(QStringLiteral("Beta")).destination.port = QStringLiteral("socket://10.0.0.9");
        }) << 1;
    }
    void onChange()
    {
        QFETCH(bool, checkedBefore);
        QFETCH(FakeChange, change);
        QFETCH(int, fired);
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        if (checkedBefore)
            printer.checkForChanges();
        QSignalSpy spy(&printer, &PrinterChoice::changed);
        change(*fake);
        printer.checkForChanges();
        QCOMPARE(spy.count(), fired);
    }

    void portNames_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("one entry per port, in catalogue order")
            << QStringList{"usb://b", "usb://a"} << QStringList{"usb://b", "usb://a"};
        QTest::newRow("a port shared by two printers is listed once")
            << QStringList{"lpd://q", "usb://a", "lpd://q"} << QStringList{"lpd://q", "usb://a"};
        QTest::newRow("printers without a port add nothing")
            << QStringList{"", "usb://a", ""} << QStringList{"usb://a"};
    }
    void portNames()
    {
        QFETCH(QStringList, ports);
        QFETCH(QStringList, listed);
        FakePrintSystem fake;
        for (int i = 0; i < ports.size(); ++i) {
            FakePrintSystem::Printer p = FakePrintSystem::printer(QStringLiteral("P%1").arg(i), i == 0);
            p.destination.port = ports[i];
            fake.addPrinter(p);
        }
        PrinterChoice printer(fake);
        QCOMPARE(printer.portNames(), listed);
    }

    void addedPrinterLeavesDefaultCurrent()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(1);
        chooseSettings(printer, 9);
        fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Delta")));
        fake->setDefault(2);
        printer.checkForChanges();
        QCOMPARE(printer.printerNames(), (QStringList{"Alpha", "Gamma", "Delta"}));
        QCOMPARE(printer.currentIndex(), 1);
        // The default printer starts again from its own settings.
        QCOMPARE(printer.paperIndex(), 2);
    }

    void addedPrinterMakesTheDefaultCurrentNotTheOneBefore()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(0);
        fake->setDefault(2);
        fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Delta")));
        printer.checkForChanges();
        QCOMPARE(printer.currentIndex(), 1);
    }

    void removedCurrentPrinterFallsBackToDefault()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(1);
        printer.paperNames();
        fake->removePrinter(QStringLiteral("Gamma"));
        printer.checkForChanges();
        QCOMPARE(printer.currentIndex(), 0);
        QCOMPARE(printer.paperNames(), (QStringList{"A4", "B5"}));
    }
};

QTEST_GUILESS_MAIN(TestPrinterChoiceChanges)
#include "test_printerchoice_changes.moc"
