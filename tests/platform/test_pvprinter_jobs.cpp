// One-page jobs on the current printer: what reaches the print system, and failures on the way.

#include "platform/test_pvprinter_fixture.h"

using State = FakePrintSystem::JobRecord::State;

class TestPvPrinterJobs : public QObject
{
    Q_OBJECT
private slots:
    void pageReachesCurrentPrinter()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.SetIndex(1);
        printer.BeginDoc(QStringLiteral("rova_Yamato"));
        rova::print::Canvas& canvas = printer.GetCanvas();
        canvas.setTextColor(Qt::black);
        canvas.setBrush(Qt::white);
        canvas.setFont(QStringLiteral("ＭＳ Ｐ明朝"), 12, true);
        canvas.textOut(150, 240, QStringLiteral("東京都"));
        canvas.setFont(QStringLiteral("Lucida Sans Unicode"), 10, false);
        canvas.textOut(0, 0, QStringLiteral("1000001"));
        printer.EndDoc();

        QCOMPARE(fake->jobs().size(), 1);
        const FakePrintSystem::JobRecord& job = fake->jobs().first();
        QCOMPARE(job.title, QStringLiteral("rova_Yamato"));
        QCOMPARE(job.destination, QStringLiteral("Gamma"));
        QCOMPARE(job.mode.paper, std::optional<int>(21));
        QCOMPARE(job.mode.bin, std::optional<int>(4));
        QCOMPARE(job.state, State::Ended);
        QCOMPARE(job.texts.size(), 2);
        QCOMPARE(job.texts[0].text, QStringLiteral("東京都"));
        QCOMPARE(job.texts[0].family, QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(job.texts[0].pointSize, 12);
        QVERIFY(job.texts[0].bold);
        QCOMPARE(job.texts[0].position, QPoint(150, 240));
        QCOMPARE(job.texts[0].brush, QColor(Qt::white));
        QCOMPARE(job.texts[1].family, QStringLiteral("Lucida Sans Unicode"));
        QVERIFY(!job.texts[1].bold);
        QCOMPARE(job.texts[1].position, QPoint(0, 0));
    }

    void jobUsesSettingsChosenForPrinter()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        chooseSettings(printer, 13, 4);
        printer.BeginDoc(QStringLiteral("rova_Yamato"));
        printer.EndDoc();
        QCOMPARE(fake->jobs().first().destination, QStringLiteral("Alpha"));
        QCOMPARE(fake->jobs().first().mode.paper, std::optional<int>(13));
        QCOMPARE(fake->jobs().first().mode.bin, std::optional<int>(4));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("beginFailure");
        QTest::addColumn<QString>("endFailure");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<int>("finalState");
        QTest::newRow("refused at begin: no job, message passed on")
            << "Printer \"Alpha\" is not accepting jobs."
            << "" << 0 << -1;
        QTest::newRow("refused at end: the page is not reported as printed")
            << ""
            << "The printer is stopped." << 1 << int(State::Discarded);
    }
    void failures()
    {
        QFETCH(QString, beginFailure);
        QFETCH(QString, endFailure);
        QFETCH(int, jobs);
        QFETCH(int, finalState);
        auto fake = alphaBetaGamma();
        fake->failBegin(beginFailure);
        fake->failEnd(endFailure);
        TPvPrinter printer(fake.get());
        try {
            printer.BeginDoc(QStringLiteral("rova_Yamato"));
            printer.GetCanvas().textOut(10, 10, QStringLiteral("x"));
            printer.EndDoc();
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), beginFailure + endFailure);
            printer.Abort();
        }
        QCOMPARE(fake->jobs().size(), jobs);
        if (jobs)
            QCOMPARE(int(fake->jobs().first().state), finalState);

        // The next job is not hindered by the failed one.
        fake->failBegin({});
        fake->failEnd({});
        printer.BeginDoc(QStringLiteral("rova_Yamato"));
        printer.EndDoc();
        QCOMPARE(fake->jobs().last().state, State::Ended);
    }

    void abortDiscardsPage()
    {
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        printer.BeginDoc(QStringLiteral("rova_Yamato"));
        printer.GetCanvas().textOut(1, 2, QStringLiteral("品名"));
        printer.Abort();
        QCOMPARE(fake->jobs().first().state, State::Aborted);
        printer.Abort();
        QCOMPARE(fake->jobs().size(), 1);
    }

    void outOfJobUse_data()
    {
        QTest::addColumn<PrinterOperation>("operation");
        QTest::addColumn<QString>("message");
        QTest::newRow("canvas without a job")
            << PrinterOperation([](TPvPrinter& p) { p.GetCanvas(); }) << "Printer is not currently printing";
        QTest::newRow("end without a job")
            << PrinterOperation([](TPvPrinter& p) { p.EndDoc(); }) << "Printer is not currently printing";
        QTest::newRow("second begin while printing") << PrinterOperation([](TPvPrinter& p) {
            p.BeginDoc(QStringLiteral("rova_Yamato"));
            p.BeginDoc(QStringLiteral("rova_Yamato"));
        }) << "Printing in progress";
    }
    void outOfJobUse()
    {
        QFETCH(PrinterOperation, operation);
        QFETCH(QString, message);
        auto fake = alphaBetaGamma();
        TPvPrinter printer(fake.get());
        try {
            operation(printer);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestPvPrinterJobs)
#include "test_pvprinter_jobs.moc"
