// SPDX-License-Identifier: GPL-3.0-or-later
// The batch list from a script, through the real executable without a display: order files added
// with a line per file, duplicates left out unless allowed, a file that cannot be read named with
// nothing of it added, rows marked as the window marks them, and the list printed (and recorded in
// the history) with the exit status saying whether all was accepted.

#include "platform/store/batchlist.h"
#include "platform/store/history.h"
#include "rules/slip/sliplayout.h"
#include "support/pdfwords.h"
#include "support/privatecupsserver.h"
#include "support/privatecupstest.h"
#include "support/privatepostgresserver.h"
#include "support/privatepostgrestest.h"
#include "support/storeengines.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <array>

namespace
{
QString sample(const QString& name)
{
    return QStringLiteral(ROVA_TEST_DATA "/orders/") + name;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};
} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    rova::test::StoreEngines m_engines;

    // Without a print server unless `cupsServer` names one's socket; without a postal dictionary
    // unless --zipcode-dir gives one. The data folder and the home folder are under the test's folder.
    void start(QProcess& program, const QStringList& arguments, const QString& cupsServer = {},
               const QString& data = QStringLiteral("data"),
               const QString& home = QStringLiteral("home")) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No runtime folder either, as from a cron job: Qt would note that on standard error.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "ROVA_DATA_DIR", "XDG_CONFIG_HOME",
                                 "XDG_RUNTIME_DIR", "ROVA_DATABASE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), m_dir->filePath(home));
        // No scheduler: the built-in PDF printer is the only one.
        env.insert(QStringLiteral("CUPS_SERVER"),
                   cupsServer.isEmpty() ? m_dir->filePath(QStringLiteral("no-cups.sock")) : cupsServer);
        env.insert(QStringLiteral("ROVA_ZIPCODE_DIR"), m_dir->filePath(QStringLiteral("no-postal")));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ROVA_TEST_BIN "/rova-yamato"),
                      QStringList{QStringLiteral("--data-dir"), m_dir->filePath(data)} + arguments);
    }
    static Run finish(QProcess& program)
    {
        if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    // An order file of `orders` orders to one address each.
    QString ordersFile(int orders) const
    {
        const QString path = m_dir->filePath(QStringLiteral("orders.csv"));
        QByteArray text = "注文番号,郵便番号,おところ①,おなまえ,でんわ,品名1,個数\r\n";
        for (int i = 0; i < orders; ++i)
            text += QStringLiteral("N-%1,105-0011,東京都港区芝公園%1,山田　太郎,03-1234-5678,書籍,1\r\n")
                        .arg(i)
                        .toUtf8();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    Run run(const QStringList& arguments, const QString& cupsServer = {}) const
    {
        QProcess program;
        start(program, arguments, cupsServer);
        return finish(program);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("home"));
    }

    void importReportsEachFileAndSkipsDuplicates()
    {
        const QString rakuten = sample(QStringLiteral("rakuten.utf8.csv"));
        const QString amazon = sample(QStringLiteral("amazon.cp932.txt"));
        Run r = run({QStringLiteral("--import"), rakuten, amazon});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        // One of its orders goes to two destinations: two parcels.
        QVERIFY2(
            r.out.contains(rakuten + QStringLiteral(": 追加 5 行、重複で除いた行 0、確認の印がある行 3\n")),
            qPrintable(r.out));
        QVERIFY2(r.out.contains(amazon + QStringLiteral(": 追加 3 行、重複で除いた行 0")), qPrintable(r.out));
        QVERIFY2(!r.err.contains(QStringLiteral("重複")), qPrintable(r.err));
        // The program's own lines only, none of Qt's start-up notes.
        for (const QString& line : r.err.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QStringLiteral("rova-yamato: ")), qPrintable(line));
        // The first start made the folder and the list: customers' data, the user's alone.
        const QString data = m_dir->filePath(QStringLiteral("data"));
        QCOMPARE(
            int(QFileInfo(data).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)),
            0);
        QCOMPARE(QFileInfo(data + QStringLiteral("/rova-yamato.sqlite3")).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

        r = run({QStringLiteral("--import"), rakuten});
        QVERIFY2(r.out.contains(QStringLiteral(": 追加 0 行、重複で除いた行 5")), qPrintable(r.out));
        QVERIFY2(
            r.err.contains(rakuten + QStringLiteral(": 重複で除いた行: 100001、100002、100003、100004、"
                                                    "100004 (重複しても加えるには --allow-duplicates)\n")),
            qPrintable(r.err));
        r = run({QStringLiteral("--import"), QStringLiteral("--allow-duplicates"), rakuten});
        QVERIFY2(r.out.contains(QStringLiteral(": 追加 5 行、重複で除いた行 0")), qPrintable(r.out));
    }

    void twoImportsAtOnceAddEachOrderOnce_data() { rova::test::StoreEngines::addRows(); }
    // Two stations, or a station and a script, importing one file at the same moment.
    void twoImportsAtOnceAddEachOrderOnce()
    {
        QFETCH(bool, onServer);
        QString why;
        const std::optional<rova::store::Location> store =
            m_engines.fresh(onServer, m_dir->filePath(QStringLiteral("data")), &why);
        if (!store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const QStringList database =
            onServer ? QStringList{QStringLiteral("--database"), store->server} : QStringList{};
        const int orders = 5000;
        const QString path = ordersFile(orders);

        QProcess first, second;
        start(first, database + QStringList{QStringLiteral("--import"), path});
        start(second, database + QStringList{QStringLiteral("--import"), path});
        int added = 0, skipped = 0;
        for (QProcess* program : {&first, &second}) {
            const Run r = finish(*program);
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("追加 (\\d+) 行、重複で除いた行 (\\d+)")).match(r.out);
            QVERIFY2(m.hasMatch(), qPrintable(r.out));
            added += m.captured(1).toInt();
            skipped += m.captured(2).toInt();
        }
        QCOMPARE(added, orders);
        QCOMPARE(skipped, orders);
        QSet<QString> numbers;
        const QList<rova::store::BatchRow> rows = rova::store::BatchList(*store).rows();
        for (const rova::store::BatchRow& row : rows)
            numbers.insert(row.orderNumber);
        QCOMPARE(numbers.size(), orders);
        QCOMPARE(rows.size(), orders);
    }

    void twoStationsPrintOneListOnce_data() { rova::test::StoreEngines::addRows(); }
    // Two programs print one list at the same moment: on a server as two stations, each with its
    // data folder; on the file as the window and a script of one station would. Every row is printed
    // by one of them, and each says how many it left to the other.
    void twoStationsPrintOneListOnce()
    {
        QFETCH(bool, onServer);
        PrivateCupsServer cups;
        QString why;
        if (!cups.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        const std::optional<rova::store::Location> store =
            m_engines.fresh(onServer, m_dir->filePath(QStringLiteral("data")), &why);
        if (!store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const QStringList database =
            onServer ? QStringList{QStringLiteral("--database"), store->server} : QStringList{};
        const QString secondData = onServer ? QStringLiteral("data2") : QStringLiteral("data");
        if (onServer) {
            QVERIFY(QDir(m_dir->path()).mkpath(secondData));
            QFile settings(m_dir->filePath(secondData + QStringLiteral("/rova-yamato.conf")));
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write("[station]\nname=梱包2\n");
            settings.close();
        }
        const int orders = 60;
        QCOMPARE(run(database + QStringList{QStringLiteral("--import"), ordersFile(orders)}).status, 0);

        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("home2")));
        QProcess first, second;
        const QStringList printing =
            database + QStringList{QStringLiteral("--print-batch"), QStringLiteral("--include-marked")};
        start(first, printing, cups.socketPath());
        start(second, printing, cups.socketPath(), secondData, QStringLiteral("home2"));
        int printed = 0;
        for (QProcess* program : {&first, &second}) {
            const Run r = finish(*program);
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const QRegularExpressionMatch done =
                QRegularExpression(QStringLiteral("印刷 (\\d+) / (\\d+) 枚\n$")).match(r.err);
            // A program that looks only after the other printed every row finds none left.
            if (!done.hasMatch() && r.err.contains(QStringLiteral("印刷する行がありません\n")))
                continue;
            QVERIFY2(done.hasMatch() && done.captured(2).toInt() == orders, qPrintable(r.err));
            const QRegularExpressionMatch taken =
                QRegularExpression(QStringLiteral("(\\d+) 枚は他の端末が印刷中か印刷済みのため除きました。"))
                    .match(r.out);
            QCOMPARE(done.captured(1).toInt() + (taken.hasMatch() ? taken.captured(1).toInt() : 0), orders);
            printed += done.captured(1).toInt();
        }
        QCOMPARE(printed, orders);
        QSet<QString> addresses;
        for (const rova::store::HistoryEntry& entry : rova::store::History(*store).search({}))
            addresses.insert(entry.slip.add1);
        QCOMPARE(addresses.size(), orders);
        QCOMPARE(rova::store::History(*store).search({}).size(), orders);
        for (const rova::store::BatchRow& row : rova::store::BatchList(*store).rows())
            QCOMPARE(row.status, rova::store::BatchStatus::Printed);
    }

    void threeStationsSurviveTheServerStopping_data()
    {
        // Once the statement's first value on the server is not 0, the server stops for a moment.
        QTest::addColumn<QString>("stopWhen");
        QTest::newRow("as the stations start") << QString();
        QTest::newRow("while a station prints the rows it claimed")
            << "SELECT count(*) FROM batch_rows WHERE claimed_by IS NOT NULL";
        QTest::newRow("while a station records its slips") << "SELECT count(*) FROM history";
    }
    // Three stations, each with its data folder, print one list on a server that stops and starts
    // again under them: what was printed is recorded once, what was not is printed by the next run,
    // and the paper holds every slip once.
    void threeStationsSurviveTheServerStopping()
    {
        QFETCH(QString, stopWhen);
        PrivateCupsServer cups;
        PrivatePostgresServer server;
        QString why;
        if (!cups.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        const QString uri = server.start(&why) ? server.newDatabase(&why) : QString();
        if (uri.isEmpty())
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const QStringList stations{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
        for (const QString& n : stations) {
            QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("data%1").arg(n)));
            QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("home%1").arg(n)));
            QFile settings(m_dir->filePath(QStringLiteral("data%1/rova-yamato.conf").arg(n)));
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(QStringLiteral("[station]\nname=梱包%1\n").arg(n).toUtf8());
        }
        const QStringList database{QStringLiteral("--database"), uri};
        const int orders = 120;
        QProcess import;
        start(import, database + QStringList{QStringLiteral("--import"), ordersFile(orders)}, {},
              QStringLiteral("data1"), QStringLiteral("home1"));
        QCOMPARE(finish(import).status, 0);

        // A PDF file is named by the minute it was printed: each round's files are moved aside.
        const QString paper = m_dir->filePath(QStringLiteral("paper"));
        QVERIFY(QDir().mkpath(paper));
        const auto collect = [&](const QString& round) {
            for (const QString& n : stations) {
                const QDir home(m_dir->filePath(QStringLiteral("home%1").arg(n)));
                for (const QString& pdf : home.entryList({QStringLiteral("*.pdf")}))
                    QFile::rename(home.filePath(pdf),
                                  QStringLiteral("%1/%2-%3-%4").arg(paper, round, n, pdf));
            }
        };
        const QStringList printing =
            database + QStringList{QStringLiteral("--print-batch"), QStringLiteral("--include-marked")};
        std::array<QProcess, 3> programs;
        for (int i = 0; i < 3; ++i)
            start(programs[i], printing, cups.socketPath(), QStringLiteral("data") + stations[i],
                  QStringLiteral("home") + stations[i]);
        const auto anyRunning = [&] {
            return std::any_of(programs.begin(), programs.end(),
                               [](const QProcess& p) { return p.state() != QProcess::NotRunning; });
        };
        while (!stopWhen.isEmpty() && anyRunning() && server.value(uri, stopWhen).toInt() == 0)
            QThread::msleep(5);
        server.stop();
        QThread::msleep(1500);
        QVERIFY2(server.resume(&why), qPrintable(why));
        // A station may fail, as long as it ends and leaves nothing half done.
        for (QProcess& program : programs)
            QVERIFY2(finish(program).status >= 0,
                     qPrintable(QString::fromUtf8(program.readAllStandardError())));
        collect(QStringLiteral("first"));

        // The next run of each station prints what is left, and nothing twice.
        for (const QString& n : stations) {
            QProcess again;
            start(again, printing, cups.socketPath(), QStringLiteral("data") + n, QStringLiteral("home") + n);
            const Run r = finish(again);
            QVERIFY2(r.status == 0, qPrintable(r.err));
        }
        collect(QStringLiteral("next"));

        int pages = 0;
        for (const QString& pdf : QDir(paper).entryList({QStringLiteral("*.pdf")}))
            pages += pdfPageCount(QDir(paper).filePath(pdf));
        QCOMPARE(pages, orders);
        const rova::store::Location store(m_dir->filePath(QStringLiteral("data1")), uri);
        const QList<rova::store::HistoryEntry> history = rova::store::History(store).search({});
        QSet<QString> addresses;
        for (const rova::store::HistoryEntry& entry : history)
            addresses.insert(entry.slip.add1);
        QCOMPARE(addresses.size(), orders);
        QCOMPARE(history.size(), orders);
        for (const rova::store::BatchRow& row : rova::store::BatchList(store).rows())
            QCOMPARE(row.status, rova::store::BatchStatus::Printed);
    }

    void unreadableFileIsNamedAndAddsNothing()
    {
        const QString broken = m_dir->filePath(QStringLiteral("broken.csv"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("受注番号,送付先郵便番号1,送付先郵便番号2,送付先姓\r\n1,105,0011,\"山田\r\n");
        file.close();
        const QString own = sample(QStringLiteral("own.utf8.csv"));
        const Run r = run({QStringLiteral("--import"), broken, own});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(broken), qPrintable(r.err));
        QVERIFY2(!r.out.contains(broken) && r.out.contains(own + QStringLiteral(": 追加 3 行")),
                 qPrintable(r.out));
    }

    // The list cannot be used until the file is set aside: said, with the command that does it.
    void damagedListSaysHowToSetItAside()
    {
        const QString data = m_dir->filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data));
        const QString file = data + QStringLiteral("/rova-yamato.sqlite3");
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray("not a list\n").repeated(400));
        damaged.close();
        const Run r = run({QStringLiteral("--import"), sample(QStringLiteral("own.utf8.csv"))});
        QCOMPARE(r.status, 1);
        const QString aside = data + QStringLiteral("/rova-yamato-damaged-%1.sqlite3")
                                         .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
        QVERIFY2(r.err.contains(QStringLiteral("データベース %1 が壊れています").arg(file)),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("mv '%1' '%2'").arg(file, aside)), qPrintable(r.err));
        QCOMPARE(QFileInfo(file).size(), 4400);
    }

    void importMarksTheRows_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("add1");
        QTest::addColumn<bool>("dictionary");
        QTest::addColumn<bool>("printServer");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("err"); // what standard error says; empty: nothing of the marks
        const QString shiba = QStringLiteral("東京都港区芝公園１－２－３");
        // No number or blank to cut it at.
        const QString longLine = QStringLiteral("港区芝公園芝公園ハイツ東京タワー前通り側南向き角部屋");
        const QString sapporo = QStringLiteral("北海道札幌市中央区北一条西２丁目");
        QTest::newRow("ordinary row") << "105-0011" << shiba << true << true << QStringList() << "";
        QTest::newRow("address line running into the items")
            << "105-0011" << longLine << true << true << QStringList{"address1Long", "overlap"} << "";
        QTest::newRow("address too long for ①: cut into ① and ②, nothing to mark")
            << "105-0011" << shiba + QStringLiteral("　芝公園ハイツ１０１号室") << true << true
            << QStringList() << "";
        QTest::newRow("no print server: overlaps not looked for, and said so")
            << "105-0011" << longLine << true << false << QStringList{"address1Long"}
            << "送り状種類「発払　着払(手差し)」の文字の重なりは確かめていません";
        QTest::newRow("postal code of another place")
            << "105-0011" << sapporo << true << false << QStringList{"zipMismatch"} << "";
        QTest::newRow("no dictionary: no postal check, and said so")
            << "105-0011" << sapporo << false << false << QStringList() << "郵便番号の一覧";
    }
    void importMarksTheRows()
    {
        QFETCH(QString, zip);
        QFETCH(QString, add1);
        QFETCH(bool, dictionary);
        QFETCH(bool, printServer);
        QFETCH(QStringList, codes);
        QFETCH(QString, err);
        PrivateCupsServer server;
        if (printServer) {
            const QString ppd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
            QString why;
            if (!QFile::exists(ppd))
                PRIVATE_CUPS_UNAVAILABLE(ppd + QStringLiteral(" is not installed"));
            if (!server.start(&why))
                PRIVATE_CUPS_UNAVAILABLE(why);
            QCOMPARE(server.addQueue(QStringLiteral("Slip"), ppd), QString());
        }
        const QString path = m_dir->filePath(QStringLiteral("slip.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("送り状種類,郵便番号,おところ①,おなまえ,でんわ,品名1,個数\r\n"
                                  "%1,%2,%3,山田　太郎,03-1234-5678,書籍,1\r\n")
                       .arg(rova::slip::slipTypes()[0], zip, add1)
                       .toUtf8());
        file.close();
        QStringList arguments{QStringLiteral("--import"), path};
        if (dictionary)
            arguments << QStringLiteral("--zipcode-dir") << QStringLiteral(ROVA_TEST_DATA "/postal");
        const Run r = run(arguments, printServer ? server.socketPath() : QString());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("確認の印がある行 %1").arg(codes.isEmpty() ? 0 : 1)),
                 qPrintable(r.out));
        QVERIFY2(err.isEmpty() || r.err.contains(err), qPrintable(r.err));
        const QList<rova::store::BatchRow> rows =
            rova::store::BatchList(m_dir->filePath(QStringLiteral("data"))).rows();
        QCOMPARE(rows.size(), 1);
        QStringList found;
        for (const rova::store::BatchMark& m : rows[0].marks)
            found << m.code;
        QCOMPARE(found, codes);
    }

    void printBatchPrintsTheTickedRowsOnce()
    {
        // Printers are never chosen from a list the print server did not give, the built-in PDF
        // printer included: a private scheduler gives one; the batch print itself is covered against
        // the fake print system.
        PrivateCupsServer server;
        QString why;
        if (!server.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        QCOMPARE(
            run({QStringLiteral("--import"), sample(QStringLiteral("own.utf8.csv"))}, server.socketPath())
                .status,
            0);
        Run r = run({QStringLiteral("--print-batch")}, server.socketPath());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        // The rows without marks: which those are depends on the pages the scheduler's printers take.
        const QRegularExpressionMatch done =
            QRegularExpression(QStringLiteral("印刷 (\\d+) / \\1 枚\n$")).match(r.err);
        QVERIFY2(done.hasMatch() && done.captured(1).toInt() >= 2, qPrintable(r.err));
        QCOMPARE(QDir(m_dir->filePath(QStringLiteral("home"))).entryList({QStringLiteral("*.pdf")}).size(),
                 1);
        // In the history as the window's prints are, where the shipping notices look.
        QCOMPARE(rova::store::History(m_dir->filePath(QStringLiteral("data"))).search({}).size(),
                 done.captured(1).toInt());
        r = run({QStringLiteral("--print-batch")}, server.socketPath());
        QVERIFY2(r.status == 0 && r.err.contains(QStringLiteral("印刷する行がありません")),
                 qPrintable(r.err));
    }

    void optionsThatNeedAnother_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("import without files")
            << QStringList{"--import"} << "--import の後に注文ファイルを指定してください";
        QTest::newRow("duplicates without import")
            << QStringList{"--allow-duplicates"} << "--allow-duplicates は --import と一緒に指定してください";
        QTest::newRow("marked rows without printing")
            << QStringList{"--include-marked"}
            << "--include-marked は --print-batch と一緒に指定してください";
    }
    void optionsThatNeedAnother()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestBatchCommand)
#include "test_batchcommand.moc"
