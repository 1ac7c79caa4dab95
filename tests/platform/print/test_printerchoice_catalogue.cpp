// SPDX-License-Identifier: GPL-3.0-or-later
// Visible indexes over a catalogue with hidden printers, and selecting printers by them.

#include "support/fakeprinters.h"

#include <QSignalSpy>

class TestPrinterChoiceCatalogue : public QObject
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
        PrinterChoice printer(fake);
        QCOMPARE(printer.printerNames(), visible);
    }

    void setIndexSkipsHidden()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        QCOMPARE(printer.currentIndex(), 0);
        printer.setCurrentIndex(1);
        QCOMPARE(printer.currentIndex(), 1);
        QCOMPARE(printer.currentName(), QStringLiteral("Gamma"));
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
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(1);
        EXPECT_PRINTER_ERROR(printer.setCurrentIndex(index), "Range",
                             "TPvPrinter.SetIndex: Index is out of Range");
        QCOMPARE(printer.currentIndex(), 1);
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
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(visible == 0 ? 1 : 0);
        printer.setCurrentIndex(-1);
        QCOMPARE(printer.currentIndex(), visible);
    }

    void hiddenDefaultIsIllegalButSelectable()
    {
        auto fake = alphaBetaGamma();
        fake->setDefault(1);
        PrinterChoice printer(*fake);
        EXPECT_PRINTER_ERROR(printer.currentIndex(), "IllegalIndex",
                             "TPvPrinter.GetIndex: Printers.PrinterIndex is Illegal");
        printer.setCurrentIndex(0);
        QCOMPARE(printer.currentIndex(), 0);
    }

    void noVisiblePrinter_data()
    {
        QTest::addColumn<bool>("anyHidden");
        QTest::addColumn<PrinterOperation>("operation");
        const std::pair<const char*, PrinterOperation> operations[] = {
            {"printerNames", [](PrinterChoice& p) { p.printerNames(); }},
            {"currentIndex", [](PrinterChoice& p) { p.currentIndex(); }},
            {"setCurrentIndex(0)", [](PrinterChoice& p) { p.setCurrentIndex(0); }},
            {"setCurrentIndex(-1)", [](PrinterChoice& p) { p.setCurrentIndex(-1); }},
            {"paperNames", [](PrinterChoice& p) { p.paperNames(); }},
            {"paperIndex", [](PrinterChoice& p) { p.paperIndex(); }},
            {"paperCode", [](PrinterChoice& p) { p.paperCode(); }},
            {"binNames", [](PrinterChoice& p) { p.binNames(); }},
            {"binIndex", [](PrinterChoice& p) { p.binIndex(); }},
            {"binCode", [](PrinterChoice& p) { p.binCode(); }},
            {"resolution", [](PrinterChoice& p) { p.resolution(); }},
            {"scale", [](PrinterChoice& p) { p.scale(); }},
            {"hasScale", [](PrinterChoice& p) { p.hasScale(); }},
            {"printResolution", [](PrinterChoice& p) { p.printResolution(); }},
            {"refresh", [](PrinterChoice& p) { p.refresh(); }},
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
        PrinterChoice printer(fake);
        EXPECT_PRINTER_ERROR(operation(printer), "NoPrinter", "TPvPrinter.CheckNoPrinter: No Printer");
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
        // A trailing star marks a hidden printer. No ports, so that only the printers can differ.
        auto build = [](const QStringList& names) {
            FakePrintSystem fake;
            for (QString n : names) {
                const bool hidden = n.endsWith('*');
                FakePrintSystem::Printer p = FakePrintSystem::printer(n.remove('*'), hidden);
                p.destination.port.clear();
                fake.addPrinter(p);
            }
            return fake;
        };
        FakePrintSystem fake = build(before);
        PrinterChoice printer(fake);
        fake = build(after);
        QSignalSpy spy(&printer, &PrinterChoice::changed);
        printer.checkForChanges();
        QCOMPARE(spy.isEmpty(), equal);
    }
};

QTEST_GUILESS_MAIN(TestPrinterChoiceCatalogue)
#include "test_printerchoice_catalogue.moc"
