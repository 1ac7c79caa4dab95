// Visible indexes over a catalogue with hidden printers, and selecting printers by them.

#include "platform/test_pvprinter_fixture.h"

class TestPvPrinterCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void printerNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("hidden");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("hidden Beta left out between Alpha and Gamma")
            << QStringList{"Alpha", "Beta", "Gamma"} << QList<bool>{false, true, false}
            << QStringList{"Alpha", "Gamma"};
        QTest::newRow("hidden first and last")
            << QStringList{"H1", "Alpha", "H2"} << QList<bool>{true, false, true} << QStringList{"Alpha"};
        QTest::newRow("catalogue order kept, case and all")
            << QStringList{"zeta", "Alpha", "alpha"} << QList<bool>{false, false, false}
            << QStringList{"zeta", "Alpha", "alpha"};
    }
    void printerNames()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, hidden);
        QFETCH(QStringList, visible);
        FakePrintSystem fake;
        for (int i = 0; i < names.size(); ++i)
            fake.addPrinter(FakePrintSystem::printer(names[i], hidden[i]));
        TPvPrinter printer(&fake);
        QCOMPARE(printer.GetPrinterNames(), visible);
    }

    void setIndexSkipsHidden()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        QCOMPARE(printer.GetIndex(), 0);
        printer.SetIndex(1);
        QCOMPARE(printer.GetIndex(), 1);
        printer.BeginDoc(QStringLiteral("rova_Yamato"));
        printer.EndDoc();
        QCOMPARE(fake->jobs().last().destination, QStringLiteral("Gamma"));
    }

    void setIndexOutOfRange_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("below -1") << -2;
        QTest::newRow("count of visible printers") << 2;
        QTest::newRow("raw count, hidden one counted") << 3;
    }
    void setIndexOutOfRange()
    {
        QFETCH(int, index);
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.SetIndex(1);
        PV_EXPECT_ERROR(printer.SetIndex(index), "EPVPrinterRangeError",
                        "TPvPrinter.SetIndex: Index is out of Range");
        QCOMPARE(printer.GetIndex(), 1);
    }

    void setIndexMinusOneSelectsDefault_data()
    {
        QTest::addColumn<int>("defaultRaw");
        QTest::addColumn<int>("visible");
        QTest::newRow("default Gamma behind hidden Beta") << 2 << 1;
        QTest::newRow("no default: the first printer") << -1 << 0;
    }
    void setIndexMinusOneSelectsDefault()
    {
        QFETCH(int, defaultRaw);
        QFETCH(int, visible);
        auto fake = alphaBetaGamma();
        fake->setDefault(defaultRaw);
        TPvPrinter printer(fake.get());
        printer.SetIndex(visible == 0 ? 1 : 0);
        printer.SetIndex(-1);
        QCOMPARE(printer.GetIndex(), visible);
    }

    void hiddenDefaultIsIllegalButSelectable()
    {
        auto fake = alphaBetaGamma();
        fake->setDefault(1);
        TPvPrinter printer(fake.get());
        PV_EXPECT_ERROR(printer.GetIndex(), "EPvPrinterIllegalIndex",
                        "TPvPrinter.GetIndex: Printers.PrinterIndex is Illegal");
        printer.SetIndex(0);
        QCOMPARE(printer.GetIndex(), 0);
    }

    void noVisiblePrinter_data()
    {
        QTest::addColumn<bool>("anyHidden");
        QTest::addColumn<PrinterOperation>("operation");
        const std::pair<const char*, PrinterOperation> operations[] = {
            {"GetPrinterNames", [](TPvPrinter& p) { p.GetPrinterNames(); }},
            {"GetIndex", [](TPvPrinter& p) { p.GetIndex(); }},
            {"SetIndex(0)", [](TPvPrinter& p) { p.SetIndex(0); }},
            {"SetIndex(-1)", [](TPvPrinter& p) { p.SetIndex(-1); }},
            {"GetPaperSizeNames", [](TPvPrinter& p) { p.GetPaperSizeNames(); }},
            {"GetPaperSizeIndex", [](TPvPrinter& p) { p.GetPaperSizeIndex(); }},
            {"GetPaperSizeNumber", [](TPvPrinter& p) { p.GetPaperSizeNumber(); }},
            {"GetBinNames", [](TPvPrinter& p) { p.GetBinNames(); }},
            {"GetBinIndex", [](TPvPrinter& p) { p.GetBinIndex(); }},
            {"GetBinNumber", [](TPvPrinter& p) { p.GetBinNumber(); }},
            {"GetResolution", [](TPvPrinter& p) { p.GetResolution(); }},
            {"GetScale", [](TPvPrinter& p) { p.GetScale(); }},
            {"GetCapabilities", [](TPvPrinter& p) { p.GetCapabilities(); }},
            {"UpdateDeviceLists", [](TPvPrinter& p) { p.UpdateDeviceLists(); }},
            {"Refresh", [](TPvPrinter& p) { p.Refresh(); }},
        };
        for (const auto& [name, op] : operations) {
            QTest::addRow("only hidden printers: %s", name) << true << op;
            QTest::addRow("no printer at all: %s", name) << false << op;
        }
    }
    void noVisiblePrinter()
    {
        QFETCH(bool, anyHidden);
        QFETCH(PrinterOperation, operation);
        FakePrintSystem fake;
        if (anyHidden) {
            fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta"), true));
            fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Delta"), true));
            fake.setDefault(0);
        }
        TPvPrinter printer(&fake);
        PV_EXPECT_ERROR(operation(printer), "EPvPrinterNoPrinter", "TPvPrinter.CheckNoPrinter: No Printer");
    }

    void replacedSystemIsReadAgain()
    {
        rova::print::setSystem(alphaBetaGamma());
        TPvPrinter printer;
        printer.SetIndex(1);
        QCOMPARE(printer.GetPrinterNames(), (QStringList{"Alpha", "Gamma"}));
        auto other = std::make_unique<FakePrintSystem>();
        other->addPrinter(FakePrintSystem::printer(QStringLiteral("Delta")));
        rova::print::setSystem(std::move(other));
        QCOMPARE(printer.GetPrinterNames(), QStringList{"Delta"});
        QCOMPARE(printer.GetIndex(), 0);
        QCOMPARE(printer.GetPaperSizeNames(), (QStringList{"A4", "B5"}));
    }

    void catalogueEquality_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("equal");
        QTest::newRow("both empty") << QStringList{} << QStringList{} << true;
        QTest::newRow("same names, same flags") << QStringList{"A", "B"} << QStringList{"A", "B"} << true;
        QTest::newRow("one more") << QStringList{"A"} << QStringList{"A", "B"} << false;
        QTest::newRow("name differs in case only") << QStringList{"A"} << QStringList{"a"} << false;
        QTest::newRow("same set, other order") << QStringList{"A", "B"} << QStringList{"B", "A"} << false;
        QTest::newRow("hidden flag differs") << QStringList{"A"} << QStringList{"A*"} << false;
    }
    void catalogueEquality()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, equal);
        // A trailing star marks a hidden printer.
        auto build = [](const QStringList& names) {
            FakePrintSystem fake;
            for (QString n : names) {
                const bool hidden = n.endsWith('*');
                fake.addPrinter(FakePrintSystem::printer(n.remove('*'), hidden));
            }
            return TPvAllPrintersInfo(fake);
        };
        QCOMPARE(build(before).IsEqual(build(after)), equal);
    }
};

QTEST_GUILESS_MAIN(TestPvPrinterCatalogue)
#include "test_pvprinter_catalogue.moc"
