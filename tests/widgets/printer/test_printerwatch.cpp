// SPDX-License-Identifier: GPL-3.0-or-later
// The printer model looks for changed printers when the application becomes active.

#include "platform/print/printerchoice.h"
#include "support/fakeprintsystem.h"
#include "widgets/printer/printerwatch.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using rova::print::FakePrintSystem;
using rova::print::PrinterChoice;

class TestPrinterWatch : public QObject
{
    Q_OBJECT
private slots:
    void applicationBecomingActiveChecks()
    {
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        PrinterChoice printer(fake);
        rova::checkPrintersOnActivation(printer);
        printer.checkForChanges();
        QSignalSpy spy(&printer, &PrinterChoice::changed);
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Delta")));
        QWidget window;
        window.show();
        window.activateWindow();
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(printer.printerNames().last(), QStringLiteral("Delta"));
    }
};

QTEST_MAIN(TestPrinterWatch)
#include "test_printerwatch.moc"
