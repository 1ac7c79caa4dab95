// SPDX-License-Identifier: GPL-3.0-or-later
// Paper sizes, bins, resolution and scale of the current printer, and when they are read again.

#include "support/fakeprinters.h"

using rova::print::Bin;
using rova::print::Paper;

class TestPrinterChoiceSettings : public QObject
{
    Q_OBJECT
private slots:
    void currentPositions_data()
    {
        QTest::addColumn<QList<int>>("paperCodes");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("paperIndex");
        QTest::addColumn<QList<int>>("binCodes");
        QTest::addColumn<int>("bin");
        QTest::addColumn<int>("binIndex");
        QTest::newRow("single listing") << QList<int>{9, 13} << 13 << 1 << QList<int>{1, 4} << 4 << 1;
        QTest::newRow("paper listed twice gives the first, bin twice the last")
            << QList<int>{13, 9, 9} << 9 << 1 << QList<int>{1, 4, 1} << 1 << 2;
        QTest::newRow("paper and bin listed twice at the ends")
            << QList<int>{9, 13, 9} << 9 << 0 << QList<int>{4, 1, 4} << 4 << 2;
    }
    void currentPositions()
    {
        QFETCH(QList<int>, paperCodes);
        QFETCH(int, paper);
        QFETCH(int, paperIndex);
        QFETCH(QList<int>, binCodes);
        QFETCH(int, bin);
        QFETCH(int, binIndex);
        FakePrintSystem fake;
        FakePrintSystem::Printer p = FakePrintSystem::printer(QStringLiteral("Alpha"));
        p.capabilities.papers.clear();
        for (int i = 0; i < paperCodes.size(); ++i)
            p.capabilities.papers.append(Paper{paperCodes[i], {}, QStringLiteral("P%1").arg(i), {}, {}});
        p.capabilities.bins.clear();
        for (int i = 0; i < binCodes.size(); ++i)
            p.capabilities.bins.append(Bin{binCodes[i], {}, QStringLiteral("B%1").arg(i)});
        p.capabilities.defaults.paper = paper;
        p.capabilities.defaults.bin = bin;
        fake.addPrinter(p);
        PrinterChoice printer(fake);
        QCOMPARE(printer.paperNames().size(), paperCodes.size());
        QCOMPARE(printer.paperNames().first(), QStringLiteral("P0"));
        QCOMPARE(printer.paperIndex(), paperIndex);
        QCOMPARE(printer.binNames().size(), binCodes.size());
        QCOMPARE(printer.binIndex(), binIndex);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<PrinterOperation>("operation");
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* setup, PrinterOperation op, const char* klass,
                      const char* message) { QTest::newRow(name) << setup << op << klass << message; };
        const char* notSupported = "NotSupported";
        const char* noInfo = "NoInfo";
        row(
            "no paper setting: number", "no paper setting", [](PrinterChoice& p) { p.paperCode(); },
            notSupported, "TPvPrinter.GetPaperSizeNumber: PaperSize is not Supported");
        row(
            "no paper setting: names", "no paper setting", [](PrinterChoice& p) { p.paperNames(); },
            notSupported, "TPvPrinter.GetPaperSizeNames: PaperSize is not Supported");
        row(
            "no paper setting: index", "no paper setting", [](PrinterChoice& p) { p.paperIndex(); },
            notSupported, "TPvPrinter.GetPaperSizeIndex: PaperSize is not Supported");
        row(
            "no paper list: names", "no paper list", [](PrinterChoice& p) { p.paperNames(); }, noInfo,
            "TPvPrinter.GetPaperSizeNames: No Papersize Info Available");
        row(
            "no paper list: index", "no paper list", [](PrinterChoice& p) { p.paperIndex(); }, noInfo,
            "TPvPrinter.GetPaperSizeIndex: No Papersize Info Available");
        row(
            "current paper not listed", "paper not listed", [](PrinterChoice& p) { p.paperIndex(); },
            "PaperSize", "TPvPrinter.GetPaperSizeIndex: Cannot Get Paper Index");
        row(
            "no bin setting: number", "no bin setting", [](PrinterChoice& p) { p.binCode(); }, notSupported,
            "TPvPrinter.GetBinNumber: Bin is not Supported");
        row(
            "no bin setting: names", "no bin setting", [](PrinterChoice& p) { p.binNames(); }, notSupported,
            "TPvPrinter.GetBinNames: Bin is not Supported");
        row(
            "no bin setting: index", "no bin setting", [](PrinterChoice& p) { p.binIndex(); }, notSupported,
            "TPvPrinter.GetBinIndex: Bin is not Supported");
        row(
            "no bin list: names", "no bin list", [](PrinterChoice& p) { p.binNames(); }, noInfo,
            "TPvPrinter.GetBinNames: No Bin Info Available");
        row(
            "no bin list: index", "no bin list", [](PrinterChoice& p) { p.binIndex(); }, noInfo,
            "TPvPrinter.GetBinIndex: No Bin Info Available");
        row(
            "current bin not listed", "bin not listed", [](PrinterChoice& p) { p.binIndex(); }, "Bin",
            "TPvPrinter.GetBinIndex: Cannot Get Bin Index");
    }
    void failures()
    {
        QFETCH(QString, setup);
        QFETCH(PrinterOperation, operation);
        QFETCH(QString, klass);
        QFETCH(QString, message);
        FakePrintSystem fake;
        FakePrintSystem::Printer p = FakePrintSystem::printer(QStringLiteral("Alpha"));
        rova::print::Capabilities& c = p.capabilities;
        if (setup == "no paper setting")
            c.defaults.paper.reset();
        else if (setup == "no paper list")
            c.papers.clear();
        else if (setup == "paper not listed")
            c.defaults.paper = 99;
        else if (setup == "no bin setting")
            c.defaults.bin.reset();
        else if (setup == "no bin list")
            c.bins.clear();
        else if (setup == "bin not listed")
            c.defaults.bin = 99;
        fake.addPrinter(p);
        PrinterChoice printer(fake);
        EXPECT_PRINTER_ERROR(operation(printer), klass, message);
        QCOMPARE(printer.currentIndex(), 0);
    }

    void resolutionAndScale_data()
    {
        QTest::addColumn<QPoint>("resolution");
        QTest::addColumn<std::optional<int>>("scale");
        QTest::addColumn<int>("expectedScale");
        QTest::addColumn<QPoint>("printDots");
        QTest::newRow("no scale setting reads 100")
            << QPoint(600, 600) << std::optional<int>() << 100 << QPoint(600, 600);
        QTest::newRow("scale 50 at 600 dpi gives 1200 dots per inch")
            << QPoint(600, 600) << std::optional<int>(50) << 50 << QPoint(1200, 1200);
        QTest::newRow("uneven resolution, scale 75 truncates")
            << QPoint(300, 200) << std::optional<int>(75) << 75 << QPoint(400, 266);
    }
    void resolutionAndScale()
    {
        QFETCH(QPoint, resolution);
        QFETCH(std::optional<int>, scale);
        QFETCH(int, expectedScale);
        QFETCH(QPoint, printDots);
        FakePrintSystem fake;
        FakePrintSystem::Printer p = FakePrintSystem::printer(QStringLiteral("Alpha"));
        p.capabilities.defaults.resolution = resolution;
        p.capabilities.defaults.scale = scale;
        fake.addPrinter(p);
        PrinterChoice printer(fake);
        QCOMPARE(printer.resolution(), resolution);
        QCOMPARE(printer.scale(), expectedScale);
        QCOMPARE(printer.hasScale(), scale.has_value());
        // What the print command computes from the two answers.
        const QPoint dots(printer.resolution().x() * 100 / printer.scale(),
                          printer.resolution().y() * 100 / printer.scale());
        QCOMPARE(dots, printDots);
        QCOMPARE(printer.printResolution(), printDots);
    }

    void reselectKeepsSettingsSwitchResets()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(0);
        chooseSettings(printer, 13, 4);
        printer.refresh();
        printer.setCurrentIndex(0);
        QCOMPARE(printer.paperIndex(), 1);
        QCOMPARE(printer.binIndex(), 1);
        printer.setCurrentIndex(1);
        QCOMPARE(printer.paperNames(), (QStringList{"A4", "B5", "はがき"}));
        QCOMPARE(printer.paperIndex(), 2);
        QCOMPARE(printer.binIndex(), 2);
        printer.setCurrentIndex(0);
        QCOMPARE(printer.paperIndex(), 0);
        QCOMPARE(printer.binIndex(), 0);
    }

    void switchResetsScale()
    {
        auto fake = alphaBetaGamma();
        fake->printerNamed(QStringLiteral("Alpha")).capabilities.defaults.scale = 100;
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(0);
        rova::print::DeviceMode mode = printer.deviceMode();
        mode.scale = 50;
        printer.setDeviceMode(mode);
        printer.refresh();
        QCOMPARE(printer.scale(), 50);
        printer.setCurrentIndex(0);
        QCOMPARE(printer.scale(), 50);
        printer.setCurrentIndex(1);
        printer.setCurrentIndex(0);
        QCOMPARE(printer.scale(), 100);
    }

    void settingsChangedOutsideSeenAfterRefresh()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        QCOMPARE(printer.paperIndex(), 0);
        chooseSettings(printer, 13);
        QCOMPARE(printer.paperIndex(), 0);
        printer.refresh();
        QCOMPARE(printer.paperIndex(), 1);
    }

    void listsReadOncePerPrinter()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.paperNames();
        const int afterFirst = fake->capabilityQueries();
        for (int i = 0; i < 3; ++i) {
            printer.paperNames();
            printer.paperIndex();
            printer.binNames();
            printer.binIndex();
            printer.scale();
            printer.setCurrentIndex(0);
        }
        QCOMPARE(fake->capabilityQueries(), afterFirst);
        printer.refresh();
        QCOMPARE(fake->capabilityQueries(), afterFirst + 1);
        printer.setCurrentIndex(1);
        const int afterSwitch = fake->capabilityQueries();
        QVERIFY(afterSwitch > afterFirst + 1);
        printer.binNames();
        QCOMPARE(printer.binNames().first(), QStringLiteral("自動選択"));
        QCOMPARE(fake->capabilityQueries(), afterSwitch);
    }

    void failedQueryIsTriedAgain()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.paperIndex();
        const FakePrintSystem::Printer alpha = fake->printerNamed(QStringLiteral("Alpha"));
        fake->removePrinter(QStringLiteral("Alpha"));
        QVERIFY_THROWS_EXCEPTION(rova::Error, printer.refresh());
        fake->addPrinter(alpha);
        fake->printerNamed(QStringLiteral("Alpha")).capabilities.papers.removeLast();
        // The catalogue order changed, but Alpha is still found by its name.
        QCOMPARE(printer.paperNames(), QStringList{"A4"});
    }
};

QTEST_GUILESS_MAIN(TestPrinterChoiceSettings)
#include "test_printerchoice_settings.moc"
