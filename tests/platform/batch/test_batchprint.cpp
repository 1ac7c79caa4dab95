// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the batch list: which rows go into which job, and what a refused job in the middle of a
// batch leaves: the rows before it printed, its rows refused with the reason, the rest untouched.

#include "support/fakeprintsystem.h"
#include "support/privatepostgrestest.h"
#include "support/storeengines.h"

#include "platform/batch/batchimport.h"
#include "platform/batch/batchprint.h"
#include "platform/print/printerchoice.h"
#include "platform/store/database.h"
#include "platform/store/trackingstacks.h"
#include "rules/errors.h"
#include "rules/files/programsettings.h"

#include <QTemporaryDir>
#include <QTest>

using rova::batch::BatchJob;
using rova::print::FakePrintSystem;
using rova::store::BatchRow;
using rova::store::BatchStatus;

namespace
{
// Slip types "A" and "C" print on printer 0, "B" on printer 1; "D" on printer 0 with other margins.
rova::slip::PrintSettings settingsOf(const QString& type)
{
    rova::slip::PrintSettings s;
    s.printerIndex = type == QLatin1String("B") ? QStringLiteral("1") : QStringLiteral("0");
    s.top = type == QLatin1String("D") ? QStringLiteral("9") : QStringLiteral("0");
    s.left = QStringLiteral("0");
    return s;
}

// "A", "B+", "A!p", "C-": slip type, then + marked, - unticked, p printed, r refused.
BatchRow row(qint64 id, const QString& code)
{
    BatchRow r;
    r.id = id;
    r.slip.slipType = code.left(1);
    r.slip.name = QStringLiteral("見本%1").arg(id);
    r.ticked = !code.contains(u'-');
    if (code.contains(u'+'))
        r.marks = {{QStringLiteral("zip"), QStringLiteral("郵便番号")}};
    if (code.contains(u'p'))
        r.status = BatchStatus::Printed;
    if (code.contains(u'r'))
        r.status = BatchStatus::Refused;
    return r;
}

QList<BatchRow> rows(const QStringList& codes)
{
    QList<BatchRow> list;
    for (qsizetype i = 0; i < codes.size(); ++i)
        list << row(i + 1, codes[i]);
    return list;
}

// Each job as its ids, "1 3|2".
QString jobIds(const QList<BatchJob>& jobs)
{
    QStringList out;
    for (const BatchJob& job : jobs) {
        QStringList ids;
        for (qint64 id : job.ids)
            ids << QString::number(id);
        out << ids.join(u' ');
    }
    return out.join(u'|');
}

rova::store::Location atStation(rova::store::Location store, const QString& name)
{
    store.station = name;
    return store;
}

// Two stations plan their print of one list at once; the second prints all of its jobs once the
// first has sent its first part, and the first goes on. Their outcomes, the first's first.
std::pair<rova::batch::BatchOutcome, rova::batch::BatchOutcome>
secondStartsAfterFirstPart(FakePrintSystem& fake, rova::store::BatchList& first,
                           rova::store::BatchList& second)
{
    const QList<BatchJob> firstJobs = rova::batch::planJobs(first.rows(), settingsOf, false);
    const QList<BatchJob> secondJobs = rova::batch::planJobs(second.rows(), settingsOf, false);
    rova::print::PrinterChoice printers(fake);
    rova::print::SlipJobs firstService(printers);
    rova::print::SlipJobs secondService(printers);
    rova::batch::BatchOutcome secondOutcome;
    const rova::batch::BatchOutcome firstOutcome =
        rova::batch::printJobs(firstJobs, firstService, first, [&](int done, int) {
            if (done > 0 && secondOutcome.total == 0)
                secondOutcome =
                    rova::batch::printJobs(secondJobs, secondService, second, [](int, int) { return true; });
            return true;
        });
    return {firstOutcome, secondOutcome};
}
} // namespace

class TestBatchPrint : public QObject
{
    Q_OBJECT
    rova::test::StoreEngines m_engines;

private slots:
    void planJobs_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<bool>("includeMarked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one printer, list order") << QStringList{"A", "C", "A"} << false << "1 2 3";
        QTest::newRow("printers in the order of their first row")
            << QStringList{"B", "A", "B", "C"} << false << "1 3|2 4";
        QTest::newRow("same printer, other margins: a job of its own")
            << QStringList{"A", "D", "A"} << false << "1 3|2";
        QTest::newRow("unticked and printed rows stay out") << QStringList{"A-", "Ap", "A"} << false << "3";
        QTest::newRow("a refused row is printed again") << QStringList{"Ar"} << false << "1";
        QTest::newRow("marked rows only when asked") << QStringList{"A+", "A"} << false << "2";
        QTest::newRow("marked rows taken") << QStringList{"A+", "A"} << true << "1 2";
        QTest::newRow("nothing to print") << QStringList{"A-", "Bp"} << true << "";
    }
    void planJobs()
    {
        QFETCH(QStringList, codes);
        QFETCH(bool, includeMarked);
        QFETCH(QString, expected);
        QCOMPARE(jobIds(rova::batch::planJobs(rows(codes), settingsOf, includeMarked)), expected);
    }

    void refusedJobInTheMiddleStopsAndLosesNothing()
    {
        QTemporaryDir dir;
        rova::store::BatchList list(dir.path());
        QList<BatchRow> incoming = rows({"A", "B", "A", "C"});
        incoming.append(row(5, "B"));
        const QList<qint64> ids = list.add(incoming);
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Gamma")));
        fake.setDefault(0);
        rova::print::PrinterChoice printers(fake);
        rova::print::SlipJobs service(printers);
        const auto settings = [](const QString& type) {
            rova::slip::PrintSettings s = settingsOf(type);
            if (type == QLatin1String("C"))
                s.printerIndex = QStringLiteral("2");
            return s;
        };
        const QList<BatchJob> jobs = rova::batch::planJobs(list.rows(), settings, false);
        QCOMPARE(jobIds(jobs),
                 QString("%1 %2|%3 %4|%5").arg(ids[0]).arg(ids[2]).arg(ids[1]).arg(ids[4]).arg(ids[3]));
        QList<int> asked;
        const rova::batch::BatchOutcome outcome =
            rova::batch::printJobs(jobs, service, list, [&](int done, int total) {
                asked << done;
                if (asked.size() == 2)
                    fake.failBegin(QStringLiteral("プリンタが止まっています"));
                return total == 5;
            });
        QCOMPARE(asked, (QList<int>{0, 2}));
        QCOMPARE(outcome.printed, 2);
        QCOMPARE(outcome.total, 5);
        QCOMPARE(outcome.refusal.contains(QStringLiteral("プリンタが止まっています")), true);
        QVERIFY(!outcome.allAccepted());
        const QList<BatchRow> after = list.rows();
        QCOMPARE(after.size(), 5);
        const QList<BatchStatus> statuses{after[0].status, after[1].status, after[2].status, after[3].status,
                                          after[4].status};
        QCOMPARE(statuses,
                 (QList<BatchStatus>{BatchStatus::Printed, BatchStatus::Refused, BatchStatus::Printed,
                                     BatchStatus::New, BatchStatus::Refused}));
        QVERIFY(after[1].refusal.contains(QStringLiteral("プリンタが止まっています")));
        QCOMPARE(after[1].claimedBy, QString()); // given back for the next try
    }

    void twoStationsPrintEachRowOnce_data() { rova::test::StoreEngines::addRows(); }
    // Two stations print one list at the same time, the second between the first one's jobs; a row
    // a third station holds is left to it, one a station that died held is printed.
    void twoStationsPrintEachRowOnce()
    {
        QFETCH(bool, onServer);
        QTemporaryDir dir;
        QString why;
        std::optional<rova::store::Location> store = m_engines.fresh(onServer, dir.path(), &why);
        if (!store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const auto station = [&](const QString& name) { return atStation(*store, name); };
        rova::store::BatchList first(station(QStringLiteral("梱包1")));
        rova::store::BatchList second(station(QStringLiteral("梱包2")));
        // Jobs on printer 0: rows 1 3 5 6; on printer 1: rows 2 4.
        const QList<qint64> ids = first.add(rows({"A", "B", "A", "B", "A", "A"}));
        rova::store::BatchList(station(QStringLiteral("梱包3"))).claim({ids[5]});
        rova::store::BatchList(station(QStringLiteral("梱包9"))).claim({ids[4]});
        rova::store::Database(*store).exec(
            QStringLiteral("UPDATE batch_rows SET claimed_at = claimed_at - %1 WHERE id = %2")
                .arg(std::chrono::milliseconds(rova::store::kClaimLifetime).count() + 1000)
                .arg(ids[4]));
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta")));
        fake.setDefault(0);
        const auto [firstOutcome, secondOutcome] = secondStartsAfterFirstPart(fake, first, second);

        QCOMPARE(firstOutcome.printed, 3);
        QCOMPARE(firstOutcome.taken, 3);
        QVERIFY(firstOutcome.allAccepted());
        QCOMPARE(secondOutcome.printed, 2);
        QCOMPARE(secondOutcome.taken, 4);
        QVERIFY(secondOutcome.allAccepted());
        QCOMPARE(firstOutcome.takenText(),
                 QStringLiteral("3 枚は他の端末が印刷中か印刷済みのため除きました。"));
        int pages = 0;
        for (const FakePrintSystem::JobRecord& job : fake.jobs())
            pages += job.pages;
        QCOMPARE(pages, 5);
        QStringList after;
        for (const BatchRow& r : first.rows())
            after << (r.status == BatchStatus::Printed ? QStringLiteral("printed") : r.claimedBy);
        QCOMPARE(after, (QStringList{"printed", "printed", "printed", "printed", "printed", "梱包3"}));
    }

    void stationsShareALongJobPartByPart_data() { rova::test::StoreEngines::addRows(); }
    // Two stations print one long list on one printer, the second starting after the first one's
    // first part was sent: each sends the parts the other has not claimed, none twice.
    void stationsShareALongJobPartByPart()
    {
        QFETCH(bool, onServer);
        QTemporaryDir dir;
        QString why;
        std::optional<rova::store::Location> store = m_engines.fresh(onServer, dir.path(), &why);
        if (!store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        rova::store::BatchList first(atStation(*store, QStringLiteral("梱包1")));
        rova::store::BatchList second(atStation(*store, QStringLiteral("梱包2")));
        const int part = rova::batch::kSlipsPerPart;
        first.add(rows(QStringList(2 * part + part / 2, QStringLiteral("A"))));
        QCOMPARE(rova::batch::planJobs(first.rows(), settingsOf, false).size(), 1);

        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.setDefault(0);
        const auto [firstOutcome, secondOutcome] = secondStartsAfterFirstPart(fake, first, second);

        QCOMPARE(firstOutcome.printed, part);
        QCOMPARE(firstOutcome.taken, part + part / 2);
        QCOMPARE(secondOutcome.printed, part + part / 2);
        QCOMPARE(secondOutcome.taken, part);
        QList<int> pages;
        for (const FakePrintSystem::JobRecord& job : fake.jobs())
            pages << job.pages;
        QCOMPARE(pages, (QList<int>{part, part, part / 2}));
        for (const BatchRow& r : first.rows())
            QCOMPARE(r.status, BatchStatus::Printed);
    }

    void cancelStopsBetweenJobs()
    {
        QTemporaryDir dir;
        rova::store::BatchList list(dir.path());
        list.add(rows({"A", "B"}));
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta")));
        fake.setDefault(0);
        rova::print::PrinterChoice printers(fake);
        rova::print::SlipJobs service(printers);
        const auto outcome = rova::batch::printJobs(rova::batch::planJobs(list.rows(), settingsOf, false),
                                                    service, list, [](int done, int) { return done == 0; });
        QVERIFY(outcome.cancelled);
        QCOMPARE(outcome.printed, 1);
        QCOMPARE(fake.jobs().size(), 1);
        QCOMPARE(list.rows()[1].status, BatchStatus::New);
    }

    // The store fails after a job was sent: its rows are printed but cannot be marked so. The batch
    // stops there and hands them back, still held by this station, so no other prints them meanwhile.
    void storeFailingAfterAJobStopsAndHandsBackItsRows()
    {
        QTemporaryDir dir;
        rova::store::BatchList list(dir.path());
        const QList<qint64> ids = list.add(rows({"A", "B", "A"}));
        rova::store::Database(dir.path())
            .exec(
                QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF status ON batch_rows WHEN NEW.status ="
                               " 'printed' BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta")));
        fake.setDefault(0);
        rova::print::PrinterChoice printers(fake);
        rova::print::SlipJobs service(printers);
        const auto outcome = rova::batch::printJobs(rova::batch::planJobs(list.rows(), settingsOf, false),
                                                    service, list, [](int, int) { return true; });
        QCOMPARE(fake.jobs().size(), 1);
        QCOMPARE(outcome.printed, 2);
        QCOMPARE(outcome.unmarked, (QList<qint64>{ids[0], ids[2]}));
        QVERIFY2(outcome.unmarkedText().contains(QStringLiteral("disk full")),
                 qPrintable(outcome.unmarkedText()));
        QVERIFY(!outcome.allAccepted());
        const QList<BatchRow> after = list.rows();
        QVERIFY(!after[0].claimedBy.isEmpty() && !after[2].claimedBy.isEmpty());
        QCOMPARE(after[1].claimedBy, QString());
        QCOMPARE(after[1].status, BatchStatus::New);
    }

    // Slip types A and B on two printers, each with its stack of forms: every page of an accepted
    // job takes the next number of its type in page order; a refused job takes none.
    void numbersGoToPagesInOrder_data()
    {
        QTest::addColumn<bool>("refuseSecond");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("nextOfB");
        QTest::newRow("both jobs accepted")
            << false
            << QStringList{"444413758725", "100000000015", "444413758736", "100000000026", "444413758740"}
            << "100000000030";
        QTest::newRow("second job refused")
            << true << QStringList{"444413758725", "", "444413758736", "", "444413758740"} << "100000000015";
    }
    void numbersGoToPagesInOrder()
    {
        QFETCH(bool, refuseSecond);
        QFETCH(QStringList, numbers);
        QFETCH(QString, nextOfB);
        QTemporaryDir dir;
        rova::store::BatchList list(dir.path());
        list.add(rows({"A", "B", "A", "B", "A"}));
        rova::store::TrackingStacks stacks(dir.path());
        stacks.setNext("A", "444413758725");
        stacks.setNext("B", "100000000015");
        FakePrintSystem fake;
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        fake.addPrinter(FakePrintSystem::printer(QStringLiteral("Beta")));
        fake.setDefault(0);
        rova::print::PrinterChoice printers(fake);
        rova::print::SlipJobs service(printers, dir.path());
        const auto outcome = rova::batch::printJobs(
            rova::batch::planJobs(list.rows(), settingsOf, false), service, list, [&](int done, int) {
                if (refuseSecond && done == 3)
                    fake.failBegin(QStringLiteral("用紙がありません"));
                return true;
            });
        QStringList taken;
        for (const BatchRow& r : list.rows())
            taken << r.trackingNumber;
        QCOMPARE(taken, numbers);
        QCOMPARE(stacks.next("A"), "444413758751");
        QCOMPARE(stacks.next("B"), nextOfB);
        QCOMPARE(outcome.numbers.value(0),
                 QStringLiteral("伝票番号 4444-1375-8725 ～ 4444-1375-8740、次は 4444-1375-8751"));
    }

    void duplicatesAreSkippedUnlessAllowed_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::addColumn<int>("added");
        QTest::newRow("skipped, named by order number or name") << false << 1;
        QTest::newRow("allowed") << true << 3;
    }
    void duplicatesAreSkippedUnlessAllowed()
    {
        QFETCH(bool, allow);
        QFETCH(int, added);
        QTemporaryDir dir;
        rova::store::BatchList list(dir.path());
        BatchRow first = row(0, "A+");
        first.orderNumber = QStringLiteral("100001");
        list.add({first});
        BatchRow sameOrder = row(0, "A");
        sameOrder.orderNumber = QStringLiteral("100001");
        BatchRow fresh = row(0, "A+");
        fresh.slip.name = QStringLiteral("別の人");
        const rova::batch::Added result = rova::batch::addRows(list, {sameOrder, fresh, fresh}, allow);
        QCOMPARE(result.added, added);
        const QStringList named{QStringLiteral("100001"), QStringLiteral("別の人")};
        QCOMPARE(rova::batch::skippedNames(result), allow ? QStringList() : named);
        QCOMPARE(result.marked, allow ? 2 : 1);
        QCOMPARE(list.rows().size(), 1 + added);
    }

    void unknownHeaderWithoutAMappingNamesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shop.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a,b\r\n1,2\r\n");
        file.close();
        try {
            rova::batch::importFile(path, dir.path(), {});
            QFAIL("no error");
        } catch (const rova::Error& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
        }
        rova::orders::ColumnMapping mapping;
        mapping.setColumn(rova::orders::Field::Name, 0);
        rova::ProgramSettings(dir.path())
            .setColumnMapping(rova::orders::headerKey({QStringLiteral("a"), QStringLiteral("b")}), mapping);
        const auto slips = rova::batch::importFile(path, dir.path(), {}).slips;
        QCOMPARE(slips.size(), 1);
        QCOMPARE(slips[0].values.name, QStringLiteral("1"));
    }
};

QTEST_MAIN(TestBatchPrint)
#include "test_batchprint.moc"
