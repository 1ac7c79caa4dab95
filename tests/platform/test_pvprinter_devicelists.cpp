// Paper sizes, bins, resolution and scale of the current printer, and when they are read again.

#include "platform/test_pvprinter_fixture.h"

using rova::print::Bin;
using rova::print::Paper;

class TestPvPrinterDeviceLists : public QObject
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
        TPvPrinter printer(&fake);
        QCOMPARE(printer.GetPaperSizeNames().size(), paperCodes.size());
        QCOMPARE(printer.GetPaperSizeNames().first(), QStringLiteral("P0"));
        QCOMPARE(printer.GetPaperSizeIndex(), paperIndex);
        QCOMPARE(printer.GetBinNames().size(), binCodes.size());
        QCOMPARE(printer.GetBinIndex(), binIndex);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<PrinterOperation>("operation");
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* setup, PrinterOperation op, const char* klass,
                      const char* message) { QTest::newRow(name) << setup << op << klass << message; };
        const char* notSupported = "EPvPrinterNotSupported";
        const char* noInfo = "EPvPrinterNoInfo";
        row(
            "no paper setting: number", "no paper setting", [](TPvPrinter& p) { p.GetPaperSizeNumber(); },
            notSupported, "TPvPrinter.GetPaperSizeNumber: PaperSize is not Supported");
        row(
            "no paper setting: names", "no paper setting", [](TPvPrinter& p) { p.GetPaperSizeNames(); },
            notSupported, "TPvPrinter.GetPaperSizeNames: PaperSize is not Supported");
        row(
            "no paper setting: index", "no paper setting", [](TPvPrinter& p) { p.GetPaperSizeIndex(); },
            notSupported, "TPvPrinter.GetPaperSizeIndex: PaperSize is not Supported");
        row(
            "no paper list: names", "no paper list", [](TPvPrinter& p) { p.GetPaperSizeNames(); }, noInfo,
            "TPvPrinter.GetPaperSizeNames: No Papersize Info Available");
        row(
            "no paper list: index", "no paper list", [](TPvPrinter& p) { p.GetPaperSizeIndex(); }, noInfo,
            "TPvPrinter.GetPaperSizeIndex: No Papersize Info Available");
        row(
            "current paper not listed", "paper not listed", [](TPvPrinter& p) { p.GetPaperSizeIndex(); },
            "EPVPrinterPaperSizeError", "TPvPrinter.GetPaperSizeIndex: Cannot Get Paper Index");
        row(
            "no bin setting: number", "no bin setting", [](TPvPrinter& p) { p.GetBinNumber(); }, notSupported,
            "TPvPrinter.GetBinNumber: Bin is not Supported");
        row(
            "no bin setting: names", "no bin setting", [](TPvPrinter& p) { p.GetBinNames(); }, notSupported,
            "TPvPrinter.GetBinNames: Bin is not Supported");
        row(
            "no bin setting: index", "no bin setting", [](TPvPrinter& p) { p.GetBinIndex(); }, notSupported,
            "TPvPrinter.GetBinIndex: Bin is not Supported");
        row(
            "no bin list: names", "no bin list", [](TPvPrinter& p) { p.GetBinNames(); }, noInfo,
            "TPvPrinter.GetBinNames: No Bin Info Available");
        row(
            "no bin list: index", "no bin list", [](TPvPrinter& p) { p.GetBinIndex(); }, noInfo,
            "TPvPrinter.GetBinIndex: No Bin Info Available");
        row(
            "current bin not listed", "bin not listed", [](TPvPrinter& p) { p.GetBinIndex(); },
            "EPvPrinterBinError", "TPvPrinter.GetBinIndex: Cannot Get Bin Index");
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
        TPvPrinter printer(&fake);
        PV_EXPECT_ERROR(operation(printer), klass, message);
        QCOMPARE(printer.GetIndex(), 0);
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
        TPvPrinter printer(&fake);
        QCOMPARE(printer.GetResolution(), resolution);
        QCOMPARE(printer.GetScale(), expectedScale);
        QCOMPARE(printer.GetCapabilities()[pcScale], scale.has_value());
        // What the print command computes from the two answers.
        const QPoint dots(printer.GetResolution().x() * 100 / printer.GetScale(),
                          printer.GetResolution().y() * 100 / printer.GetScale());
        QCOMPARE(dots, printDots);
    }

    void reselectKeepsSettingsSwitchResets()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.SetIndex(0);
        chooseSettings(printer, 13, 4);
        printer.Refresh();
        printer.SetIndex(0);
        QCOMPARE(printer.GetPaperSizeIndex(), 1);
        QCOMPARE(printer.GetBinIndex(), 1);
        printer.SetIndex(1);
        QCOMPARE(printer.GetPaperSizeNames(), (QStringList{"A4", "B5", "はがき"}));
        QCOMPARE(printer.GetPaperSizeIndex(), 2);
        QCOMPARE(printer.GetBinIndex(), 2);
        printer.SetIndex(0);
        QCOMPARE(printer.GetPaperSizeIndex(), 0);
        QCOMPARE(printer.GetBinIndex(), 0);
    }

    void switchResetsScale()
    {
        auto fake = alphaBetaGamma();
        fake->printerNamed(QStringLiteral("Alpha")).capabilities.defaults.scale = 100;
        TPvPrinter printer(fake.get());
        printer.SetIndex(0);
        rova::print::DeviceMode mode = printer.CurrentDeviceMode();
        mode.scale = 50;
        printer.SetCurrentDeviceMode(mode);
        printer.Refresh();
        QCOMPARE(printer.GetScale(), 50);
        printer.SetIndex(0);
        QCOMPARE(printer.GetScale(), 50);
        printer.SetIndex(1);
        printer.SetIndex(0);
        QCOMPARE(printer.GetScale(), 100);
    }

    void settingsChangedOutsideSeenAfterRefresh()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        QCOMPARE(printer.GetPaperSizeIndex(), 0);
        chooseSettings(printer, 13);
        QCOMPARE(printer.GetPaperSizeIndex(), 0);
        printer.Refresh();
        QCOMPARE(printer.GetPaperSizeIndex(), 1);
    }

    void listsReadOncePerPrinter()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.GetPaperSizeNames();
        const int afterFirst = fake->capabilityQueries();
        for (int i = 0; i < 3; ++i) {
            printer.GetPaperSizeNames();
            printer.GetPaperSizeIndex();
            printer.GetBinNames();
            printer.GetBinIndex();
            printer.GetScale();
            printer.SetIndex(0);
        }
        QCOMPARE(fake->capabilityQueries(), afterFirst);
        printer.Refresh();
        QCOMPARE(fake->capabilityQueries(), afterFirst + 1);
        printer.SetIndex(1);
        const int afterSwitch = fake->capabilityQueries();
        QVERIFY(afterSwitch > afterFirst + 1);
        printer.GetBinNames();
        QCOMPARE(printer.GetBinNames().first(), QStringLiteral("自動選択"));
        QCOMPARE(fake->capabilityQueries(), afterSwitch);
    }

    void failedQueryIsTriedAgain()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.GetPaperSizeIndex();
        const FakePrintSystem::Printer alpha = fake->printerNamed(QStringLiteral("Alpha"));
        fake->removePrinter(QStringLiteral("Alpha"));
        QVERIFY_THROWS_EXCEPTION(rova::Error, printer.Refresh());
        fake->addPrinter(alpha);
        fake->printerNamed(QStringLiteral("Alpha")).capabilities.papers.removeLast();
        // The catalogue order changed, but Alpha is still found by its name.
        QCOMPARE(printer.GetPaperSizeNames(), QStringList{"A4"});
    }
};

QTEST_GUILESS_MAIN(TestPvPrinterDeviceLists)
#include "test_pvprinter_devicelists.moc"
