// SPDX-License-Identifier: GPL-3.0-or-later
// A slip printed from its values alone, with no window, draws exactly what F11 draws for the same
// slip filled into the entry window: every slip type, at 300, 600 and 631 dpi.

#include "support/controls.h"
#include "support/fakeprintsystem.h"
#include "support/mainwindowfixture.h"
#include "support/sampleslip.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/printerchoice.h"
#include "platform/print/slipprint.h"
#include "rules/slip/sliplayout.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"

#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;

namespace
{

struct Resolution {
    const char* printer;
    int dpi;
    std::optional<int> scale;
};
const Resolution kPrinters[] = {{"P300", 300, {}}, {"P600", 600, {}}, {"P631", 600, 95}};

// Everything the fake recorded of one drawn text, as one comparable line.
QStringList drawList(const FakePrintSystem::JobRecord& job)
{
    QStringList lines;
    for (const FakePrintSystem::DrawnText& t : job.texts)
        lines << QStringLiteral("%1|%2|%3|%4|%5,%6|%7|%8|%9")
                     .arg(t.text, t.family)
                     .arg(t.pointSize)
                     .arg(t.bold)
                     .arg(t.position.x())
                     .arg(t.position.y())
                     .arg(t.color.name(), t.brush.name())
                     .arg(t.page);
    return lines;
}

} // namespace

class TestPrintWithoutWindow : public QObject
{
    Q_OBJECT
    FakePrintSystem* m_fake = nullptr;
    std::unique_ptr<MainWindowFixture> m_window;

private slots:
    void initTestCase()
    {
        Dialogs::setScripted(true);
        auto fake = std::make_unique<FakePrintSystem>();
        for (const Resolution& r : kPrinters) {
            FakePrintSystem::Printer p = FakePrintSystem::printer(r.printer);
            p.capabilities.defaults.resolution = QPoint(r.dpi, r.dpi);
            p.capabilities.defaults.scale = r.scale;
            fake->addPrinter(p);
        }
        fake->setDefault(0);
        m_fake = testprinters::installFake(std::move(fake));
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void sameDrawListAsF11_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("printer");
        for (int type = 0; type < 6; ++type)
            for (int printer = 0; printer < 3; ++printer)
                QTest::addRow("%s on %s", qPrintable(rova::slip::slipTypes()[type]),
                              kPrinters[printer].printer)
                    << type << printer;
    }
    void sameDrawListAsF11()
    {
        QFETCH(int, type);
        QFETCH(int, printer);
        const QString top = QStringLiteral("25"), left = QStringLiteral("-40");
        slipcheck::writeAssignments(m_window->folder(),
                                    {{rova::slip::slipTypes()[type], kPrinters[printer].printer,
                                      QString::number(printer), top, left}});
        m_window->chooseSlipType(type);
        m_window->fill();
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        m_window->clickPrint();
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(Dialogs::takeShown().size(), 1); // the question, no error
        const FakePrintSystem::JobRecord fromWindow = m_fake->jobs().last();

        // No window: the values and settings as plain data, a printer model of its own.
        rova::print::PrinterChoice printers(*m_fake);
        printers.setCurrentIndex(printer);
        rova::slip::PrintSettings settings;
        settings.printerIndex = QString::number(printer);
        settings.top = top;
        settings.left = left;
        rova::print::printSlip(rova::test::sampleSlip(type), settings, printers);
        const FakePrintSystem::JobRecord& alone = m_fake->jobs().last();

        QCOMPARE(alone.destination, fromWindow.destination);
        QCOMPARE(alone.state, FakePrintSystem::JobRecord::State::Ended);
        QVERIFY(!drawList(alone).isEmpty());
        QCOMPARE(drawList(alone), drawList(fromWindow));
    }
};

QTEST_MAIN(TestPrintWithoutWindow)
#include "test_printwithoutwindow.moc"
