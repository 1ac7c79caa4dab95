// SPDX-License-Identifier: GPL-3.0-or-later
// The one way every print goes: the job lands on the slip type's printer, the printer the entry
// window had stays current, and only a job the print system accepted is announced.

#include "support/fakeprintsystem.h"

#include "platform/print/printerchoice.h"
#include "platform/print/printererror.h"
#include "platform/print/slipjobs.h"
#include "platform/store/history.h"
#include "platform/store/trackingstacks.h"
#include "rules/errors.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using rova::print::FakePrintSystem;
using rova::print::PrintedJob;
using rova::print::SlipJobs;

Q_DECLARE_METATYPE(rova::print::PrintedJob)

class TestSlipJobs : public QObject
{
    Q_OBJECT
    std::unique_ptr<FakePrintSystem> m_fake;
    std::unique_ptr<rova::print::PrinterChoice> m_printers;
    std::unique_ptr<SlipJobs> m_jobs;

    static rova::slip::PrintSettings on(const QString& index)
    {
        rova::slip::PrintSettings settings;
        settings.printerIndex = index;
        settings.top = QStringLiteral("5");
        settings.left = QStringLiteral("-3");
        return settings;
    }
    static rova::slip::PrintSettings registered(const QString& name, const QString& index)
    {
        rova::slip::PrintSettings settings = on(index);
        settings.printerName = name;
        return settings;
    }
    // The printers the system lists from now on, in this order; the model reads them at once.
    void listPrinters(const QStringList& names)
    {
        for (const rova::print::Destination& d : m_fake->destinations())
            m_fake->removePrinter(d.name);
        for (const QString& name : names)
            m_fake->addPrinter(FakePrintSystem::printer(name));
        m_printers->checkForChanges();
    }
    static QList<rova::slip::SlipValues> slips(int count)
    {
        QList<rova::slip::SlipValues> list;
        for (int i = 0; i < count; ++i) {
            rova::slip::SlipValues s;
            s.name = QStringLiteral("見本%1").arg(i);
            s.slipType = QStringLiteral("発払　着払(手差し)");
            list << s;
        }
        return list;
    }

private slots:
    void init()
    {
        m_fake = std::make_unique<FakePrintSystem>();
        m_fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        FakePrintSystem::Printer beta = FakePrintSystem::printer(QStringLiteral("Beta"));
        beta.capabilities.defaults.resolution = QPoint(300, 300);
        m_fake->addPrinter(beta);
        m_fake->setDefault(0);
        m_printers = std::make_unique<rova::print::PrinterChoice>(*m_fake);
        m_jobs = std::make_unique<SlipJobs>(*m_printers);
        m_printers->setCurrentIndex(0);
    }

    void acceptedJobIsAnnouncedAndTheWindowsPrinterStays()
    {
        rova::print::DeviceMode chosen = m_printers->deviceMode();
        chosen.paper = 13; // B5, as the setup dialog may have chosen
        m_printers->setDeviceMode(chosen);
        QSignalSpy printed(m_jobs.get(), &SlipJobs::printed);
        m_jobs->print(slips(3), on(QStringLiteral("1")));
        QCOMPARE(m_fake->jobs().size(), 1);
        QCOMPARE(m_fake->jobs()[0].destination, QStringLiteral("Beta"));
        QCOMPARE(m_fake->jobs()[0].pages, 3);
        QCOMPARE(printed.size(), 1);
        const auto job = printed[0][0].value<PrintedJob>();
        QCOMPARE(job.printer, QStringLiteral("Beta"));
        QCOMPARE(job.slips.size(), 3);
        QCOMPARE(job.settings.resolution, QPoint(300, 300));
        QCOMPARE(job.settings.top, QStringLiteral("5"));
        QVERIFY(job.acceptedAt.isValid());
        QCOMPARE(m_printers->currentIndex(), 0);
        QCOMPARE(m_printers->deviceMode().paper, std::optional<int>(13));
    }

    void failedJobIsNotAnnounced_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("failBegin");
        QTest::addColumn<QString>("failEnd");
        QTest::addColumn<QString>("margin");
        QTest::newRow("refused by the print system") << "1"
                                                     << ""
                                                     << "refused"
                                                     << "5";
        QTest::newRow("cannot be started") << "1"
                                           << "no such queue"
                                           << ""
                                           << "5";
        QTest::newRow("margin that is no whole number") << "0"
                                                        << ""
                                                        << ""
                                                        << "1.5";
        QTest::newRow("printer number that is no whole number") << "x"
                                                                << ""
                                                                << ""
                                                                << "5";
    }
    void failedJobIsNotAnnounced()
    {
        QFETCH(QString, index);
        QFETCH(QString, failBegin);
        QFETCH(QString, failEnd);
        QFETCH(QString, margin);
        m_fake->failBegin(failBegin);
        m_fake->failEnd(failEnd);
        rova::slip::PrintSettings settings = on(index);
        settings.top = margin;
        QSignalSpy printed(m_jobs.get(), &SlipJobs::printed);
        QVERIFY_THROWS_EXCEPTION(rova::Error, m_jobs->print(slips(2), settings));
        QCOMPARE(printed.size(), 0);
        QCOMPARE(m_printers->currentIndex(), 0);
    }

    void registeredPrinterOrNone_data()
    {
        QTest::addColumn<QStringList>("printersNow");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("printedOn"); // empty: refused, naming the printer
        QTest::newRow("same printer at its number") << QStringList{"Alpha", "Beta"} << "Beta"
                                                    << "1"
                                                    << "Beta";
        QTest::newRow("queue moved: found by its name") << QStringList{"Beta", "Gamma", "Alpha"} << "Alpha"
                                                        << "0"
                                                        << "Alpha";
        QTest::newRow("queue removed: never the printer now at its number")
            << QStringList{"Alpha", "Gamma"} << "Beta"
            << "1"
            << "";
        QTest::newRow("queue renamed: refused") << QStringList{"Alpha", "Beta-2"} << "Beta"
                                                << "1"
                                                << "";
        QTest::newRow("old file without a name: by number") << QStringList{"Alpha", "Beta"} << ""
                                                            << "1"
                                                            << "Beta";
        QTest::newRow("old file, number past the list: refused") << QStringList{"Alpha"} << ""
                                                                 << "1"
                                                                 << "";
    }
    void registeredPrinterOrNone()
    {
        QFETCH(QStringList, printersNow);
        QFETCH(QString, name);
        QFETCH(QString, index);
        QFETCH(QString, printedOn);
        listPrinters(printersNow);
        QSignalSpy printed(m_jobs.get(), &SlipJobs::printed);
        if (printedOn.isEmpty()) {
            const QString shown = name.isEmpty() ? index + QStringLiteral("番") : name;
            try {
                m_jobs->print(slips(1), registered(name, index));
                QFAIL("printed on a printer that is not the registered one");
            } catch (const rova::print::PrinterError& e) {
                QCOMPARE(e.message(),
                         QStringLiteral("登録されたプリンタ %1 が見つかりません。"
                                        "プリンタを登録し直してください\n用紙選択: 発払　着払(手差し)")
                             .arg(shown));
            }
            QVERIFY(m_fake->jobs().isEmpty());
            QCOMPARE(printed.size(), 0);
            return;
        }
        m_jobs->print(slips(1), registered(name, index));
        QCOMPARE(m_fake->jobs().size(), 1);
        QCOMPARE(m_fake->jobs()[0].destination, printedOn);
    }

    void unreachableServerPrintsNothingUntilItAnswers_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("server down at start") << true;
        QTest::newRow("server stopped later") << false;
    }
    void unreachableServerPrintsNothingUntilItAnswers()
    {
        QFETCH(bool, atStart);
        m_fake->setUnreachable(QStringLiteral("Connection refused"));
        if (atStart) {
            m_jobs.reset();
            m_printers = std::make_unique<rova::print::PrinterChoice>(*m_fake);
            m_jobs = std::make_unique<SlipJobs>(*m_printers);
        } else {
            m_printers->checkForChanges();
        }
        QVERIFY(!m_printers->reachable());
        try {
            m_jobs->print(slips(1), registered(QStringLiteral("Beta"), QStringLiteral("1")));
            QFAIL("printed without a print server");
        } catch (const rova::print::PrinterError& e) {
            QCOMPARE(e.message(), QStringLiteral("印刷サーバーに接続できません: /run/cups/cups.sock\n"
                                                 "CUPS が動いていないか、接続できません\n"
                                                 "CUPS を起動してから、もう一度操作してください\n"
                                                 "(Connection refused)"));
        }
        QVERIFY(m_fake->jobs().isEmpty());

        // Back again: the next print reads the list afresh and finds the registered printer.
        m_fake->setUnreachable(QString());
        m_jobs->print(slips(1), registered(QStringLiteral("Beta"), QStringLiteral("1")));
        QCOMPARE(m_fake->jobs().size(), 1);
        QCOMPARE(m_fake->jobs()[0].destination, QStringLiteral("Beta"));
    }

    // Two stations sharing one history registered stacks that overlap: the other station's slip on
    // 4444-1375-8714 stops a job whose forms would carry that number, before anything prints.
    void numberGivenBeforeIsRefused_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the job's second form") << "444413758703" << true;
        QTest::newRow("the job's first form") << "444413758714" << true;
        QTest::newRow("past it") << "444413758725" << false;
    }
    void numberGivenBeforeIsRefused()
    {
        QFETCH(QString, next);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        rova::store::History history(rova::store::Location(folder.path(), {}, QStringLiteral("梱包2")));
        rova::store::HistoryEntry other;
        other.printedAt = QDateTime(QDate(2026, 12, 9), QTime(14, 5));
        other.slip.name = QStringLiteral("山田　太郎");
        other.trackingNumber = QStringLiteral("444413758714");
        history.record(other);
        const QString type = slips(1).first().slipType;
        rova::store::TrackingStacks(folder.path()).setNext(type, next);
        SlipJobs jobs(*m_printers, folder.path());
        jobs.setNumbersGiven([&history](const QStringList& numbers) { return history.carrying(numbers); });
        QSignalSpy printed(&jobs, &SlipJobs::printed);

        QString message;
        try {
            jobs.print(slips(3), on(QStringLiteral("1")));
        } catch (const rova::Error& e) {
            message = e.message();
        }
        QCOMPARE(m_fake->jobs().isEmpty(), refused);
        QCOMPARE(printed.size(), refused ? 0 : 1);
        if (refused) {
            QVERIFY2(
                message.startsWith(QStringLiteral("伝票番号 4444-1375-8714 は、梱包2 が 2026/12/09 14:05 に"
                                                  "印刷した 山田　太郎 様の送り状に付いています。")),
                qPrintable(message));
            QCOMPARE(rova::store::TrackingStacks(folder.path()).next(type), next);
        } else {
            QVERIFY2(message.isEmpty(), qPrintable(message));
            QCOMPARE(printed[0][0].value<PrintedJob>().numbers.first(), next);
        }
    }

    void nothingToPrintIsNoJob()
    {
        QSignalSpy printed(m_jobs.get(), &SlipJobs::printed);
        m_jobs->print({}, on(QStringLiteral("1")));
        QVERIFY(m_fake->jobs().isEmpty());
        QCOMPARE(printed.size(), 0);
    }
};

QTEST_MAIN(TestSlipJobs)
#include "test_slipjobs.moc"
