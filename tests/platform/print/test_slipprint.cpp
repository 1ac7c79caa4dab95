// SPDX-License-Identifier: GPL-3.0-or-later
// Slips printed on the current printer: one job, one page per slip in order, with the printer's
// settings and print resolution, and failures on the way.

#include "platform/print/slipprint.h"
#include "rules/slip/devicemapping.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprinters.h"

using State = FakePrintSystem::JobRecord::State;
using rova::slip::PrintSettings;
using rova::slip::SlipValues;

namespace
{

SlipValues slip(const QString& name, const QString& zip)
{
    SlipValues values;
    values.slipType = rova::slip::slipTypes().first();
    values.name = name;
    values.zip = zip;
    return values;
}

PrintSettings margins(const QString& top, const QString& left)
{
    PrintSettings settings;
    settings.top = top;
    settings.left = left;
    return settings;
}

// Where the slip's items land at the resolution and margins, as the job must hold them.
QList<QPoint> landing(const SlipValues& values, QPoint dpi, int top, int left)
{
    QList<QPoint> points;
    const rova::slip::DeviceMapping mapping{rova::slip::scaleFactor(dpi.x()),
                                            rova::slip::scaleFactor(dpi.y()), top, left};
    for (const rova::slip::TextItem& item : rova::slip::toDevice(rova::slip::layoutItems(values), mapping))
        points << QPoint(item.x, item.y);
    return points;
}

QList<QPoint> drawnPoints(const FakePrintSystem::JobRecord& job, int page)
{
    QList<QPoint> points;
    for (const FakePrintSystem::DrawnText& t : job.texts)
        if (t.page == page)
            points << t.position;
    return points;
}

} // namespace

class TestSlipPrint : public QObject
{
    Q_OBJECT
private slots:
    void slipsReachCurrentPrinter_data()
    {
        QTest::addColumn<int>("slips");
        QTest::addColumn<std::optional<int>>("scale");
        QTest::addColumn<QPoint>("printDpi");
        QTest::newRow("one slip at 600 dpi") << 1 << std::optional<int>() << QPoint(600, 600);
        QTest::newRow("three slips, one page each, in order")
            << 3 << std::optional<int>() << QPoint(600, 600);
        QTest::newRow("scale 95 lays out at 631 dpi") << 2 << std::optional<int>(95) << QPoint(631, 631);
    }
    void slipsReachCurrentPrinter()
    {
        QFETCH(int, slips);
        QFETCH(std::optional<int>, scale);
        QFETCH(QPoint, printDpi);
        auto fake = alphaBetaGamma();
        fake->printerNamed(QStringLiteral("Gamma")).capabilities.defaults.scale = scale;
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(1);
        QList<SlipValues> list;
        for (int i = 0; i < slips; ++i)
            list << slip(QStringLiteral("客%1").arg(i), QStringLiteral("10%1-0001").arg(i));
        rova::print::printSlips(list, margins("12", "-3"), printer);

        QCOMPARE(fake->jobs().size(), 1);
        const FakePrintSystem::JobRecord& job = fake->jobs().first();
        QCOMPARE(job.title, QStringLiteral("rova_Yamato"));
        QCOMPARE(job.destination, QStringLiteral("Gamma"));
        QCOMPARE(job.mode.paper, std::optional<int>(21));
        QCOMPARE(job.mode.bin, std::optional<int>(4));
        QCOMPARE(job.state, State::Ended);
        QCOMPARE(job.pages, slips);
        for (int page = 0; page < slips; ++page) {
            QCOMPARE(drawnPoints(job, page), landing(list[page], printDpi, 12, -3));
            const auto name = std::find_if(job.texts.begin(), job.texts.end(), [&](const auto& t) {
                return t.page == page && t.text.startsWith(QStringLiteral("客"));
            });
            QVERIFY(name != job.texts.end());
            QCOMPARE(name->text, list[page].name);
        }
    }

    void emptyListPrintsNothing()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        rova::print::printSlips({}, margins("0", "0"), printer);
        QVERIFY(fake->jobs().isEmpty());
    }

    void jobUsesSettingsChosenForPrinter()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        chooseSettings(printer, 13, 4);
        rova::print::printSlip(slip("x", "1"), margins("0", "0"), printer);
        QCOMPARE(fake->jobs().first().destination, QStringLiteral("Alpha"));
        QCOMPARE(fake->jobs().first().mode.paper, std::optional<int>(13));
        QCOMPARE(fake->jobs().first().mode.bin, std::optional<int>(4));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("slips");
        QTest::addColumn<QString>("beginFailure");
        QTest::addColumn<QString>("endFailure");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<int>("finalState");
        QTest::newRow("refused at begin: no job, message passed on")
            << "0" << 1 << "Printer \"Alpha\" is not accepting jobs."
            << ""
            << "Printer \"Alpha\" is not accepting jobs." << 0 << -1;
        QTest::newRow("refused at end: the page is not reported as printed")
            << "0" << 1 << ""
            << "The printer is stopped."
            << "The printer is stopped." << 1 << int(State::Discarded);
        QTest::newRow("margin that is no number: aborted before anything is drawn")
            << "1.5" << 1 << ""
            << ""
            << "'1.5' is not a valid integer value" << 1 << int(State::Aborted);
        QTest::newRow("margin that is no number in a batch: nothing of it printed")
            << "x" << 3 << ""
            << ""
            << "'x' is not a valid integer value" << 1 << int(State::Aborted);
    }
    void failures()
    {
        QFETCH(QString, top);
        QFETCH(int, slips);
        QFETCH(QString, beginFailure);
        QFETCH(QString, endFailure);
        QFETCH(QString, message);
        QFETCH(int, jobs);
        QFETCH(int, finalState);
        auto fake = alphaBetaGamma();
        fake->failBegin(beginFailure);
        fake->failEnd(endFailure);
        PrinterChoice printer(*fake);
        try {
            rova::print::printSlips(QList<SlipValues>(slips, slip("x", "1")), margins(top, "0"), printer);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(fake->jobs().size(), jobs);
        if (jobs) {
            QCOMPARE(int(fake->jobs().first().state), finalState);
            if (finalState == int(State::Aborted))
                QVERIFY(fake->jobs().first().texts.isEmpty());
        }

        // The next job is not hindered by the failed one.
        fake->failBegin({});
        fake->failEnd({});
        rova::print::printSlip(slip("x", "1"), margins("0", "0"), printer);
        QCOMPARE(fake->jobs().last().state, State::Ended);
    }

    void noPrinterIsReportedBeforeAnyJob()
    {
        FakePrintSystem fake;
        PrinterChoice printer(fake);
        EXPECT_PRINTER_ERROR(rova::print::printSlip(slip("x", "1"), margins("0", "0"), printer), "NoPrinter",
                             "TPvPrinter.CheckNoPrinter: No Printer");
        QVERIFY(fake.jobs().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSlipPrint)
#include "test_slipprint.moc"
