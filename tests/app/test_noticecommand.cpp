// SPDX-License-Identifier: GPL-3.0-or-later
// Shipping notices from a script, through the real executable: the summary on standard output,
// one file per marketplace, the next run holding only new slips unless --all, and the exit status.

#include "platform/store/history.h"
#include "support/readonlyfolder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using rova::slip::Marketplace;
using rova::store::HistoryEntry;

namespace
{
struct Run {
    int status = -1;
    QString out;
    QString err;
};

HistoryEntry printed(Marketplace marketplace, const QString& order, const QString& number,
                     bool spoiled = false)
{
    HistoryEntry e;
    e.printedAt = QDateTime(QDate(2030, 5, 1), QTime(9, 0));
    e.slip.name = order;
    e.slip.order = {marketplace, order, {}, {{order + "-1", "1"}, {order + "-2", "2"}}};
    e.trackingNumber = number;
    e.spoiled = spoiled;
    return e;
}
} // namespace

class TestNoticeCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString data() const { return m_dir->filePath(QStringLiteral("data")); }
    QString out() const { return m_dir->filePath(QStringLiteral("out")); }

    Run run(const QStringList& arguments) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "ROVA_DATA_DIR", "XDG_CONFIG_HOME"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), m_dir->path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ROVA_TEST_BIN "/rova-yamato"),
                      QStringList{QStringLiteral("--data-dir"), data()} + arguments);
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    QStringList written() const { return QDir(out()).entryList(QDir::Files, QDir::Name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("data"));
        QDir(m_dir->path()).mkpath(QStringLiteral("out"));
    }

    void newSlipsOnlyUnlessAll()
    {
        {
            rova::store::History history(data());
            history.record(printed(Marketplace::Rakuten, "100001", "444413758703"));
            history.record(printed(Marketplace::Amazon, "503-0000001-0000001", "444413758714"));
            history.record(printed(Marketplace::Yahoo, "shop-0001", "444413758725", true));
            history.record(printed(Marketplace::Yahoo, "shop-0002", ""));
            history.record(HistoryEntry{}); // typed in the window: no marketplace's
        }
        const QString leftOut = QStringLiteral("除いた送り状 2 (伝票番号なし 1、書き損じ 1)\n");
        Run r = run({QStringLiteral("--export-notices"), out()});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QRegularExpression("^楽天市場 shipping-rakuten-\\d{8}-\\d{6}\\.csv \\(1 "
                                                   "行\\)、Amazon shipping-amazon-\\S+\\.txt \\(2 行\\)")),
                 qPrintable(r.out));
        QVERIFY2(r.out.endsWith(leftOut), qPrintable(r.out));
        QCOMPARE(written().size(), 2);
        QFile rakuten(QDir(out()).filePath(written().last())); // after the Amazon file by name
        QVERIFY(rakuten.open(QIODevice::ReadOnly));
        QVERIFY(rakuten.readAll().endsWith("\r\n100001,,,444413758703,1001,2030-05-01\r\n"));

        // The spoiled form was said once; the slip without a number waits for one.
        r = run({QStringLiteral("--export-notices"), out()});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("書き出す出荷通知はありません。除いた送り状 1 (伝票番号なし 1)\n"));
        QCOMPARE(written().size(), 2);

        r = run({QStringLiteral("--export-notices"), out(), QStringLiteral("--all")});
        QCOMPARE(r.status, 0);
        QCOMPARE(written().size(), 4);
    }

    void aMissingFolderFails()
    {
        const Run r = run({QStringLiteral("--export-notices"), m_dir->filePath(QStringLiteral("gone"))});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("出荷通知を書き出すフォルダ")), qPrintable(r.err));
        QCOMPARE(r.out, QString());
    }

    // Nothing is written half: a folder that refuses the file leaves no file and no slip marked.
    void aFolderThatCannotBeWrittenLeavesTheSlipsForNextTime()
    {
        rova::store::History(data()).record(printed(Marketplace::Rakuten, "100001", "444413758703"));
        {
            ReadOnlyFolder readOnly(out());
            if (!readOnly.refusesWrites())
                QSKIP("this machine cannot make a folder read-only");
            const Run r = run({QStringLiteral("--export-notices"), out()});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(QStringLiteral("書き込めるフォルダを選んで")), qPrintable(r.err));
        }
        QCOMPARE(QDir(out()).entryList(QDir::Files | QDir::Hidden).size(), 0);
        QCOMPARE(run({QStringLiteral("--export-notices"), out()}).status, 0);
        QCOMPARE(written().size(), 1);
    }

    void usageMistakes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("--all alone") << QStringList{"--all"}
                                     << "--all は --export-notices と一緒に指定してください";
        QTest::newRow("with a print of the list")
            << QStringList{"--print-batch", "--export-notices", "/tmp"}
            << "--export-notices は --import・--print-batch・--next-number と一緒には指定できません";
        QTest::newRow("no folder") << QStringList{"--export-notices"}
                                   << "--export-notices の後に FOLDER を指定してください";
    }
    void usageMistakes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestNoticeCommand)
#include "test_noticecommand.moc"
