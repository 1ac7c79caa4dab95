// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/batchlist.h"
#include "platform/store/history.h"
#include "platform/store/schema.h"
#include "platform/store/searchkey.h"
#include "platform/store/setaside.h"

#include "support/readonlyfolder.h"
#include "support/tempfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <sys/stat.h>

using rova::store::BatchList;
using rova::store::History;

namespace
{
// Runs `work` on a plain connection of its own, as an older program or another tool would.
void withConnection(const QString& path, const std::function<void(QSqlQuery&)>& work)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "plain");
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery q(db);
        work(q);
    }
    QSqlDatabase::removeDatabase("plain");
}

QStringList column(QSqlQuery& q, const QString& sql)
{
    QStringList values;
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << q.value(i).toString();
        values << fields.join('|');
    }
    return values;
}

// Every table's columns and every index's columns, to compare two databases' schemas.
QStringList structure(const QString& path)
{
    QStringList shape;
    withConnection(path, [&](QSqlQuery& q) {
        for (const QString& entry :
             column(q, "SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%'"
                       " ORDER BY name")) {
            const QString type = entry.section('|', 0, 0), name = entry.section('|', 1);
            const QString pragma = type == "table" ? "table_info" : "index_info";
            shape << type + " " + name + ": " +
                         column(q, QString("PRAGMA %1(%2)").arg(pragma, name)).join(", ");
        }
    });
    return shape;
}

QString oneValue(const QString& path, const QString& sql)
{
    QString value;
    withConnection(path, [&](QSqlQuery& q) { value = column(q, sql).value(0); });
    return value;
}

// How many records the trigram index holds for a piece of search text (read from the index alone).
// Records whose search text holds `text` in the index, taken in the search form as a search takes it.
QString trigramHits(const QString& path, const QString& text)
{
    return oneValue(path, QString("SELECT count(*) FROM history_search WHERE history_search MATCH '\"%1\"'")
                              .arg(rova::store::searchKey(text)));
}

void loadStatements(const QString& path, const QString& sqlFile)
{
    const QString text = QString::fromUtf8(rova::test::fileBytes(sqlFile));
    withConnection(path, [&](QSqlQuery& q) {
        for (const QString& statement : text.split(";\n", Qt::SkipEmptyParts)) {
            QStringList lines = statement.split('\n');
            lines.removeIf([](const QString& line) { return line.startsWith("--") || line.isEmpty(); });
            if (!lines.isEmpty() && !q.exec(lines.join('\n')))
                qFatal("%s: %s", qPrintable(lines.join('\n')), qPrintable(q.lastError().text()));
        }
    });
}

enum class Setup { NewerVersion, NotADatabase, ReadOnlyFolder };
} // namespace
Q_DECLARE_METATYPE(Setup)

class TestStoreDatabase : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(rova::store::databaseFileName()); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { m_dir.reset(); }

    void versionOneIsBroughtUpToDate()
    {
        loadStatements(path(), ROVA_TEST_DATA "/store-version1.sql");
        QCOMPARE(oneValue(path(), "PRAGMA user_version"), "1");
        {
            History history(m_dir->path());
            BatchList list(m_dir->path());
            QCOMPARE(history.recentDestinations("サトウ", 5).value(0).name, "ｻﾄｳ ｼﾞﾛｳ");
            QCOMPARE(history.recentDestinations("090-1111", 5).value(0).name, "佐藤一郎");
            QCOMPARE(history.search({.text = "ｻﾄｳｼﾞ"}).value(0).slip.tel, "０８０－５５５５－６６６６");
            // Recorded before the kana were folded: found by hiragana all the same.
            QCOMPARE(history.search({.text = "さとうじ"}).value(0).slip.tel, "０８０－５５５５－６６６６");
            const QList<rova::store::BatchRow> rows = list.rows();
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[0].marks.value(0).text, "郵便番号の形が違います");
            QCOMPARE(rows[1].slip.name, "やまだ　はなこ");
            QCOMPARE(list.revision(), 7);
            rova::store::BatchRow again;
            again.orderNumber = "R-0002";
            QCOMPARE(list.duplicates({again}).size(), 1);
            history.remove({history.search({.text = "佐藤一郎"}).value(0).id});
        }
        QCOMPARE(oneValue(path(), "PRAGMA user_version"), QString::number(rova::store::schemaVersion));
        QCOMPARE(trigramHits(path(), "サトウジロウ"), "1");
        QCOMPARE(trigramHits(path(), "佐藤一郎"), "0");

        QTemporaryDir fresh;
        {
            History created(fresh.path());
        }
        QCOMPARE(structure(path()), structure(fresh.filePath(rova::store::databaseFileName())));
    }

    void refusedDatabases_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("damaged"); // the one a new list beside it puts right
        QTest::newRow("written by a newer version")
            << Setup::NewerVersion
            << "データベース %1 はこのプログラムより新しい版で作られています"
               " (形式 10、このプログラムは形式 9 まで)"
            << false;
        QTest::newRow("not a database")
            << Setup::NotADatabase << "データベース %1 が壊れています: file is not a database" << true;
        QTest::newRow("in a folder that cannot be written")
            << Setup::ReadOnlyFolder << "データベース %1 を開けません: unable to open database file" << false;
    }
    void refusedDatabases()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, message);
        QFETCH(bool, damaged);
        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (setup == Setup::NewerVersion)
            withConnection(path(), [](QSqlQuery& q) { QVERIFY(q.exec("PRAGMA user_version = 10")); });
        else if (setup == Setup::NotADatabase)
            rova::test::putFile(path(), QByteArray("送り状ではない文書\n").repeated(200));
        else {
            readOnly = std::make_unique<ReadOnlyFolder>(m_dir->path());
            if (!readOnly->refusesWrites())
                QSKIP("this machine cannot make a folder read-only");
        }
        const QByteArray before = rova::test::fileBytes(path());
        for (const auto& open : {std::function<void()>([&] { History h(m_dir->path()); }),
                                 std::function<void()>([&] { BatchList l(m_dir->path()); })}) {
            try {
                open();
                QFAIL("opened without an error");
            } catch (const rova::Error& e) {
                QCOMPARE(e.message(), message.arg(path()));
                QCOMPARE(dynamic_cast<const rova::store::DamagedDatabase*>(&e) != nullptr, damaged);
            }
        }
        QCOMPARE(rova::test::fileBytes(path()), before);
    }

    // A damaged file is kept whole under a name with the day, a second one on the same day beside
    // it, and a new list starts where it was.
    void damagedFileIsSetAside()
    {
        const QDate day(2026, 12, 9);
        const QByteArray damaged = QByteArray("送り状ではない文書\n").repeated(200);
        const QStringList expected{"rova-yamato-damaged-20261209.sqlite3",
                                   "rova-yamato-damaged-20261209-2.sqlite3"};
        for (const QString& name : expected) {
            rova::test::putFile(path(), damaged);
            rova::test::putFile(path() + "-wal", "log");
            QCOMPARE(rova::store::setAside(m_dir->path(), day), m_dir->filePath(name));
            QCOMPARE(rova::test::fileBytes(m_dir->filePath(name)), damaged);
            QCOMPARE(rova::test::fileBytes(m_dir->filePath(name + "-wal")), QByteArray("log"));
            QVERIFY(!QFile::exists(path() + "-wal"));
            BatchList fresh(m_dir->path());
            QVERIFY(fresh.rows().isEmpty());
        }
    }

    void killedWhileWritingKeepsEveryCommit_data()
    {
        QTest::addColumn<int>("commits");
        QTest::newRow("killed early") << 10;
        QTest::newRow("killed later") << 120;
        QTest::newRow("killed after a checkpoint") << 600;
    }
    void killedWhileWritingKeepsEveryCommit()
    {
        QFETCH(int, commits);
        QProcess writer;
        writer.setProgram(ROVA_STORE_WRITER_HELPER);
        writer.setArguments({m_dir->path()});
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start();
        QVERIFY(writer.waitForStarted());

        // This process writes at the same time, as the window does while the command line tool runs.
        History history(m_dir->path());
        BatchList list(m_dir->path());
        QList<qint64> historyIds, ownRows;
        QList<QPair<qint64, qint64>> batches;
        const auto readLines = [&] {
            while (writer.canReadLine()) {
                const QList<QByteArray> words = writer.readLine().trimmed().split(' ');
                QVERIFY2(words[0] != "error", words.join(' ').constData());
                if (words[0] == "history")
                    historyIds << words[1].toLongLong();
                else
                    batches << qMakePair(words[1].toLongLong(), words[2].toLongLong());
            }
        };
        QDeadlineTimer deadline(60000);
        while (batches.size() < commits && !deadline.hasExpired()) {
            rova::store::BatchRow row;
            row.sourceFile = "test";
            try {
                ownRows << list.add({row});
                history.record({});
            } catch (const rova::Error& e) {
                // On a loaded machine (sanitizers, parallel tests) the other writer may hold the lock
                // past the busy timeout; that write is refused whole and tried again. Any other
                // failure is one.
                if (!e.message().contains(QStringLiteral("database is locked")))
                    QFAIL(e.what());
            }
            writer.waitForReadyRead(5);
            readLines();
        }
        writer.kill();
        QVERIFY(writer.waitForFinished());
        readLines();
        QVERIFY2(batches.size() >= commits, "the writer did not get that far");

        QCOMPARE(oneValue(path(), "PRAGMA integrity_check"), "ok");
        BatchList reopened(m_dir->path());
        QSet<qint64> present;
        int fromWriter = 0;
        for (const rova::store::BatchRow& row : reopened.rows()) {
            present.insert(row.id);
            fromWriter += row.sourceFile == "helper";
        }
        for (const auto& [first, last] : batches)
            QVERIFY2(present.contains(first) && present.contains(last), "a committed batch is missing");
        for (const qint64 id : ownRows)
            QVERIFY(present.contains(id));
        QCOMPARE(fromWriter % 50, 0);
        const QString recorded = QString::number(historyIds.size() ? historyIds.last() : 0);
        QCOMPARE(oneValue(path(), "SELECT count(*) FROM history WHERE id <= " + recorded +
                                      " AND name LIKE '書き手%'"),
                 QString::number(historyIds.size()));
        QCOMPARE(trigramHits(path(), "書き手"),
                 oneValue(path(), "SELECT count(*) FROM history WHERE name LIKE '書き手%'"));
    }

    // Customers' names, addresses and telephone numbers stay the user's, however the file came to be.
    void databaseIsPrivate_data()
    {
        QTest::addColumn<int>("before"); // the mode of a file already there; 0: none
        QTest::newRow("first start in a missing folder") << 0;
        QTest::newRow("file readable by all") << 0644;
        QTest::newRow("file writable by all") << 0666;
        QTest::newRow("file already private") << 0600;
    }
    void databaseIsPrivate()
    {
        QFETCH(int, before);
        QTemporaryDir dir;
        const QString folder = dir.filePath("config/rova-yamato");
        const QString file = folder + '/' + rova::store::databaseFileName();
        if (before) {
            QVERIFY(QDir().mkpath(folder));
            withConnection(file, [](QSqlQuery& q) { q.exec("CREATE TABLE older(a)"); });
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(before)) == 0);
        }
        {
            BatchList list(folder);
        }
        const auto modeOf = [](const QString& path) {
            struct stat info {
            };
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        QCOMPARE(modeOf(file), 0600);
        if (!before)
            QCOMPARE(modeOf(folder), 0700);
    }
};

QTEST_GUILESS_MAIN(TestStoreDatabase)
#include "test_storedatabase.moc"
