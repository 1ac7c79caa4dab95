// SPDX-License-Identifier: GPL-3.0-or-later
// The server stops while a station prints single slips: they print, wait in the data folder, the
// status bar says how many, and once the server answers they reach it in order, each once.

#include "platform/print/printerchoice.h"
#include "platform/print/slipjobs.h"
#include "platform/store/history.h"
#include "support/fakeprintsystem.h"
#include "support/privatepostgresserver.h"
#include "support/privatepostgrestest.h"
#include "support/sampleslip.h"
#include "widgets/history/historyaccess.h"
#include "widgets/history/historyrecorder.h"
#include "widgets/history/serverqueue.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using rova::print::FakePrintSystem;

class TestServerQueue : public QObject
{
    Q_OBJECT

    static rova::slip::PrintSettings settings()
    {
        rova::slip::PrintSettings s;
        s.printerIndex = QStringLiteral("0");
        s.top = s.left = QStringLiteral("0");
        return s;
    }
    // Names in the server's history, in the order recorded.
    static QStringList onServer(const rova::store::Location& where)
    {
        QStringList names;
        for (const rova::store::HistoryEntry& e : rova::store::History(where).search({}))
            names.prepend(e.slip.name);
        return names;
    }

private slots:
    void slipsPrintedWhileTheServerIsAwayReachItInOrder()
    {
        PrivatePostgresServer server;
        QString why;
        if (!server.start(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const QString uri = server.newDatabase(&why);
        QVERIFY2(!uri.isEmpty(), qPrintable(why));
        QTemporaryDir folder;
        const rova::store::Location where(folder.path(), uri, QStringLiteral("梱包1"));

        FakePrintSystem printer;
        printer.addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
        printer.setDefault(0);
        rova::print::PrinterChoice printers(printer);
        printers.setCurrentIndex(0);
        rova::print::SlipJobs jobs(printers);
        rova::HistoryAccess history(where);
        QStringList reports;
        rova::HistoryRecorder recorder(jobs, history, [&reports](const QString& r) { reports << r; });
        rova::ServerQueue* queue = recorder.serverQueue();
        QVERIFY(queue);
        QStatusBar bar;
        rova::showWaitingIn(bar, *queue);
        auto* label = bar.findChild<QLabel*>(QStringLiteral("Label_ServerQueue"));
        const auto print = [&](const QStringList& names) {
            QList<rova::slip::SlipValues> slips;
            for (const QString& name : names)
                slips << rova::test::slipTo(name, QStringLiteral("03-1111-2222"));
            jobs.print(slips, settings());
        };

        print({QStringLiteral("一")});
        server.stop();
        print({QStringLiteral("二"), QStringLiteral("三")});
        print({QStringLiteral("四")});
        QCOMPARE(printer.jobs().size(), 3);
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
        QVERIFY(!label->isHidden());
        QCOMPARE(label->text(), QStringLiteral("サーバー待ちの履歴 3 件"));
        QVERIFY2(label->toolTip().contains(QStringLiteral("postgresql:///")), qPrintable(label->toolTip()));

        QSignalSpy tried(queue, &rova::ServerQueue::waitingChanged);
        queue->sendWaiting(); // still away: they keep waiting
        QTRY_COMPARE_WITH_TIMEOUT(tried.size(), 1, 15000);
        QVERIFY(history.away());
        QCOMPARE(label->text(), QStringLiteral("サーバー待ちの履歴 3 件"));

        QVERIFY2(server.resume(&why), qPrintable(why));
        queue->sendWaiting();
        QTRY_VERIFY_WITH_TIMEOUT(label->isHidden(), 15000);
        QVERIFY(!history.away());
        QCOMPARE(onServer(where), (QStringList{QStringLiteral("一"), QStringLiteral("二"),
                                               QStringLiteral("三"), QStringLiteral("四")}));

        print({QStringLiteral("五")}); // straight to the server again
        QCOMPARE(onServer(where).size(), 5);
        QVERIFY(label->isHidden());
    }
};

QTEST_MAIN(TestServerQueue)
#include "test_serverqueue.moc"
